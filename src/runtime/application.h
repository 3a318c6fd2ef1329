#pragma once

class QApplication;

namespace rt {

// Before the application exists: every factor by which the desktop or the user scales the
// game's windows is made a whole one, so that each picture pixel covers a square of whole
// device pixels. A factor of 1.5 turns to 2 and 1.25 to 1.
void scaleByWholeFactors();

// What every run of the game needs before its first screen: the system's font
// configuration, one widget style, the bundled fonts, the program's icon once the first
// window is drawn, what screen readers are told of the controls, and an end decided by
// the screens alone.
void setUpApplication(QApplication& app);

} // namespace rt
