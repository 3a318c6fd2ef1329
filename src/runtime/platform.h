#pragma once

#include "runtime/hand_over.h"

#include <QSize>
#include <QStringList>

class QApplication;
class QIcon;
class QKeyEvent;
class QScreen;
class QWidget;

// What differs between the platforms the game runs on, X11, Wayland, Windows and the browser:
// the one place that asks which it is.
namespace rt::platform {

// Before anything is printed. A Windows program of the window subsystem has no console,
// so it writes to the one it was started from, where there is one.
void useParentConsole();

// The languages the player reads, most preferred first, as locale names ("de_AT.UTF-8",
// "pt-BR"); none where the player asks for no translation.
QStringList preferredLanguages();

// Before the application exists, in the browser: the scale of the game's windows, the largest
// whole factor, at most the browser's device pixel ratio and never below 1, at which a window
// of the client size given in pixels fits the page; and the room the page gives the windows,
// as large as that window. Desktops tell Qt their scale themselves.
void fitToThePage(QSize clientSize);

// Before the first screen: what the platform's fonts and keyboard need, and the ties to
// the desktop's entry for the program, or to the page in the browser.
void setUp(QApplication& app);

// Where and how a window stands as it is shown: framed where the desktop puts it, or, in the
// browser, without a frame in the middle of the page's room.
void place(QWidget& window);

// How the game ends: the application quits, or, in the browser, which keeps a page open,
// leaves a page that says so.
void endProgram();

// The program's icon for its windows' title bars.
QIcon windowIcon();

// Whether a release is the key really going up, not one that auto-repeat makes while the
// key is held.
bool isPhysicalRelease(const QKeyEvent& release);

// Whether the compositor scales windows by a whole factor of its own, which Qt's factor
// multiplies, as on Wayland; elsewhere Qt's factor is all the scaling there is.
bool compositorScales();

// What the desktop's frame adds to a window's client area on the screen, in the desktop's
// own pixels.
QSize frameSize(const QScreen& screen);

// Whether a window hidden as another screen is shown waits until that one is on the screen.
HandOver::Policy handOverPolicy();

// Where what the game says goes where no screen reader follows Qt's accessibility, as in the
// browser, to which Qt 6.4 has no bridge: the page's live region, which says news at once and
// the rest in turn. None on desktops.
using LiveRegion = void (*)(const QString& text, bool news);
LiveRegion liveRegion();

} // namespace rt::platform
