#pragma once

#include <array>
#include <string_view>

namespace core {

// The three levels share the maze and differ only in the time allowed. The count lives in the
// screen's countdown label; startCount is that label's design text.
struct Level {
    std::string_view startCount;
    int tickMs;
};

inline constexpr std::array<Level, 3> levels = {{
    {.startCount = "30", .tickMs = 1000},
    {.startCount = "20", .tickMs = 1000},
    {.startCount = "10", .tickMs = 1000},
}};

} // namespace core
