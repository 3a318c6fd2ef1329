#pragma once

#include <QByteArray>
#include <QSize>

namespace rt {

// Before the application exists: every factor by which the user scales the game's windows
// (QT_SCALE_FACTOR, QT_SCREEN_SCALE_FACTORS) is made a whole one, and so is the one Qt works
// out from a display's resolution, so that each picture pixel covers a square of whole
// device pixels. A factor of 1.5 turns to 2 and 1.25 to 1.
void roundScaleFactors();

// Once the application exists: for each screen, the largest whole factor, at most the one
// Qt has chosen and never below 1, at which a window of the client size given in pixels,
// with the desktop's frame round it, fits the screen's available area. Returned as
// QT_SCREEN_SCALE_FACTORS lists them, or empty when every screen keeps Qt's factor.
QByteArray factorsThatFit(QSize clientSize);

} // namespace rt
