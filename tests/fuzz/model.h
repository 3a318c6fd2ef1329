#pragma once

// The whole game as plain data and rules, with no toolkit behind it: which screens are
// loaded and shown, which one has the keyboard and which control its focus, and the
// state of every level and of the splash. The fuzzer plays the same events on the
// model and on the real screens and compares the two after each one.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace model {

enum class Screen { Splash, Level, Inst, About, Won, Lost, Maze1, Maze2, Maze3 };

inline constexpr std::array<Screen, 9> allScreens = {
    Screen::Splash, Screen::Level, Screen::Inst,  Screen::About, Screen::Won,
    Screen::Lost,   Screen::Maze1, Screen::Maze2, Screen::Maze3,
};

std::string_view nameOf(Screen screen);
bool isMaze(Screen screen);

// The keys a player may use on any screen.
enum class Key {
    Left,
    Up,
    Right,
    Down,
    Space,
    Return,
    Enter,
    Tab,
    Backtab,
    Escape,
    Home,
    F1,
    Shift,
    A,
    E,
    I,
    M,
    X,
    Digit1,
    Digit2,
    Digit3,
};

std::string_view nameOf(Key key);

// Where an arrow key steps on the grid.
struct Arrow {
    Key key;
    int dx;
    int dy;
};

inline constexpr std::array<Arrow, 4> arrows = {{
    {Key::Right, 1, 0},
    {Key::Left, -1, 0},
    {Key::Up, 0, -1},
    {Key::Down, 0, 1},
}};

// Modifier bits, as the key handlers get them.
inline constexpr int shiftKey = 1;
inline constexpr int ctrlKey = 2;
inline constexpr int altKey = 4;

// The focus of a maze screen on one of its picture boxes; which one is not modelled.
inline constexpr std::string_view anyBox = "a picture box";

struct Maze {
    static constexpr int columns = 16;
    static constexpr int rows = 10;
    std::array<std::int32_t, columns * rows> grid{};
    std::int32_t x = 0;
    std::int32_t y = 0;
    float spriteLeft = 6840;
    float spriteTop = 600;
    std::string timeText;
    bool ticking = false;

    std::int32_t cell(int column, int row) const;
};

struct Splash {
    bool timer1 = true;
    bool timer2 = true;
    std::array<bool, 3> image1{false, false, false};
    std::array<bool, 3> image2{true, true, true};
};

struct ScreenState {
    bool loaded = false;
    bool visible = false;
    bool shownBefore = false;
    // The control that has (or gets back) the focus in this window: a button's name,
    // anyBox, or "" for none.
    std::string focus;
    Maze maze;
    Splash splash;
};

// A button held down by Space: it clicks when Space is released while it keeps the focus.
struct HeldButton {
    Screen screen;
    std::string button;
    friend bool operator==(const HeldButton&, const HeldButton&) = default;
};

// One pick of each splash array, which a Timer2 tick draws at random.
struct Picks {
    int image1 = 0;
    int image2 = 0;
};

class Game {
public:
    // Start-up: the splash is loaded and shown.
    void start();

    bool ended() const { return ended_; }
    // The screen that has the keyboard, if any.
    std::optional<Screen> active() const { return active_; }
    const ScreenState& state(Screen screen) const;
    const std::optional<HeldButton>& held() const { return held_; }

    // A button's click, as a mouse release or an accelerator makes it.
    void click(Screen screen, std::string_view button);
    // A mouse click: a button takes its window's focus and clicks, a picture box takes
    // the focus only.
    void mouseClick(Screen screen, std::string_view control);
    // A tick of an enabled timer; picks matter only for the splash's shuffle.
    void tick(Screen screen, std::string_view timer, Picks picks = {});
    void closeByFrame(Screen screen);
    // The player brings a visible window to the front.
    void activate(Screen screen);

    // Keys reach the focus of the active screen, or nothing when none is active.
    // A key held down repeats its press.
    void press(Key key, int modifiers = 0, bool autoRepeat = false);
    void release(Key key, int modifiers = 0, bool autoRepeat = false);
    void type(Key key, int modifiers = 0);
    // The button an Alt+key press clicks on the active screen, if any.
    std::optional<std::string_view> accelerator(Key key, int modifiers) const;
    // False where the outcome depends on what the model leaves open: the order of a
    // maze screen's picture boxes in the tab chain.
    bool predicts(Key key, int modifiers) const;

    // The buttons of a screen in tab order, and its timers.
    static const std::vector<std::string_view>& buttonsOf(Screen screen);
    static const std::vector<std::string_view>& timersOf(Screen screen);
    // Some of a screen's picture boxes: the maze screens' sprite, cell-size box, END
    // boxes and first tab stops.
    static const std::vector<std::string_view>& boxesOf(Screen screen);

private:
    ScreenState& at(Screen screen);
    void load(Screen screen);
    void show(Screen screen);
    void hide(Screen screen);
    void end();
    void openFrom(Screen from, Screen to);
    // Losing the focus lets go of a held button.
    void setActive(std::optional<Screen> screen);
    void setFocus(Screen screen, std::string_view control);
    void moveFocus(Screen screen, bool forward);
    void mazeKeyUp(Screen screen, Key key);
    void mazeTick(Screen screen);
    void splashShuffle(Picks picks);
    void splashHandOver();

    std::array<ScreenState, allScreens.size()> screens_{};
    std::optional<Screen> active_;
    std::optional<HeldButton> held_;
    bool ended_ = false;
};

} // namespace model
