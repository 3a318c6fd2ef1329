#pragma once

#include <QStringList>

class QWidget;

// Drives the X server as a person at the keyboard would, through xdotool.
namespace desktop {

// Runs a program and waits for it, letting the game handle its events meanwhile. Returns
// false when the program failed.
bool run(const QString& program, const QStringList& arguments, int timeoutMs = 10000);
bool xdotool(const QStringList& arguments, int timeoutMs = 10000);

// Brings the window to the front with the keyboard, as a click on it would.
bool activate(QWidget* window);

} // namespace desktop
