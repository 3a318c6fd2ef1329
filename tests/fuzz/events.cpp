#include "events.h"

namespace {

std::string modifierText(int modifiers)
{
    std::string text;
    if (modifiers & model::shiftKey)
        text += "Shift+";
    if (modifiers & model::ctrlKey)
        text += "Ctrl+";
    if (modifiers & model::altKey)
        text += "Alt+";
    return text;
}

std::string keyText(const Event& event)
{
    return modifierText(event.modifiers) + std::string(model::nameOf(event.key));
}

std::string target(const Event& event)
{
    return std::string(model::nameOf(event.screen)) + "." + std::string(event.control);
}

} // namespace

std::string describe(const Event& event)
{
    using Action = Event::Action;
    switch (event.action) {
    case Action::Type:
        return "type " + keyText(event);
    case Action::Press:
        return "press " + keyText(event) + (event.autoRepeat ? " (auto-repeat)" : "");
    case Action::Release:
        return "release " + keyText(event) + (event.autoRepeat ? " (auto-repeat)" : "");
    case Action::Click:
        return "click " + target(event);
    case Action::MouseClick:
        return "mouse click " + target(event);
    case Action::Tick:
        return "tick " + target(event);
    case Action::Close:
        return "close " + std::string(model::nameOf(event.screen)) + " by its frame";
    case Action::Activate:
        return "activate " + std::string(model::nameOf(event.screen));
    }
    return "?";
}

bool canHappen(const Event& event, const model::Game& game)
{
    using Action = Event::Action;
    const model::ScreenState& state = game.state(event.screen);
    switch (event.action) {
    case Action::Type:
    case Action::Press:
        return game.predicts(event.key, event.modifiers);
    case Action::Release:
        return true;
    case Action::Click:
    case Action::MouseClick:
    case Action::Activate:
        return state.visible;
    case Action::Tick:
    case Action::Close:
        return state.loaded;
    }
    return false;
}

void apply(const Event& event, model::Game& game, model::Picks picks)
{
    using Action = Event::Action;
    switch (event.action) {
    case Action::Type:
        game.type(event.key, event.modifiers);
        break;
    case Action::Press:
        game.press(event.key, event.modifiers, event.autoRepeat);
        break;
    case Action::Release:
        game.release(event.key, event.modifiers, event.autoRepeat);
        break;
    case Action::Click:
        game.click(event.screen, event.control);
        break;
    case Action::MouseClick:
        game.mouseClick(event.screen, event.control);
        break;
    case Action::Tick:
        game.tick(event.screen, event.control, picks);
        break;
    case Action::Close:
        game.closeByFrame(event.screen);
        break;
    case Action::Activate:
        game.activate(event.screen);
        break;
    }
}
