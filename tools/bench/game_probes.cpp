#include "game_probes.h"

#include "readings.h"
#include "runtime/control.h"
#include "runtime/registry.h"
#include "runtime/screen.h"
#include "runtime/text.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QWidget>

#include <string>

namespace bench {

namespace {

class TickWatch : public QObject {
public:
    TickWatch(QTimer* timer, std::function<void()> tick)
        : QObject(timer)
        , tick_(std::move(tick))
    {
        timer->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Timer)
            tick_();
        return false;
    }

private:
    std::function<void()> tick_;
};

QTimer* timerOf(rt::Screen& form, std::string_view timer)
{
    if (auto* found =
            form.window()->findChild<QTimer*>(rt::toQString(timer), Qt::FindDirectChildrenOnly))
        return found;
    qFatal("%s has no timer %s", std::string(form.name()).c_str(), std::string(timer).c_str());
}

} // namespace

rt::Screen& showScreen(rt::Registry& registry, std::string_view screen)
{
    return openScreen(registry, screen, [&] { registry.show(screen); });
}

rt::Screen& openScreen(rt::Registry& registry, std::string_view screen,
                       const std::function<void()>& opener)
{
    registry.load(screen);
    rt::Screen& form = *registry.screen(screen);
    bool shown = false;
    onFirstFrame(form.window(), [&shown] { shown = true; });
    opener();
    const QDeadlineTimer deadline(10'000);
    while (!shown) {
        if (deadline.hasExpired())
            qFatal("%s showed no frame in ten seconds", std::string(screen).c_str());
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    }
    return form;
}

void onTick(rt::Screen& form, std::string_view timer, std::function<void()> tick)
{
    new TickWatch(timerOf(form, timer), std::move(tick));
}

} // namespace bench
