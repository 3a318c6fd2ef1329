// Measures a maze screen as the player meets it: how soon a level is lost against
// its allowed time, and how long a key release takes to show the moved snail.
// Run it on the display to measure; tools/bench/side_by_side collects its figures.

#include "core/levels.h"
#include "core/number_text.h"
#include "designs/designs.h"
#include "game_probes.h"
#include "readings.h"
#include "runtime/application.h"
#include "runtime/platform.h"
#include "runtime/registry.h"
#include "runtime/screen.h"
#include "screens/screens.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace {

// Opens all three levels at once and notes, for each, how long after its Load (which
// starts its countdown) the tick that brings the count to zero begins, against the time
// the level allows.
void measureCountdowns(rt::Registry& registry)
{
    struct Countdown {
        std::string_view screen;
        const core::Level& level;
        std::int64_t startedAt;
        std::int64_t lastTickAt = 0;
    };
    std::vector<Countdown> countdowns;
    countdowns.reserve(core::levels.size());
    for (const designs::Screen& screen : designs::screens) {
        if (!screen.level)
            continue;
        registry.load(screen.name);
        Countdown& countdown = countdowns.emplace_back(
            screen.name, core::levels[std::size_t(screen.level - 1)], bench::monotonicNs());
        bench::onTick(*registry.screen(screen.name), "Timer1",
                      [&countdown] { countdown.lastTickAt = bench::monotonicNs(); });
        registry.show(screen.name);
    }
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (std::ranges::none_of(countdowns, [&](const Countdown& countdown) {
                return registry.screen(countdown.screen)->control("Timer1").enabled();
            }))
            QCoreApplication::exit();
    });
    poll.start(100);
    QApplication::exec();
    for (const Countdown& countdown : countdowns) {
        const double allowedMs =
            core::textToNumber(countdown.level.startCount) * countdown.level.tickMs;
        bench::report("countdown_" + std::to_string(int(allowedMs / 1000)) + "s_off_ms",
                      double(countdown.lastTickAt - countdown.startedAt) / 1e6 - allowedMs);
    }
}

// A step left, or right, as the player takes one: the release of an arrow key, or a swipe
// across the maze's window.
using Step = std::function<void(QWidget* window, bool left)>;

void releaseArrow(QWidget* window, bool left)
{
    QKeyEvent release(QEvent::KeyRelease, left ? Qt::Key_Left : Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(window->focusWidget() ? window->focusWidget() : window, &release);
}

// As the window system delivers a finger, a pen or the mouse.
void swipe(QWidget* window, bool left)
{
    const QPoint from = window->rect().center();
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    QTest::mouseRelease(window, Qt::LeftButton, {}, from + QPoint(left ? -40 : 40, 0));
}

// Steps left and right in turn, so the snail goes back and forth, and times each step until
// the window has brought the snail's new place to the screen. Moving an opaque box may just
// copy its pixels, so the window's update, not a paint of the box, marks the end. Reports
// under the name given.
void measureStepToRepaint(rt::Registry& registry, int steps, const std::string& name,
                          const Step& step)
{
    QWidget* window = bench::showScreen(registry, "frmMaze1").window();
    int updates = 0;
    struct UpdateCounter : QObject {
        int& count;
        explicit UpdateCounter(int& c)
            : count(c)
        {
        }
        bool eventFilter(QObject*, QEvent* event) override
        {
            count += event->type() == QEvent::UpdateRequest;
            return false;
        }
    } counter(updates);
    window->installEventFilter(&counter);

    int withoutUpdate = 0;
    std::vector<double> micros;
    micros.reserve(std::size_t(steps));
    QElapsedTimer clock;
    for (int i = 0; i < steps; ++i) {
        const int updatesBefore = updates;
        clock.start();
        step(window, i % 2 == 0);
        QCoreApplication::processEvents();
        micros.push_back(double(clock.nsecsElapsed()) / 1000);
        withoutUpdate += updates == updatesBefore;
    }
    std::ranges::sort(micros);
    bench::report(name + "_median_ms", micros[micros.size() / 2] / 1000);
    bench::report(name + "_p99_ms", micros[micros.size() * 99 / 100] / 1000);
    bench::report(name + "_worst_ms", micros.back() / 1000);
    bench::report(name + "s_without_update", withoutUpdate);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    rt::setUpApplication(app);
    for (const auto& [name, step] :
         {std::pair<std::string, Step>{"gesture", swipe}, {"key_release", releaseArrow}}) {
        rt::Registry registry([] {}, rt::platform::handOverPolicy());
        screens::addAll(registry);
        measureStepToRepaint(registry, 10000, name, step);
    }
    rt::Registry registry([] {}, rt::platform::handOverPolicy());
    screens::addAll(registry);
    measureCountdowns(registry);
    return 0;
}
