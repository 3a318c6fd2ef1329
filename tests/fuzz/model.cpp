#include "model.h"

#include <algorithm>

namespace model {

namespace {

constexpr std::array<std::string_view, allScreens.size()> screenNames = {
    "frmSplash", "frmLevel", "frmInst",  "frmAbout", "frmWon",
    "frmLost",   "frmMaze1", "frmMaze2", "frmMAze3",
};

constexpr std::array<std::string_view, 21> keyNames = {
    "Left", "Up",      "Right",  "Down", "Space", "Return", "Enter",
    "Tab",  "Backtab", "Escape", "Home", "F1",    "Shift",  "A",
    "E",    "I",       "M",      "X",    "1",     "2",      "3",
};

// What the level load writes, with the untouched right column and bottom row:
// 0 wall, 1 path, 2 exit.
// clang-format off
constexpr std::array<std::int32_t, Maze::columns * Maze::rows> mazeCells = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    2, 1, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0,
    0, 0, 1, 0, 1, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0,
    0, 1, 1, 0, 0, 1, 1, 0, 1, 0, 1, 1, 0, 0, 0, 0,
    0, 0, 1, 1, 0, 1, 0, 0, 1, 0, 0, 0, 1, 1, 0, 0,
    0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 0, 0, 0,
    0, 1, 1, 1, 0, 1, 0, 1, 0, 0, 1, 0, 1, 0, 0, 0,
    0, 1, 0, 1, 0, 1, 0, 1, 1, 1, 1, 1, 1, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
};
// clang-format on

constexpr std::int32_t path = 1;
constexpr std::int32_t exitCell = 2;
constexpr float step = 495; // the size of the cell-size reference box

std::string_view startText(Screen maze)
{
    return maze == Screen::Maze1 ? "30" : maze == Screen::Maze2 ? "20" : "10";
}

// What a button does: open a screen and hide its own, or end the program.
struct Button {
    Screen screen;
    std::string_view name;
    std::optional<Screen> opens;
};

const std::vector<Button> buttons = {
    {Screen::Level, "cmdLevel1", Screen::Maze1}, {Screen::Level, "cmdLevel2", Screen::Maze2},
    {Screen::Level, "cmdLevel3", Screen::Maze3}, {Screen::Level, "cmdInst", Screen::Inst},
    {Screen::Level, "cmdAbout", Screen::About},  {Screen::Level, "cmdExit", std::nullopt},
    {Screen::Inst, "cmdMain", Screen::Level},    {Screen::Inst, "cmdExit", std::nullopt},
    {Screen::About, "cmdMain", Screen::Level},   {Screen::About, "cmdExit", std::nullopt},
    {Screen::Won, "cmdMain", Screen::Level},     {Screen::Won, "cmdExit", std::nullopt},
    {Screen::Lost, "cmdMain", Screen::Level},    {Screen::Lost, "cmdExit", std::nullopt},
    {Screen::Maze1, "cmdMenu", Screen::Level},   {Screen::Maze1, "cmdExit", std::nullopt},
    {Screen::Maze2, "cmdMenu", Screen::Level},   {Screen::Maze2, "cmdExit", std::nullopt},
    {Screen::Maze3, "cmdMenu", Screen::Level},   {Screen::Maze3, "cmdExit", std::nullopt},
};

struct Accelerator {
    Screen screen;
    Key key;
    std::string_view button;
};

const std::vector<Accelerator> accelerators = [] {
    std::vector<Accelerator> all = {
        {Screen::Level, Key::Digit1, "cmdLevel1"}, {Screen::Level, Key::Digit2, "cmdLevel2"},
        {Screen::Level, Key::Digit3, "cmdLevel3"}, {Screen::Level, Key::I, "cmdInst"},
        {Screen::Level, Key::A, "cmdAbout"},       {Screen::Level, Key::E, "cmdExit"},
    };
    for (Screen leaf : {Screen::Inst, Screen::About, Screen::Won, Screen::Lost}) {
        all.push_back({leaf, Key::M, "cmdMain"});
        all.push_back({leaf, Key::E, "cmdExit"});
    }
    return all;
}();

bool isTabbing(Key key, int modifiers)
{
    return (key == Key::Tab || key == Key::Backtab) && !(modifiers & (ctrlKey | altKey));
}

// One step of the snail, the cell first and then the sprite.
void moveSnail(Maze& maze, int dx, int dy)
{
    maze.x = maze.x + dx;
    maze.y = maze.y + dy;
    maze.spriteLeft = maze.spriteLeft + float(dx) * step;
    maze.spriteTop = maze.spriteTop + float(dy) * step;
}

bool isButton(std::string_view focus)
{
    return !focus.empty() && focus != anyBox;
}

// The focus chain of a window: its buttons, and on a maze screen the picture boxes,
// which stand before the first button and after the last.
std::vector<std::string_view> tabChainOf(Screen screen)
{
    std::vector<std::string_view> chain = Game::buttonsOf(screen);
    if (isMaze(screen))
        chain.insert(chain.begin(), anyBox);
    return chain;
}

} // namespace

