#include "core/levels.h"
#include "core/maze_grid.h"

#include <QTest>

#include <climits>
#include <map>
#include <queue>
#include <set>
#include <vector>

using core::Cell;
using core::MazeGrid;
using core::SnailPos;

namespace {

enum class Arrow { Right, Left, Up, Down };

MazeGrid filledGrid()
{
    MazeGrid grid;
    grid.fill();
    return grid;
}

// The movement rules as a player sees them: one step onto a path cell, and a Left
// release that ends next to the exit carries on into it.
SnailPos afterRelease(const MazeGrid& grid, SnailPos at, Arrow arrow)
{
    switch (arrow) {
    case Arrow::Right:
        if (grid.at(at.x + 1, at.y) == Cell::Path)
            ++at.x;
        break;
    case Arrow::Left:
        if (grid.at(at.x - 1, at.y) == Cell::Path)
            --at.x;
        if (grid.at(at.x - 1, at.y) == Cell::Exit)
            --at.x;
        break;
    case Arrow::Up:
        if (grid.at(at.x, at.y - 1) == Cell::Path)
            --at.y;
        break;
    case Arrow::Down:
        if (grid.at(at.x, at.y + 1) == Cell::Path)
            ++at.y;
        break;
    }
    return at;
}

// Fewest releases from the start to every cell the snail can rest on.
std::map<std::pair<int, int>, int> releasesToRestOn(const MazeGrid& grid)
{
    std::map<std::pair<int, int>, int> releases{{{core::startCell.x, core::startCell.y}, 0}};
    std::queue<SnailPos> todo;
    todo.push(core::startCell);
    while (!todo.empty()) {
        const SnailPos at = todo.front();
        todo.pop();
        for (Arrow arrow : {Arrow::Right, Arrow::Left, Arrow::Up, Arrow::Down}) {
            const SnailPos next = afterRelease(grid, at, arrow);
            if (releases.emplace(std::pair{next.x, next.y}, releases[{at.x, at.y}] + 1).second)
                todo.push(next);
        }
    }
    return releases;
}

} // namespace

class MazeGridTest : public QObject {
    Q_OBJECT

private slots:
    void startsAllWall()
    {
        const MazeGrid grid;
        for (std::int32_t cell : grid.cells())
            QCOMPARE(cell, 0);
    }

    void fillWritesTheMaze()
    {
        const MazeGrid grid = filledGrid();
        QCOMPARE(grid.at(0, 1), Cell::Exit);
        QCOMPARE(grid.at(3, 1), Cell::Wall);
        QCOMPARE(grid.at(14, 1), Cell::Path);
        QCOMPARE(grid.at(core::startCell.x, core::startCell.y), Cell::Path);
        QCOMPARE(grid.at(core::exitCell.x, core::exitCell.y), Cell::Exit);
        for (int y = 0; y < MazeGrid::rows; ++y)
            QCOMPARE(grid.at(15, y), Cell::Wall);
        for (int x = 0; x < MazeGrid::columns; ++x)
            QCOMPARE(grid.at(x, 9), Cell::Wall);
    }

    void countsOfEachCell()
    {
        std::map<std::int32_t, int> counts;
        for (std::int32_t cell : filledGrid().cells())
            ++counts[cell];
        QCOMPARE(counts.size(), std::size_t(3));
        QCOMPARE(counts[1], 55);
        QCOMPARE(counts[2], 1);
        QCOMPARE(counts[0], 104);
    }

    void storedColumnFastest()
    {
        const MazeGrid grid = filledGrid();
        QCOMPARE(grid.cells().size(), std::size_t(160));
        QCOMPARE(grid.cells()[0 + 16 * 1], 2);
        for (int y = 0; y < MazeGrid::rows; ++y) {
            for (int x = 0; x < MazeGrid::columns; ++x)
                QCOMPARE(Cell{grid.cells()[std::size_t(x + 16 * y)]}, grid.at(x, y));
        }
    }

    // Every cell up to three out from each edge and corner reads as a wall, on the fresh
    // grid and on the filled one. The grid lies between runs of path cells, so that a read
    // that strays past its own cells shows.
    void outsideReadsAsWall()
    {
        struct {
            std::array<std::int32_t, 160> before;
            MazeGrid grid;
            std::array<std::int32_t, 160> after;
        } fenced;
        fenced.before.fill(std::int32_t(Cell::Path));
        fenced.after.fill(std::int32_t(Cell::Path));
        const auto inside = [](int x, int y) {
            return x >= 0 && x < MazeGrid::columns && y >= 0 && y < MazeGrid::rows;
        };
        for (bool filled : {false, true}) {
            if (filled)
                fenced.grid.fill();
            for (int x = -3; x < MazeGrid::columns + 3; ++x) {
                for (int y = -3; y < MazeGrid::rows + 3; ++y) {
                    if (!inside(x, y))
                        QVERIFY2(fenced.grid.at(x, y) == Cell::Wall,
                                 qPrintable(QString("(%1, %2)").arg(x).arg(y)));
                }
            }
            for (auto [x, y] : std::vector<std::pair<int, int>>{{INT_MIN, 0}, {INT_MAX, INT_MAX}})
                QCOMPARE(fenced.grid.at(x, y), Cell::Wall);
        }
    }

    void shortestWinTakesTwentyOneReleases()
    {
        const MazeGrid grid = filledGrid();
        QCOMPARE(releasesToRestOn(grid).at({0, 1}), 21);

        using enum Arrow;
        const std::vector<Arrow> win = {Left, Left, Left, Left, Left, Left, Down,
                                        Down, Down, Down, Left, Left, Left, Left,
                                        Left, Up,   Left, Up,   Up,   Up,   Left};
        SnailPos at = core::startCell;
        for (Arrow arrow : win)
            at = afterRelease(grid, at, arrow);
        QCOMPARE(at, core::exitCell);
    }

    void everyPathCellButOneCanBeRestedOn()
    {
        const MazeGrid grid = filledGrid();
        const auto reachable = releasesToRestOn(grid);
        for (int y = 0; y < MazeGrid::rows; ++y) {
            for (int x = 0; x < MazeGrid::columns; ++x) {
                if (grid.at(x, y) == Cell::Path && !(x == 1 && y == 1))
                    QVERIFY2(reachable.contains({x, y}),
                             qPrintable(QString("(%1, %2)").arg(x).arg(y)));
            }
        }
        // (1, 1) only by stepping Right off the exit: Left on (2, 1) runs straight through it.
        QCOMPARE(afterRelease(grid, {2, 1}, Arrow::Left), core::exitCell);
        QCOMPARE(afterRelease(grid, core::exitCell, Arrow::Right), (SnailPos{1, 1}));
        QCOMPARE(reachable.at({1, 1}), reachable.at({0, 1}) + 1);
    }

    void levelTable()
    {
        QCOMPARE(core::levels[0].startCount, std::string_view("30"));
        QCOMPARE(core::levels[1].startCount, std::string_view("20"));
        QCOMPARE(core::levels[2].startCount, std::string_view("10"));
        QCOMPARE(core::levels[2].screen, std::string_view("frmMAze3"));
        for (const core::Level& level : core::levels)
            QCOMPARE(level.tickMs, 1000);
    }
};

QTEST_APPLESS_MAIN(MazeGridTest)
#include "maze_grid_test.moc"
