#include "generator.h"

#include <array>
#include <deque>

namespace {

using model::Key;
using model::Screen;
using Action = Event::Action;

// The first key of a shortest way from the snail to the exit, which only Left enters.
Key wayOut(const model::Maze& maze)
{
    constexpr int cells = model::Maze::columns * model::Maze::rows;
    std::array<std::optional<Key>, cells> firstKey{};
    std::array<bool, cells> seen{};
    std::deque<std::pair<int, int>> queue = {{maze.x, maze.y}};
    seen[std::size_t(maze.x + model::Maze::columns * maze.y)] = true;
    while (!queue.empty()) {
        const auto [x, y] = queue.front();
        queue.pop_front();
        const auto& here = firstKey[std::size_t(x + model::Maze::columns * y)];
        for (const model::Arrow& move : model::arrows) {
            const int nx = x + move.dx;
            const int ny = y + move.dy;
            const int code = maze.cell(nx, ny);
            if (code == 2 && move.key == Key::Left)
                return here.value_or(Key::Left);
            const std::size_t at = std::size_t(nx + model::Maze::columns * ny);
            if (code != 1 || seen[at])
                continue;
            seen[at] = true;
            firstKey[at] = here.value_or(move.key);
            queue.emplace_back(nx, ny);
        }
    }
    return Key::Right; // on the exit: back into the maze
}

// Keys besides the arrows, the ones that do something on a button more often.
const std::vector<Key> otherKeys = {
    Key::Space, Key::Space,  Key::Space,  Key::Return,  Key::Return, Key::Enter,
    Key::Tab,   Key::Tab,    Key::Tab,    Key::Backtab, Key::Escape, Key::Home,
    Key::F1,    Key::Shift,  Key::A,      Key::E,       Key::I,      Key::M,
    Key::X,     Key::Digit1, Key::Digit2, Key::Digit3,
};

const std::vector<Key> arrowKeys = {Key::Left, Key::Up, Key::Right, Key::Down};

const std::vector<Key> allKeys = {
    Key::Left, Key::Up,      Key::Right,  Key::Down, Key::Space,  Key::Return, Key::Enter,
    Key::Tab,  Key::Backtab, Key::Escape, Key::Home, Key::F1,     Key::Shift,  Key::A,
    Key::E,    Key::I,       Key::M,      Key::X,    Key::Digit1, Key::Digit2, Key::Digit3,
};

const std::vector<Key> acceleratorKeys = {Key::Digit1, Key::Digit2, Key::Digit3, Key::I,
                                          Key::A,      Key::E,      Key::M,      Key::X};

const std::vector<int> modifierSets = {model::shiftKey, model::ctrlKey, model::altKey,
                                       model::shiftKey | model::ctrlKey};

// Exit buttons end the game, so they are pressed less often than the others.
constexpr double exitWeight = 0.1;

Event keyEvent(Action action, Key key, int modifiers = 0, bool autoRepeat = false)
{
    Event event;
    event.action = action;
    event.key = key;
    event.modifiers = modifiers;
    event.autoRepeat = autoRepeat;
    return event;
}

Event screenEvent(Action action, Screen screen, std::string_view control = {})
{
    Event event;
    event.action = action;
    event.screen = screen;
    event.control = control;
    return event;
}

std::vector<Screen> screensWhere(const model::Game& game, bool (*test)(const model::ScreenState&))
{
    std::vector<Screen> found;
    for (Screen screen : model::allScreens) {
        if (test(game.state(screen)))
            found.push_back(screen);
    }
    return found;
}

bool isLoaded(const model::ScreenState& state)
{
    return state.loaded;
}

bool isVisible(const model::ScreenState& state)
{
    return state.visible;
}

} // namespace

const std::vector<Generator::Choice> Generator::choices = {
    {20, &Generator::arrowRelease, true},
    {14, &Generator::arrowType, true},
    {3, &Generator::arrowPress, true},
    {3, &Generator::autoRepeatRelease, true},
    {8, &Generator::otherType},
    {2, &Generator::otherPress},
    {3, &Generator::otherRelease},
    // An accelerator clicks a tenth of a second after its key, which the run waits for.
    {0.2, &Generator::accelerator},
    {5, &Generator::click},
    {5, &Generator::mouseClick},
    {1, &Generator::boxClick},
    {22, &Generator::tick},
    {0.4, &Generator::close},
    {3, &Generator::activate},
};