std::string_view nameOf(Screen screen)
{
    return screenNames[std::size_t(screen)];
}

std::string_view nameOf(Key key)
{
    return keyNames[std::size_t(key)];
}

bool isMaze(Screen screen)
{
    return screen == Screen::Maze1 || screen == Screen::Maze2 || screen == Screen::Maze3;
}

std::int32_t Maze::cell(int column, int row) const
{
    if (column < 0 || column >= columns || row < 0 || row >= rows)
        return 0;
    return grid[std::size_t(column + columns * row)];
}

const std::vector<std::string_view>& Game::buttonsOf(Screen screen)
{
    static const std::vector<std::string_view> none;
    static const std::vector<std::string_view> menu = {"cmdLevel2", "cmdLevel3", "cmdAbout",
                                                       "cmdExit",   "cmdInst",   "cmdLevel1"};
    static const std::vector<std::string_view> exitFirst = {"cmdExit", "cmdMain"};
    static const std::vector<std::string_view> menuFirst = {"cmdMain", "cmdExit"};
    static const std::vector<std::string_view> levelOne = {"cmdExit", "cmdMenu"};
    static const std::vector<std::string_view> otherLevels = {"cmdMenu", "cmdExit"};
    switch (screen) {
    case Screen::Splash:
        return none;
    case Screen::Level:
        return menu;
    case Screen::Inst:
    case Screen::Lost:
        return exitFirst;
    case Screen::About:
    case Screen::Won:
        return menuFirst;
    case Screen::Maze1:
        return levelOne;
    case Screen::Maze2:
    case Screen::Maze3:
        return otherLevels;
    }
    return none;
}

const std::vector<std::string_view>& Game::timersOf(Screen screen)
{
    static const std::vector<std::string_view> none;
    static const std::vector<std::string_view> splash = {"Timer1", "Timer2"};
    static const std::vector<std::string_view> maze = {"Timer1"};
    return screen == Screen::Splash ? splash : isMaze(screen) ? maze : none;
}

const std::vector<std::string_view>& Game::boxesOf(Screen screen)
{
    static const std::vector<std::string_view> none;
    static const std::vector<std::string_view> maze = {
        "picSnail", "Picture1", "Picture6", "Picture23", "Picture48", "Picture2", "Picture45"};
    return isMaze(screen) ? maze : none;
}

ScreenState& Game::at(Screen screen)
{
    return screens_[std::size_t(screen)];
}

const ScreenState& Game::state(Screen screen) const
{
    return screens_[std::size_t(screen)];
}

void Game::start()
{
    *this = Game();
    load(Screen::Splash);
    show(Screen::Splash);
}

void Game::load(Screen screen)
{
    if (ended_ || at(screen).loaded)
        return;
    ScreenState& fresh = at(screen) = ScreenState();
    fresh.loaded = true;
    if (isMaze(screen)) {
        fresh.maze.timeText = startText(screen);
        // The level's load: the countdown starts, the snail goes to the start, the grid fills.
        fresh.maze.ticking = true;
        fresh.maze.x = 14;
        fresh.maze.y = 1;
        fresh.maze.grid = mazeCells;
    }
}

void Game::show(Screen screen)
{
    load(screen);
    if (ended_)
        return;
    ScreenState& shown = at(screen);
    shown.visible = true;
    setActive(screen);
    if (!shown.shownBefore) {
        shown.shownBefore = true;
        shown.focus = tabChainOf(screen).empty() ? "" : tabChainOf(screen).front();
    }
}

// With no window manager to pick another, hiding the active window leaves none active.
void Game::hide(Screen screen)
{
    at(screen).visible = false;
    if (active_ == screen)
        setActive(std::nullopt);
}

void Game::end()
{
    ended_ = true;
    screens_ = {};
    setActive(std::nullopt);
}

void Game::openFrom(Screen from, Screen to)
{
    load(to);
    show(to);
    hide(from);
}

void Game::click(Screen screen, std::string_view button)
{
    const auto found = std::find_if(buttons.begin(), buttons.end(), [&](const Button& candidate) {
        return candidate.screen == screen && candidate.name == button;
    });
    if (found == buttons.end() || !at(screen).loaded || ended_)
        return;
    if (held_ == HeldButton{screen, std::string(button)})
        held_.reset();
    if (found->opens)
        openFrom(screen, *found->opens);
    else
        end();
}

void Game::mouseClick(Screen screen, std::string_view control)
{
    const auto& boxes = boxesOf(screen);
    if (std::find(boxes.begin(), boxes.end(), control) != boxes.end()) {
        setFocus(screen, anyBox);
        return;
    }
    setFocus(screen, control);
    click(screen, control);
}

void Game::tick(Screen screen, std::string_view timer, Picks picks)
{
    const ScreenState& ticked = at(screen);
    if (!ticked.loaded)
        return;
    if (screen == Screen::Splash && timer == "Timer1" && ticked.splash.timer1)
        splashHandOver();
    else if (screen == Screen::Splash && timer == "Timer2" && ticked.splash.timer2)
        splashShuffle(picks);
    else if (isMaze(screen) && ticked.maze.ticking)
        mazeTick(screen);
}

