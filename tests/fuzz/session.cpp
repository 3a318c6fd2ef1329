#include "session.h"

#include "runtime/text.h"
#include "runtime/twips.h"
#include "runtime/widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <array>
#include <sstream>

namespace {

using model::Screen;

constexpr std::array<Qt::Key, 21> qtKeys = {
    Qt::Key_Left,  Qt::Key_Up,  Qt::Key_Right,   Qt::Key_Down,   Qt::Key_Space, Qt::Key_Return,
    Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Escape, Qt::Key_Home,  Qt::Key_F1,
    Qt::Key_Shift, Qt::Key_A,   Qt::Key_E,       Qt::Key_I,      Qt::Key_M,     Qt::Key_X,
    Qt::Key_1,     Qt::Key_2,   Qt::Key_3,
};

Qt::Key qtKey(model::Key key)
{
    return qtKeys[std::size_t(key)];
}

Qt::KeyboardModifiers qtModifiers(int modifiers)
{
    Qt::KeyboardModifiers result;
    result.setFlag(Qt::ShiftModifier, modifiers & model::shiftKey);
    result.setFlag(Qt::ControlModifier, modifiers & model::ctrlKey);
    result.setFlag(Qt::AltModifier, modifiers & model::altKey);
    return result;
}

// Swallows the ticks of the screens' timers, which would otherwise fire by the clock.
class TimerMute : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        return event->type() == QEvent::Timer && qobject_cast<QTimer*>(watched) &&
               dynamic_cast<rt::FormWindow*>(watched->parent());
    }
};

void muteScreenTimers()
{
    static const bool muted = [] {
        qApp->installEventFilter(new TimerMute(qApp));
        return true;
    }();
    Q_UNUSED(muted);
}

rt::Control* controlNamed(rt::Screen& form, std::string_view name)
{
    for (const auto& control : form.controls()) {
        if (control->name() == name)
            return control.get();
    }
    return nullptr;
}

// An accelerator pushes its button down and clicks it a moment later.
void waitForClick(rt::Control* button)
{
    const QPointer<QAbstractButton> pushed =
        button ? qobject_cast<QAbstractButton*>(button->widget()) : nullptr;
    const QDeadlineTimer deadline(2000);
    while (pushed && pushed->isDown() && !deadline.hasExpired())
        QTest::qWait(5);
}

std::string text(bool value)
{
    return value ? "yes" : "no";
}

std::string text(float value)
{
    std::ostringstream out;
    out.precision(9);
    out << value;
    return out.str();
}

std::string text(QPoint point)
{
    return std::to_string(point.x()) + ", " + std::to_string(point.y());
}

// What has the focus in a window, in the model's terms.
std::string focusOf(const rt::Screen& form)
{
    const QWidget* focus = form.window()->focusWidget();
    if (!focus)
        return "";
    for (const auto& control : form.controls()) {
        if (control->widget() == focus)
            return control->kind() == rt::Kind::PictureBox ? std::string(model::anyBox)
                                                           : std::string(control->name());
    }
    return focus == form.window() ? "(the window itself)" : "(a widget of no control)";
}

// Collects the first difference.
class Checker {
public:
    void check(const std::string& what, const std::string& expected, const std::string& actual)
    {
        if (!found && expected != actual)
            found = Mismatch{what, expected, actual};
    }
    void check(const std::string& what, bool expected, bool actual)
    {
        check(what, text(expected), text(actual));
    }
    void check(const std::string& what, float expected, float actual)
    {
        check(what, text(expected), text(actual));
    }

    std::optional<Mismatch> found;
};

void checkTimer(Checker& checker, const rt::Screen& form, rt::Control& timer, bool enabled)
{
    const std::string what = std::string(form.name()) + "." + std::string(timer.name());
    checker.check(what + " enabled", enabled, timer.enabled());
    const auto* behind =
        form.window()->findChild<QTimer*>(rt::toQString(timer.name()), Qt::FindDirectChildrenOnly);
    checker.check(what + " running", enabled, behind && behind->isActive());
}

// Which button Space holds down, if any.
void checkButtons(Checker& checker, const rt::Screen& form, model::Screen screen,
                  const std::optional<model::HeldButton>& held)
{
    for (const auto& control : form.controls()) {
        const auto* button = qobject_cast<const QAbstractButton*>(control->widget());
        if (!button)
            continue;
        const bool expected = held && held->screen == screen && held->button == control->name();
        checker.check(std::string(form.name()) + "." + std::string(control->name()) + " down",
                      expected, button->isDown());
    }
}

// A maze screen keeps its grid and the snail's cell to itself: they show through the
// sprite, which stands where the cell puts it, and through every move that follows.
void checkMaze(Checker& checker, rt::Screen& form, const model::Maze& maze)
{
    const std::string name(form.name());
    rt::Control& sprite = form.control("picSnail");
    checker.check(name + " picSnail.Left", maze.spriteLeft, sprite.left());
    checker.check(name + " picSnail.Top", maze.spriteTop, sprite.top());
    const QPoint drawnAt(rt::pixels(maze.spriteLeft), rt::pixels(maze.spriteTop));
    checker.check(name + " picSnail drawn at", text(drawnAt), text(sprite.widget()->pos()));
    checker.check(name + " lblTime", maze.timeText, form.control("lblTime").caption());
    checkTimer(checker, form, form.control("Timer1"), maze.ticking);
}

