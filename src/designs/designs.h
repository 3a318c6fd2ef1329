#pragma once

#include "runtime/design.h"

#include <array>

namespace designs {

const rt::ScreenDesign& frmSplash();
const rt::ScreenDesign& frmLevel();
const rt::ScreenDesign& frmInst();
const rt::ScreenDesign& frmAbout();
const rt::ScreenDesign& frmWon();
const rt::ScreenDesign& frmLost();
const rt::ScreenDesign& frmMaze1();
const rt::ScreenDesign& frmMaze2();
const rt::ScreenDesign& frmMAze3();

// The largest client area of the nine, in twips: the level menu's width and the splash's
// height. Windows that hold it fit the screen at the scale the game chooses.
inline constexpr int largestClientWidth = 8715;
inline constexpr int largestClientHeight = 7365;

using DesignFunction = const rt::ScreenDesign& (*)();
inline constexpr std::array<DesignFunction, 9> all = {
    frmSplash, frmLevel, frmInst, frmAbout, frmWon, frmLost, frmMaze1, frmMaze2, frmMAze3,
};

} // namespace designs
