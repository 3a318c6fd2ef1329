#pragma once

class QKeyEvent;

namespace rt {

// The virtual-key code of a key (arrows 37 to 40), 0 for keys the game has no code for.
int virtualKey(const QKeyEvent& event);
// Shift 1, Ctrl 2, Alt 4.
int shiftState(const QKeyEvent& event);

// Whether a release is the key really going up, not one that auto-repeat makes while the key
// is held.
bool isPhysicalRelease(const QKeyEvent& release);
// Once the window system has agreed to send a release only when a key really goes up.
void trustEveryKeyRelease();

} // namespace rt
