#include "support/events.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

namespace support {

namespace {

// Window activation arrives as an event, so pending events go through first.
QWidget* keyboardTarget()
{
    settle();
    QWidget* target = QApplication::focusWidget();
    return target ? target : QApplication::activeWindow();
}

void send(QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    QWidget* target = keyboardTarget();
    if (!target)
        return;
    if (autoRepeat) {
        QKeyEvent event(type, key, modifiers, QString(), true);
        QApplication::sendEvent(target, &event);
    } else if (type == QEvent::KeyPress) {
        QTest::keyPress(target, key, modifiers);
    } else {
        QTest::keyRelease(target, key, modifiers);
    }
}

} // namespace

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    send(QEvent::KeyPress, key, modifiers, autoRepeat);
}

void release(Qt::Key key, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    send(QEvent::KeyRelease, key, modifiers, autoRepeat);
}

void type(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    press(key, modifiers);
    release(key, modifiers);
}

// Each repeat comes as a release and a press, both marked, as X11 sends a held key.
void hold(Qt::Key key, int repeats)
{
    press(key);
    for (int i = 0; i < repeats; ++i) {
        release(key, Qt::NoModifier, true);
        press(key, Qt::NoModifier, true);
    }
}

void swipe(QWidget* window, QPoint from, QPoint to, Pointer pointer)
{
    if (pointer == Pointer::Finger) {
        static QPointingDevice* const screen = QTest::createTouchDevice();
        QTest::touchEvent(window, screen).press(0, from, window);
        QTest::touchEvent(window, screen).move(0, to, window);
        QTest::touchEvent(window, screen).release(0, to, window);
    } else {
        QWidget* under = window->childAt(from) ? window->childAt(from) : window;
        QTest::mousePress(under, Qt::LeftButton, {}, under->mapFrom(window, from));
        QTest::mouseRelease(under, Qt::LeftButton, {}, under->mapFrom(window, to));
    }
    settle();
}

} // namespace support
