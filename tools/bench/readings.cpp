#include "readings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include <charconv>
#include <cstdio>
#include <ctime>

namespace bench {

namespace {

std::int64_t nanoseconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return std::int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// Watches one window for its first paint event.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget* window, std::function<void()> done)
        : QObject(window)
        , done_(std::move(done))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* window, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            window->removeEventFilter(this);
            QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::HighEventPriority);
        }
        return false;
    }

    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        done_();
        deleteLater();
        return true;
    }

private:
    std::function<void()> done_;
};

} // namespace

std::int64_t monotonicNs()
{
    return nanoseconds(CLOCK_MONOTONIC);
}

double cpuMs()
{
    return double(nanoseconds(CLOCK_PROCESS_CPUTIME_ID)) / 1e6;
}

long peakResidentKb()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        qFatal("/proc/self/status cannot be read");
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    qFatal("/proc/self/status has no VmHWM");
}

// With a decimal point whatever the program's locale, which Qt sets from the environment.
void report(std::string_view figure, double value)
{
    char number[64];
    const auto written =
        std::to_chars(number, number + sizeof number, value, std::chars_format::fixed, 6);
    std::printf("%.*s %.*s\n", int(figure.size()), figure.data(), int(written.ptr - number),
                number);
    std::fflush(stdout);
}

void onFirstFrame(QWidget* window, std::function<void()> done)
{
    new FirstPaint(window, std::move(done));
}

} // namespace bench
