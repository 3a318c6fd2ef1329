#pragma once

#include "core/texts.h"

#include <array>
#include <string_view>

namespace core {

// The three levels share the maze and differ only in the time allowed. The count
// lives in the screen's countdown label; startCount is that label's design text.
struct Level {
    std::string_view screen;
    std::string_view caption;
    std::string_view startCount;
    int tickMs;
};

inline constexpr std::array<Level, 3> levels = {{
    {"frmMaze1", NC_("Quillory", "Maze - Level 1"), "30", 1000},
    {"frmMaze2", NC_("Quillory", "Maze - Level 2"), "20", 1000},
    {"frmMAze3", NC_("Quillory", "Maze - Level 3"), "10", 1000},
}};

} // namespace core
