#pragma once

#include <QSize>

#include <memory>

class QApplication;

namespace rt {

// The game's application object, on a display and at whole scale factors: on each screen the
// one nearest the desktop's scale, or a smaller one where a window of the largest client area
// given, in twips, would not fit the screen with its frame; never below 1. Where no display
// can be reached, the program ends there with status 1 and a word on what to set. Then
// setUpApplication.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv, QSize largestClientArea);

// What every run of the game needs before its first screen: the system's font
// configuration, one widget style, the bundled fonts, the program's icon once the first
// window is drawn, what screen readers are told of the controls, and an end decided by
// the screens alone.
void setUpApplication(QApplication& app);

} // namespace rt
