// CPU time the game spends while the player does nothing: on the splash, from its first
// frame until it hands over to the level menu, and on a maze screen left alone for ten
// seconds with its countdown running.

#include "game_probes.h"
#include "readings.h"
#include "runtime/application.h"
#include "runtime/platform.h"
#include "runtime/registry.h"
#include "runtime/screen.h"
#include "screens/screens.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <cstdint>

namespace {

constexpr int mazeIdleMs = 10'000;

void measureSplash()
{
    rt::Registry registry([] {}, rt::platform::handOverPolicy());
    screens::addAll(registry);
    rt::Screen& splash = bench::showScreen(registry, "frmSplash");
    QEventLoop loop;
    double cpuAtHandOver = 0;
    std::int64_t handOverAt = 0;
    // The hand-over tick stops the measure before its own work: building the level menu.
    bench::onTick(splash, "Timer1", [&] {
        cpuAtHandOver = bench::cpuMs();
        handOverAt = bench::monotonicNs();
        loop.quit();
    });
    const double cpuBefore = bench::cpuMs();
    const std::int64_t before = bench::monotonicNs();
    loop.exec();
    bench::report("splash_cpu_ms", cpuAtHandOver - cpuBefore);
    bench::report("splash_span_ms", double(handOverAt - before) / 1e6);
}

void measureMaze()
{
    rt::Registry registry([] {}, rt::platform::handOverPolicy());
    screens::addAll(registry);
    bench::showScreen(registry, "frmMaze1");
    const double cpuBefore = bench::cpuMs();
    QEventLoop loop;
    QTimer::singleShot(mazeIdleMs, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
    bench::report("maze_idle_cpu_ms", bench::cpuMs() - cpuBefore);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    rt::setUpApplication(app);
    measureSplash();
    measureMaze();
    return 0;
}
