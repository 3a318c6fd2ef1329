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

using DesignFunction = const rt::ScreenDesign& (*)();
inline constexpr std::array<DesignFunction, 9> all = {
    frmSplash, frmLevel, frmInst, frmAbout, frmWon, frmLost, frmMaze1, frmMaze2, frmMAze3,
};

} // namespace designs