Event Generator::next(const model::Game& game)
{
    const bool onMaze = game.active() && model::isMaze(*game.active());
    std::vector<double> weights;
    for (const Choice& choice : choices)
        weights.push_back(choice.arrows && onMaze ? 4 * choice.weight : choice.weight);
    std::discrete_distribution<std::size_t> which(weights.begin(), weights.end());
    for (;;) {
        const std::optional<Event> event = (this->*choices[which(random_)].make)(game);
        if (event && canHappen(*event, game))
            return *event;
    }
}

bool Generator::chance(double probability)
{
    return std::bernoulli_distribution(probability)(random_);
}

template<class T> const T& Generator::pick(const std::vector<T>& from)
{
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random_)];
}

Key Generator::arrow(const model::Game& game)
{
    const auto active = game.active();
    if (active && model::isMaze(*active) && chance(0.5))
        return wayOut(game.state(*active).maze);
    return pick(arrowKeys);
}

int Generator::someModifiers()
{
    return chance(0.15) ? pick(modifierSets) : 0;
}

std::optional<Event> Generator::arrowRelease(const model::Game& game)
{
    return keyEvent(Action::Release, arrow(game), someModifiers());
}

std::optional<Event> Generator::arrowType(const model::Game& game)
{
    return keyEvent(Action::Type, arrow(game));
}

std::optional<Event> Generator::arrowPress(const model::Game& game)
{
    return keyEvent(Action::Press, arrow(game), 0, chance(0.3));
}

std::optional<Event> Generator::autoRepeatRelease(const model::Game& game)
{
    return keyEvent(Action::Release, arrow(game), 0, true);
}

std::optional<Event> Generator::otherType(const model::Game&)
{
    const Key key = pick(otherKeys);
    return keyEvent(Action::Type, key, key == Key::Tab && chance(0.3) ? model::shiftKey : 0);
}

// Repeats of a press reach the focus directly, without the accelerators' way: so a
// repeated press leaves Alt out.
std::optional<Event> Generator::otherPress(const model::Game&)
{
    const bool autoRepeat = chance(0.3);
    const int modifiers = someModifiers();
    return keyEvent(Action::Press, pick(otherKeys),
                    autoRepeat ? modifiers & ~model::altKey : modifiers, autoRepeat);
}

std::optional<Event> Generator::otherRelease(const model::Game&)
{
    return keyEvent(Action::Release, pick(allKeys), someModifiers(), chance(0.2));
}

std::optional<Event> Generator::accelerator(const model::Game&)
{
    return keyEvent(Action::Type, pick(acceleratorKeys), model::altKey);
}

std::optional<Event> Generator::button(const model::Game& game, Action action)
{
    std::vector<Event> candidates;
    std::vector<double> weights;
    for (Screen screen : screensWhere(game, isVisible)) {
        for (std::string_view name : model::Game::buttonsOf(screen)) {
            candidates.push_back(screenEvent(action, screen, name));
            weights.push_back(name == "cmdExit" ? exitWeight : 1);
        }
    }
    if (candidates.empty())
        return std::nullopt;
    std::discrete_distribution<std::size_t> which(weights.begin(), weights.end());
    return candidates[which(random_)];
}

std::optional<Event> Generator::click(const model::Game& game)
{
    return button(game, Action::Click);
}

std::optional<Event> Generator::mouseClick(const model::Game& game)
{
    return button(game, Action::MouseClick);
}

std::optional<Event> Generator::boxClick(const model::Game& game)
{
    std::vector<Event> candidates;
    for (Screen screen : screensWhere(game, isVisible)) {
        for (std::string_view box : model::Game::boxesOf(screen))
            candidates.push_back(screenEvent(Action::MouseClick, screen, box));
    }
    if (candidates.empty())
        return std::nullopt;
    return pick(candidates);
}

std::optional<Event> Generator::tick(const model::Game& game)
{
    std::vector<Event> candidates;
    for (Screen screen : screensWhere(game, isLoaded)) {
        for (std::string_view timer : model::Game::timersOf(screen))
            candidates.push_back(screenEvent(Action::Tick, screen, timer));
    }
    if (candidates.empty())
        return std::nullopt;
    return pick(candidates);
}

std::optional<Event> Generator::close(const model::Game& game)
{
    const std::vector<Screen> loaded = screensWhere(game, isLoaded);
    if (loaded.empty())
        return std::nullopt;
    return screenEvent(Action::Close, pick(loaded));
}

std::optional<Event> Generator::activate(const model::Game& game)
{
    const std::vector<Screen> visible = screensWhere(game, isVisible);
    if (visible.empty())
        return std::nullopt;
    return screenEvent(Action::Activate, pick(visible));
}
