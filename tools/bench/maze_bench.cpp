// Measures a maze screen as the player meets it: how soon a level is lost against
// its allowed time, and how long a key release takes to show the moved snail.
// Run it on the display to measure, for example QT_QPA_PLATFORM=offscreen.

#include "runtime/application.h"
#include "runtime/form.h"
#include "runtime/registry.h"
#include "screens/screens.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const char* const levels[] = {"frmMaze1", "frmMaze2", "frmMAze3"};

// Opens all three levels at once and notes when each one stops its countdown at zero.
void measureCountdowns(rt::Registry& registry)
{
    std::vector<qint64> lostAt(3, -1);
    QElapsedTimer clock;
    clock.start();
    for (const char* level : levels)
        registry.show(level);
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (int i = 0; i < 3; ++i) {
            rt::Form* form = registry.form(levels[i]);
            if (lostAt[i] < 0 && !form->control("Timer1").enabled())
                lostAt[i] = clock.nsecsElapsed();
        }
        if (std::ranges::none_of(lostAt, [](qint64 at) { return at < 0; }))
            QCoreApplication::exit();
    });
    poll.start();
    QApplication::exec();
    for (int i = 0; i < 3; ++i) {
        const double ideal = 30.0 - 10 * i;
        std::printf("%s lost after %.4f s, ideal %.0f s: off by %+.1f ms\n", levels[i],
                    double(lostAt[i]) / 1e9, ideal, double(lostAt[i]) / 1e6 - ideal * 1000);
    }
}

// Releases Left and Right in turn, so the snail steps back and forth, and times each
// release until the window has brought the snail's new place to the screen. Moving an
// opaque box may just copy its pixels, so the window's update, not a paint of the box,
// marks the end.
void measureKeyToRepaint(rt::Registry& registry, int releases)
{
    registry.show("frmMaze1");
    QWidget* window = registry.form("frmMaze1")->window();
    QCoreApplication::processEvents();
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

    std::vector<double> micros;
    micros.reserve(std::size_t(releases));
    QElapsedTimer clock;
    for (int i = 0; i < releases; ++i) {
        const Qt::Key key = i % 2 == 0 ? Qt::Key_Left : Qt::Key_Right;
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QWidget* target = window->focusWidget() ? window->focusWidget() : window;
        const int updatesBefore = updates;
        clock.start();
        QApplication::sendEvent(target, &release);
        QCoreApplication::processEvents();
        micros.push_back(double(clock.nsecsElapsed()) / 1000);
        if (updates == updatesBefore)
            std::printf("release %d brought no update\n", i);
    }
    std::ranges::sort(micros);
    std::printf("key release to repaint over %d releases: median %.3f ms, 99th percentile "
                "%.3f ms, worst %.3f ms\n",
                releases, micros[micros.size() / 2] / 1000, micros[micros.size() * 99 / 100] / 1000,
                micros.back() / 1000);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    rt::setUpApplication(app);
    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
    {
        rt::Registry registry([] {});
        screens::addAll(registry);
        measureKeyToRepaint(registry, 10000);
    }
    rt::Registry registry([] {});
    screens::addAll(registry);
    measureCountdowns(registry);
    return 0;
}
