#include "core/maze_grid.h"
#include "support/game.h"

#include <QImage>
#include <QTest>
#include <QWidget>

namespace {

const char* const screens[] = {"frmMaze1", "frmMaze2", "frmMAze3"};

QImage grab(Game& game, const char* screen)
{
    return game.screen(screen).window()->grab().toImage();
}

// The middle pixel of a maze cell.
QPoint centreOf(int x, int y)
{
    return {32 * x + 16, 32 * y + 16};
}

bool isLight(QRgb pixel)
{
    return qGray(pixel) > 160;
}

// How many pixels of a rectangle are light and how many dark.
std::pair<int, int> lightAndDark(const QImage& image, const QRect& area)
{
    int light = 0;
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            (isLight(image.pixel(x, y)) ? light : dark)++;
    }
    return {light, dark};
}

} // namespace

class MazeRenderingTest : public QObject {
    Q_OBJECT

private slots:
    void levels_data()
    {
        QTest::addColumn<int>("level");
        for (int i = 0; i < 3; ++i)
            QTest::newRow(screens[i]) << i;
    }

    void wallsBlackPathsWhite_data() { levels_data(); }
    void wallsBlackPathsWhite()
    {
        QFETCH(int, level);
        Game game;
        game.registry.load(screens[level]);
        const QImage image = grab(game, screens[level]);
        core::MazeGrid grid;
        grid.fill();
        for (int y = 0; y <= 8; ++y) {
            for (int x = 0; x <= 14; ++x) {
                const bool special = y == 1 && (x <= 2 || x == 14); // END boxes and the snail
                if (special || (x == 13 && y == 0))
                    continue;
                const QColor expected = grid.at(x, y) == core::Cell::Wall ? Qt::black : Qt::white;
                QCOMPARE(image.pixelColor(centreOf(x, y)), expected);
            }
        }
    }

    void countdownWhiteOnBlack_data() { levels_data(); }
    void countdownWhiteOnBlack()
    {
        QFETCH(int, level);
        Game game;
        game.registry.load(screens[level]);
        const auto [light, dark] = lightAndDark(grab(game, screens[level]), QRect(416, 0, 32, 32));
        QVERIFY(light > 40);
        QVERIFY(dark > light);
    }

    void legendWhiteOnTheBlackPanel_data() { levels_data(); }
    void legendWhiteOnTheBlackPanel()
    {
        QFETCH(int, level);
        Game game;
        game.registry.load(screens[level]);
        const QImage image = grab(game, screens[level]);
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
            const QRect area = game.control(screens[level], name).widget()->geometry();
            const auto [light, dark] = lightAndDark(image, area);
            QVERIFY2(light > 20 && dark > light, name);
        }
        QCOMPARE(image.pixelColor(20, 400), QColor(Qt::black)); // panel below the buttons
        // The rule shows under the boxes of row 8, which cover its upper rows.
        QCOMPARE(image.pixelColor(200, 288), QColor(Qt::black));
        QCOMPARE(image.pixelColor(200, 289), QColor(Qt::white));
        QCOMPARE(image.pixelColor(471, 289), QColor(Qt::white));
        for (QPoint background : {QPoint(474, 289), QPoint(200, 290), QPoint(200, 295)})
            QCOMPARE(image.pixelColor(background), QColor(Qt::white));
    }

    void rightEdge()
    {
        Game game;
        for (const char* screen : screens)
            game.registry.load(screen);
        // Column 14 reaches to pixel 480: cut by level 1's and level 2's edges.
        const QImage first = grab(game, "frmMaze1");
        QCOMPARE(first.width(), 479);
        QCOMPARE(first.pixelColor(478, 16), QColor(Qt::black));
        const QImage second = grab(game, "frmMaze2");
        QCOMPARE(second.pixelColor(479, 16), QColor(Qt::black));
        // Level 3 leaves one white column beside them.
        const QImage third = grab(game, "frmMAze3");
        QCOMPARE(third.width(), 482);
        for (int y : {16, 100, 270})
            QCOMPARE(third.pixelColor(481, y), QColor(Qt::white));
        QCOMPARE(third.pixelColor(480, 16), QColor(Qt::black));
    }
};

QTEST_MAIN(MazeRenderingTest)
#include "maze_rendering_test.moc"
