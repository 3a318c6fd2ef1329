// Linked into a Qt Widgets program that is otherwise built from its own sources, unchanged,
// this file reports when the program's first window has shown its first frame, and then
// ends the program.
//
// Why this way: a window being mapped, which an outside tool such as xwininfo can see,
// says nothing about its pixels, and a hook in the program's own code would have to ship
// with it. Qt calls a startup function as soon as the application object exists; from
// there an application-wide event filter sees the first window being shown, and a
// filter on that window sees its first paint (see bench::onFirstFrame). The reading is
// taken on CLOCK_MONOTONIC, which tools/bench/side_by_side also reads just before it
// starts the process, so the difference is the whole start-up: loading the executable
// and its libraries, everything main() does, and the first frame. The CPU time the process
// has used by then is reported too: on a busy machine it varies less than the clock.
//
// With "--stay MS" the program stays MS milliseconds after its first frame, left alone,
// and reports the CPU time it used meanwhile.

#include "readings.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

namespace {

int stayMs()
{
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype at = arguments.indexOf("--stay");
    return at < 0 ? 0 : arguments.value(at + 1).toInt();
}

void afterFirstFrame(const QWidget& window)
{
    bench::report("first_frame_at_ms", double(bench::monotonicNs()) / 1e6);
    bench::report("first_frame_cpu_ms", bench::cpuMs());
    bench::report("peak_resident_kb", double(bench::peakResidentKb()));
    bench::report("window_pixel_bytes", double(window.width()) * window.height() * 4);
    const double cpuBefore = bench::cpuMs();
    QTimer::singleShot(stayMs(), Qt::PreciseTimer, QCoreApplication::instance(), [cpuBefore] {
        bench::report("idle_cpu_ms", bench::cpuMs() - cpuBefore);
        QCoreApplication::exit(0);
    });
}

// Waits for the first window to be shown and then for its first frame.
class FirstWindow : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow()) {
            QCoreApplication::instance()->removeEventFilter(this);
            bench::onFirstFrame(widget, [widget] { afterFirstFrame(*widget); });
        }
        return false;
    }
};

void watchForFirstWindow()
{
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new FirstWindow(app));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForFirstWindow)