void Game::closeByFrame(Screen screen)
{
    if (!at(screen).loaded)
        return;
    hide(screen);
    at(screen) = ScreenState();
    // The last visible window closed: nothing is left to play with.
    if (std::none_of(screens_.begin(), screens_.end(),
                     [](const ScreenState& other) { return other.visible; }))
        end();
}

void Game::activate(Screen screen)
{
    if (at(screen).visible)
        setActive(screen);
}

std::optional<std::string_view> Game::accelerator(Key key, int modifiers) const
{
    if (!active_ || !(modifiers & altKey))
        return std::nullopt;
    for (const Accelerator& candidate : accelerators) {
        if (candidate.screen == *active_ && candidate.key == key)
            return candidate.button;
    }
    return std::nullopt;
}

bool Game::predicts(Key key, int modifiers) const
{
    return !(isTabbing(key, modifiers) && active_ && state(*active_).focus == anyBox);
}

// The accelerator's click lands a moment after the press; the release of its letter
// does nothing anywhere, so the order of the two does not show.
void Game::press(Key key, int modifiers, bool autoRepeat)
{
    if (!active_)
        return;
    const Screen screen = *active_;
    if (const auto button = accelerator(key, modifiers)) {
        click(screen, *button);
        return;
    }
    if (isTabbing(key, modifiers)) {
        moveFocus(screen, key == Key::Tab && !(modifiers & shiftKey));
        return;
    }
    const std::string focus = at(screen).focus;
    if (!isButton(focus))
        return;
    // On a button the arrows walk the tab chain: Left and Up back, Right and Down on.
    if (key == Key::Left || key == Key::Up || key == Key::Right || key == Key::Down)
        moveFocus(screen, key == Key::Right || key == Key::Down);
    else if (key == Key::Return || key == Key::Enter)
        click(screen, focus);
    else if (key == Key::Space && !autoRepeat)
        held_ = HeldButton{screen, focus};
    else if (key == Key::Escape && modifiers == 0)
        held_.reset(); // a plain Escape lets go without a click
}

// A maze screen's key preview sees the release before the control with the focus.
void Game::release(Key key, int /*modifiers*/, bool autoRepeat)
{
    if (!active_ || autoRepeat)
        return;
    const Screen screen = *active_;
    const std::string focus = state(screen).focus;
    if (isMaze(screen))
        mazeKeyUp(screen, key);
    if (key == Key::Space && held_ == HeldButton{screen, focus})
        click(screen, focus);
}

void Game::type(Key key, int modifiers)
{
    press(key, modifiers);
    release(key, modifiers);
}

void Game::setActive(std::optional<Screen> screen)
{
    active_ = screen;
    if (held_ && held_->screen != screen)
        held_.reset();
}

void Game::setFocus(Screen screen, std::string_view control)
{
    at(screen).focus = control;
    if (held_ && held_->screen == screen && held_->button != control)
        held_.reset();
}

void Game::moveFocus(Screen screen, bool forward)
{
    const std::vector<std::string_view> chain = tabChainOf(screen);
    const std::string& focus = at(screen).focus;
    const auto found = std::find(chain.begin(), chain.end(), focus);
    if (found == chain.end() || focus == anyBox)
        return;
    const std::size_t here = std::size_t(found - chain.begin());
    setFocus(screen, chain[(here + (forward ? 1 : chain.size() - 1)) % chain.size()]);
}

// One step onto a path cell; Left carries on into the exit, the only way in, and wins.
void Game::mazeKeyUp(Screen screen, Key key)
{
    const auto arrow = std::find_if(arrows.begin(), arrows.end(),
                                    [key](const Arrow& candidate) { return candidate.key == key; });
    if (arrow == arrows.end())
        return;
    Maze& maze = at(screen).maze;
    if (maze.cell(maze.x + arrow->dx, maze.y + arrow->dy) == path)
        moveSnail(maze, arrow->dx, arrow->dy);
    if (key == Key::Left && maze.cell(maze.x - 1, maze.y) == exitCell) {
        moveSnail(maze, -1, 0);
        load(Screen::Won);
        maze.ticking = false;
        show(Screen::Won);
    }
}

void Game::mazeTick(Screen screen)
{
    Maze& maze = at(screen).maze;
    const int count = std::stoi(maze.timeText) - 1;
    maze.timeText = std::to_string(count);
    if (count == 0) {
        maze.ticking = false;
        load(Screen::Lost);
        show(Screen::Lost);
    }
}

void Game::splashShuffle(Picks picks)
{
    Splash& splash = at(Screen::Splash).splash;
    splash.image1 = {};
    splash.image2 = {};
    splash.image1.at(std::size_t(picks.image1)) = true;
    splash.image2.at(std::size_t(picks.image2)) = true;
}

void Game::splashHandOver()
{
    Splash& splash = at(Screen::Splash).splash;
    splash.timer1 = false;
    splash.timer2 = false;
    openFrom(Screen::Splash, Screen::Level);
}

} // namespace model
