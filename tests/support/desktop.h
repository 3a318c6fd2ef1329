#pragma once

#include <QStringList>

class QWidget;

// Drives the X server as a person at the keyboard would, through xdotool.
namespace desktop {

// Runs xdotool with the arguments and waits for it, letting the program handle its
// events meanwhile. Returns false when xdotool failed.
bool xdotool(const QStringList& arguments, int timeoutMs = 10000);

// Brings the window to the front with the keyboard, as a click on it would.
bool activate(QWidget* window);

} // namespace desktop