void checkSplash(Checker& checker, rt::Screen& form, const model::Splash& splash)
{
    checkTimer(checker, form, form.control("Timer1"), splash.timer1);
    checkTimer(checker, form, form.control("Timer2"), splash.timer2);
    for (int index = 0; index < 3; ++index) {
        for (const char* array : {"Image1", "Image2"}) {
            const bool expected =
                (array == std::string_view("Image1") ? splash.image1 : splash.image2)[index];
            rt::Control& image = form.control(array, index);
            const std::string what =
                "frmSplash." + std::string(array) + "(" + std::to_string(index) + ")";
            checker.check(what + ".Visible", expected, image.visible());
            checker.check(what + " shown", expected, image.widget()->isVisibleTo(form.window()));
        }
    }
}

std::string activeScreenOf(const Game& game)
{
    const QWidget* active = QApplication::activeWindow();
    if (!active)
        return "";
    for (const std::string& name : game.registry.loadedScreens()) {
        if (game.registry.screen(name)->window() == active)
            return name;
    }
    return "(a window of no loaded screen)";
}

} // namespace

Session::Session()
{
    muteScreenTimers();
    restart();
}

void Session::restart()
{
    game_.reset();
    support::settle();
    game_ = std::make_unique<Game>();
    startGame(*game_);
    model_.start();
}

std::optional<Mismatch> Session::play(const Event& event)
{
    model::Picks picks;
    playOnScreens(event);
    if (const auto button = acceleratorOf(event); button && model_.active()) {
        rt::Screen* form = game_->registry.screen(model::nameOf(*model_.active()));
        waitForClick(form ? controlNamed(*form, *button) : nullptr);
        support::settle();
    }
    if (auto unreadable = readPicks(event, picks))
        return unreadable;
    apply(event, model_, picks);
    return compare();
}

void Session::playOnScreens(const Event& event)
{
    using Action = Event::Action;
    const std::string screen(model::nameOf(event.screen));
    rt::Screen* form = game_->registry.screen(screen);
    rt::Control* control = form ? controlNamed(*form, event.control) : nullptr;
    switch (event.action) {
    case Action::Type:
        support::type(qtKey(event.key), qtModifiers(event.modifiers));
        break;
    case Action::Press:
        support::press(qtKey(event.key), qtModifiers(event.modifiers), event.autoRepeat);
        break;
    case Action::Release:
        support::release(qtKey(event.key), qtModifiers(event.modifiers), event.autoRepeat);
        break;
    case Action::Click:
        if (control)
            control->click();
        break;
    case Action::MouseClick:
        if (control)
            QTest::mouseClick(control->widget(), Qt::LeftButton);
        break;
    case Action::Tick:
        if (control)
            control->tick();
        break;
    case Action::Close:
        if (form)
            game_->closeByFrame(screen);
        break;
    case Action::Activate:
        if (form)
            form->window()->activateWindow();
        break;
    }
    support::settle();
}

std::optional<std::string_view> Session::acceleratorOf(const Event& event) const
{
    const bool pressed =
        event.action == Event::Action::Type || event.action == Event::Action::Press;
    if (!pressed || event.autoRepeat)
        return std::nullopt;
    return model_.accelerator(event.key, event.modifiers);
}

// The splash's shuffle draws at random: the model takes the draw from the screen,
// once it has checked that exactly one snail of each array shows.
std::optional<Mismatch> Session::readPicks(const Event& event, model::Picks& picks) const
{
    const model::ScreenState& splash = model_.state(Screen::Splash);
    if (event.action != Event::Action::Tick || event.screen != Screen::Splash ||
        event.control != "Timer2" || !splash.loaded || !splash.splash.timer2)
        return std::nullopt;
    rt::Screen* form = game_->registry.screen("frmSplash");
    if (!form)
        return Mismatch{"frmSplash loaded", "yes", "no"};
    const auto shownOf = [form](const char* array, int& pick) {
        int shown = 0;
        for (int index = 0; index < 3; ++index) {
            if (form->control(array, index).visible()) {
                ++shown;
                pick = index;
            }
        }
        return std::to_string(shown);
    };
    const std::string shown =
        shownOf("Image1", picks.image1) + ", " + shownOf("Image2", picks.image2);
    if (shown != "1, 1")
        return Mismatch{"frmSplash snails shown after a shuffle (Image1, Image2)", "1, 1", shown};
    return std::nullopt;
}

std::optional<Mismatch> Session::compare() const
{
    support::settle();
    Checker checker;
    checker.check("program ended", model_.ended(), game_->ended);
    checker.check("registry ended", model_.ended(), game_->registry.hasEnded());
    for (Screen screen : model::allScreens) {
        const std::string name(model::nameOf(screen));
        const model::ScreenState& expected = model_.state(screen);
        rt::Screen* form = game_->registry.screen(name);
        checker.check(name + " loaded", expected.loaded, form != nullptr);
        if (!form || !expected.loaded)
            continue;
        checker.check(name + " visible", expected.visible, form->isVisible());
        checker.check(name + " focus", expected.focus, focusOf(*form));
        checkButtons(checker, *form, screen, model_.held());
        if (model::isMaze(screen))
            checkMaze(checker, *form, expected.maze);
        else if (screen == Screen::Splash)
            checkSplash(checker, *form, expected.splash);
    }
    const auto active = model_.active();
    checker.check("active screen", std::string(active ? model::nameOf(*active) : ""),
                  activeScreenOf(*game_));
    const QWidget* activeWindow = QApplication::activeWindow();
    checker.check("keyboard goes to the active window's focus", true,
                  QApplication::focusWidget() ==
                      (activeWindow ? activeWindow->focusWidget() : nullptr));
    return checker.found;
}
