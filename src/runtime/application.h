#pragma once

class QApplication;

namespace rt {

// What every run of the game needs before its first screen: one widget style, the
// bundled fonts, the program's icon, and an end decided by the screens alone.
void setUpApplication(QApplication& app);

} // namespace rt
