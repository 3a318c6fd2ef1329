#pragma once

#include <QString>

class QWidget;

// While it lives, the program under test takes a screen reader to listen, as when the
// platform says one does. Qt's offscreen platform passes nothing on to one, so what the
// game says is read off its windows.
namespace support {

class ScreenReader {
public:
    ScreenReader();
    ~ScreenReader();
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    // What the window says now, once the events pending have gone through: the sentence of
    // its that has the focus, or "" before it has said any.
    static QString saying(QWidget* window);
};

} // namespace support
