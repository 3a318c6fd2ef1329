#include "runtime/hand_over.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace rt {

HandOver::HandOver(Policy policy)
    : policy_(policy)
{
    fallback_.setSingleShot(true);
    fallback_.setInterval(1000);
    connect(&fallback_, &QTimer::timeout, this, [this] { hideLeaving(); });
}

// Each showing may bring a new native window.
void HandOver::shown(QWidget* window)
{
    leaving_.removeAll(window);
    QWindow* native = window->windowHandle();
    if (policy_ == Policy::HideAtOnce || native->isExposed() || arriving_.contains(native))
        return;
    arriving_.append(native);
    native->installEventFilter(this);
}

// Decided once control is back in the event loop, so that the handler may show the next
// screen after it has hidden its own.
void HandOver::hidden(QWidget* window)
{
    if (policy_ == Policy::HideAtOnce) {
        window->hide();
        return;
    }
    if (!leaving_.contains(window))
        leaving_.append(window);
    if (!fallback_.isActive())
        fallback_.start();
    QMetaObject::invokeMethod(this, &HandOver::hideLeavingOnceNoneArrives, Qt::QueuedConnection);
}

// The window draws and hands its first frame to the screen as this event reaches it.
bool HandOver::eventFilter(QObject* watched, QEvent* event)
{
    auto* native = static_cast<QWindow*>(watched);
    if (event->type() == QEvent::Expose && native->isExposed()) {
        native->removeEventFilter(this);
        arriving_.removeAll(native);
        QMetaObject::invokeMethod(this, &HandOver::hideLeavingOnceNoneArrives,
                                  Qt::QueuedConnection);
    }
    return false;
}

void HandOver::hideLeavingOnceNoneArrives()
{
    arriving_.removeAll(nullptr);
    if (arriving_.isEmpty())
        hideLeaving();
}

void HandOver::hideLeaving()
{
    fallback_.stop();
    arriving_.clear();
    for (const QPointer<QWidget>& window : std::exchange(leaving_, {})) {
        if (window)
            window->hide();
    }
}

} // namespace rt
