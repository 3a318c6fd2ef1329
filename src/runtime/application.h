#pragma once

class QApplication;

namespace rt {

// What every run of the game needs before its first screen: the system's font
// configuration, one widget style, the bundled fonts, the program's icon once the first
// window is drawn, what screen readers are told of the controls, and an end decided by
// the screens alone.
void setUpApplication(QApplication& app);

} // namespace rt
