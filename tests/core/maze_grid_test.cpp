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

using core::Way;
using Outcome = core::Step::Outcome;

MazeGrid filledGrid()
{
    MazeGrid grid;
    grid.fill();
    return grid;
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
        for (Way way : {Way::Right, Way::Left, Way::Up, Way::Down}) {
            const SnailPos next = core::step(grid, at, way).to;
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

    // Where an arrow takes the snail, and what stopped it.
    void stepRule_data()
    {
        QTest::addColumn<SnailPos>("from");
        QTest::addColumn<Way>("way");
        QTest::addColumn<SnailPos>("to");
        QTest::addColumn<Outcome>("outcome");
        QTest::newRow("left from the start")
            << core::startCell << Way::Left << SnailPos{13, 1} << Outcome::Moved;
        QTest::newRow("right from the start")
            << core::startCell << Way::Right << core::startCell << Outcome::Wall;
        QTest::newRow("up from the start")
            << core::startCell << Way::Up << core::startCell << Outcome::Wall;
        QTest::newRow("down a corridor")
            << SnailPos{8, 1} << Way::Down << SnailPos{8, 2} << Outcome::Moved;
        QTest::newRow("up a corridor")
            << SnailPos{8, 2} << Way::Up << SnailPos{8, 1} << Outcome::Moved;
        QTest::newRow("left onto a wall, tested twice")
            << SnailPos{4, 1} << Way::Left << SnailPos{4, 1} << Outcome::Wall;
        QTest::newRow("left through (1, 1) into the exit")
            << SnailPos{2, 1} << Way::Left << core::exitCell << Outcome::Exit;
        QTest::newRow("left into the exit")
            << SnailPos{1, 1} << Way::Left << core::exitCell << Outcome::Exit;
        QTest::newRow("left off the grid from the exit")
            << core::exitCell << Way::Left << core::exitCell << Outcome::Wall;
        QTest::newRow("right off the exit")
            << core::exitCell << Way::Right << SnailPos{1, 1} << Outcome::Moved;
    }

    void stepRule()
    {
        QFETCH(SnailPos, from);
        QFETCH(Way, way);
        QFETCH(SnailPos, to);
        QFETCH(Outcome, outcome);
        const core::Step step = core::step(filledGrid(), from, way);
        QCOMPARE(step.to, to);
        QCOMPARE(step.outcome, outcome);
    }

    void openWaysAreThoseThatLeadSomewhere()
    {
        const MazeGrid grid = filledGrid();
        QCOMPARE(core::openWays(grid, core::startCell), std::vector<Way>{Way::Left});
        QCOMPARE(core::openWays(grid, {2, 1}), (std::vector<Way>{Way::Down, Way::Left}));
        QCOMPARE(core::openWays(grid, {8, 1}),
                 (std::vector<Way>{Way::Down, Way::Left, Way::Right}));
    }

    void shortestWinTakesTwentyOneReleases()
    {
        const MazeGrid grid = filledGrid();
        QCOMPARE(releasesToRestOn(grid).at({0, 1}), 21);

        using enum Way;
        const std::vector<Way> win = {Left, Left, Left, Left, Left, Left, Down,
                                      Down, Down, Down, Left, Left, Left, Left,
                                      Left, Up,   Left, Up,   Up,   Up,   Left};
        SnailPos at = core::startCell;
        for (Way way : win)
            at = core::step(grid, at, way).to;
        QCOMPARE(at, core::exitCell);
    }

    // (1, 1) only by stepping Right off the exit: Left on (2, 1) runs straight through it.
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
        QCOMPARE(reachable.at({1, 1}), reachable.at({0, 1}) + 1);
    }

    void levelTable()
    {
        QCOMPARE(core::levels[0].startCount, std::string_view("30"));
        QCOMPARE(core::levels[1].startCount, std::string_view("20"));
        QCOMPARE(core::levels[2].startCount, std::string_view("10"));
        for (const core::Level& level : core::levels)
            QCOMPARE(level.tickMs, 1000);
    }
};

QTEST_APPLESS_MAIN(MazeGridTest)
#include "maze_grid_test.moc"
