#include "core/maze_grid.h"

#include <string_view>

namespace core {

namespace {

// One string a row, one character a column: '#' wall, '.' path, 'X' exit.
// clang-format off
constexpr std::array<std::string_view, 9> maze = {
    "###############",
    "X..#...........",
    "##.#.###.##.###",
    "#..##..#.#..###",
    "##..#.##.###..#",
    "###........#.##",
    "#...#.#.##.#.##",
    "#.#.#.#......##",
    "###############",
};
// clang-format on

constexpr Cell cellFor(char c)
{
    return c == '.' ? Cell::Path : c == 'X' ? Cell::Exit : Cell::Wall;
}

} // namespace

Cell MazeGrid::at(int x, int y) const
{
    if (x < 0 || x >= columns || y < 0 || y >= rows)
        return Cell::Wall;
    return Cell{cells_[x + columns * y]};
}

std::vector<Way> openWays(const MazeGrid& grid, SnailPos from)
{
    std::vector<Way> open;
    if (grid.at(from.x, from.y - 1) == Cell::Path)
        open.push_back(Way::Up);
    if (grid.at(from.x, from.y + 1) == Cell::Path)
        open.push_back(Way::Down);
    if (grid.at(from.x - 1, from.y) != Cell::Wall)
        open.push_back(Way::Left);
    if (grid.at(from.x + 1, from.y) == Cell::Path)
        open.push_back(Way::Right);
    return open;
}

void MazeGrid::fill()
{
    for (int y = 0; y < int(maze.size()); ++y) {
        for (int x = 0; x < int(maze[y].size()); ++x)
            cells_[x + columns * y] = std::int32_t(cellFor(maze[y][x]));
    }
}

} // namespace core
