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

Step step(const MazeGrid& grid, SnailPos from, Way way)
{
    // One cell on, in the order of Way.
    constexpr SnailPos offsets[] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
    const SnailPos by = offsets[int(way)];
    const auto next = [by](SnailPos at) { return SnailPos{at.x + by.x, at.y + by.y}; };
    const auto cellAt = [&grid](SnailPos at) { return grid.at(at.x, at.y); };
    SnailPos to = from;
    if (cellAt(next(to)) == Cell::Path)
        to = next(to);
    if (way == Way::Left && cellAt(next(to)) == Cell::Exit)
        return {next(to), Step::Outcome::Exit};
    return {to, to == from ? Step::Outcome::Wall : Step::Outcome::Moved};
}

std::vector<Way> openWays(const MazeGrid& grid, SnailPos from)
{
    std::vector<Way> open;
    for (Way way : {Way::Up, Way::Down, Way::Left, Way::Right}) {
        if (step(grid, from, way).outcome != Step::Outcome::Wall)
            open.push_back(way);
    }
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
