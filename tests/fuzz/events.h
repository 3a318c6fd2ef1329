#pragma once

#include "model.h"

#include <string>
#include <string_view>

// One thing that happens to the game: a key, a click, a timer's tick, a window closed
// or brought to the front.
struct Event {
    enum class Action { Type, Press, Release, Click, MouseClick, Tick, Close, Activate };

    Action action = Action::Type;
    model::Key key = model::Key::Left;
    int modifiers = 0;
    bool autoRepeat = false;
    model::Screen screen = model::Screen::Splash;
    std::string_view control; // the button or timer
};

std::string describe(const Event& event);

// Whether the event can happen in the modelled state: clicks and activation need a
// visible window, ticks and closing a loaded screen, and keys an outcome the model
// knows. Shrinking replays parts of a sequence, so an event may find its target gone.
bool canHappen(const Event& event, const model::Game& game);

// What the event does to the model; picks are the splash's draw, read off the real screen.
void apply(const Event& event, model::Game& game, model::Picks picks);
