#pragma once

class QKeyEvent;

namespace rt {

// The virtual-key code of a key (arrows 37 to 40), 0 for keys the game has no code for.
int virtualKey(const QKeyEvent& event);
// Shift 1, Ctrl 2, Alt 4.
int shiftState(const QKeyEvent& event);

} // namespace rt
