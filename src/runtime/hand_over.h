#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;
class QWindow;

namespace rt {

// How a screen's window leaves the screen when it is hidden. A handler that leaves its
// screen shows the next one and hides its own; where the platform asks for it, the hidden
// window stays until every window shown meanwhile has drawn its first frame, or until a
// second has passed, so that the keyboard never passes to a window behind it on the way.
class HandOver : public QObject {
public:
    enum class Policy { HideAtOnce, HideAfterNextFrame };

    explicit HandOver(Policy policy);

    // The window has just been shown, or shown again.
    void shown(QWidget* window);
    // The window is to leave the screen.
    void hidden(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void hideLeavingOnceNoneArrives();
    void hideLeaving();

    const Policy policy_;
    QList<QPointer<QWidget>> leaving_;
    QList<QPointer<QWindow>> arriving_;
    QTimer fallback_;
};

} // namespace rt
