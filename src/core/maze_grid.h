#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace core {

enum class Cell : std::int32_t { Wall = 0, Path = 1, Exit = 2 };

// The snail's column and row on the grid.
struct SnailPos {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const SnailPos&, const SnailPos&) = default;
};

inline constexpr SnailPos startCell{14, 1};
inline constexpr SnailPos exitCell{0, 1};

// The maze: 16 columns by 10 rows, stored column-fastest. Column 15 and row 9 are
// never written and stay walls, so they border the maze on the right and bottom.
class MazeGrid {
public:
    static constexpr int columns = 16;
    static constexpr int rows = 10;

    // Anything outside the grid reads as a wall.
    Cell at(int x, int y) const;

    // Writes the 135 cells of columns 0 to 14, rows 0 to 8; the same for every level.
    void fill();

    std::span<const std::int32_t, columns * rows> cells() const { return cells_; }

private:
    std::array<std::int32_t, columns * rows> cells_{};
};

// The ways an arrow key sends the snail, in the order a player reads them.
enum class Way { Up, Down, Left, Right };

// Where an arrow takes the snail: it moved, a wall stopped it, or it reached the exit.
struct Step {
    enum class Outcome { Moved, Wall, Exit };
    SnailPos to;
    Outcome outcome;
};

// One step onto a path cell, never into the exit but going left: a step left that ends
// beside the exit carries on into it.
Step step(const MazeGrid& grid, SnailPos from, Way way);

// The ways that lead somewhere from the cell.
std::vector<Way> openWays(const MazeGrid& grid, SnailPos from);

} // namespace core
