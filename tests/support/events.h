#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

// The player's keys as the program under test gets them, and time for its events.
namespace support {

// Lets posted events through and the ones they post in turn, as the event loop would
// between two events of a player: activation, deferred deletion, a window's first frame.
void settle();

// A key as the player types it, delivered to the widget that has the focus, else to the
// active window; with no window left, it reaches nothing. An auto-repeated press or release
// is one a held key makes.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false);
void release(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
             bool autoRepeat = false);
void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Holds the key down while it repeats the given number of times; it stays down.
void hold(Qt::Key key, int repeats);

// A finger or the mouse goes down on the window and up again, at points of the window.
enum class Pointer { Finger, Mouse };
void swipe(QWidget* window, QPoint from, QPoint to, Pointer pointer);

} // namespace support
