#pragma once

#include "runtime/design.h"

#include <array>
#include <string_view>

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

// Every screen of the game: its name, its design, built the first time it is asked for, and
// the level it plays, 0 for the screens around the levels.
struct Screen {
    std::string_view name;
    DesignFunction design;
    int level = 0;
};

inline constexpr std::array<Screen, 9> screens = {{
    {.name = "frmSplash", .design = frmSplash},
    {.name = "frmLevel", .design = frmLevel},
    {.name = "frmInst", .design = frmInst},
    {.name = "frmAbout", .design = frmAbout},
    {.name = "frmWon", .design = frmWon},
    {.name = "frmLost", .design = frmLost},
    {.name = "frmMaze1", .design = frmMaze1, .level = 1},
    {.name = "frmMaze2", .design = frmMaze2, .level = 2},
    {.name = "frmMAze3", .design = frmMAze3, .level = 3},
}};

} // namespace designs
