#include "core/maze_grid.h"
#include "support/events.h"
#include "support/game.h"
#include "support/languages.h"
#include "support/screen_reader.h"

#include <QTest>
#include <QTimer>

#include <optional>
#include <random>

namespace {

const char* const levelScreens[] = {"frmMaze1", "frmMaze2", "frmMAze3"};

// The shortest way out: 21 releases from the start.
const std::vector<Qt::Key> winningWay = {
    Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left,
    Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Left,
    Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Up,   Qt::Key_Left, Qt::Key_Up,
    Qt::Key_Up,   Qt::Key_Up,   Qt::Key_Left};

// Where the sprite stands for a cell: it drifts against the walls by design.
QPointF spriteAt(int x, int y)
{
    return {6840.0 + 495 * (x - 14), 600.0 + 495 * (y - 1)};
}

} // namespace

class MazeScreenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Game> game;
    const char* screen = "frmMaze1";

    rt::Control& sprite() { return game->control(screen, "picSnail"); }
    QPointF spritePosition() { return {sprite().left(), sprite().top()}; }
    std::string timeText() { return game->control(screen, "lblTime").caption(); }
    bool ticking() { return game->control(screen, "Timer1").enabled(); }

    void open(const char* level)
    {
        screen = level;
        game->registry.load(level);
        game->registry.show(level);
    }

    void play(const std::vector<Qt::Key>& keys)
    {
        for (Qt::Key key : keys)
            support::type(key);
    }

    // What a click on the maze window does after a result screen took the keyboard.
    void activateMaze()
    {
        game->screen(screen).window()->activateWindow();
        support::settle();
        QCOMPARE(game->activeScreen(), QString(screen));
    }

private slots:
    void init()
    {
        game = std::make_unique<Game>();
        open("frmMaze1");
    }

    void cleanup() { game.reset(); }

    void freshLevelStartsRunning()
    {
        for (const char* level : levelScreens) {
            open(level);
            QCOMPARE(spritePosition(), spriteAt(14, 1));
            QVERIFY(ticking());
        }
        QCOMPARE(game->control("frmMaze2", "lblTime").caption(), std::string("20"));
        game->tick("frmMaze2", "Timer1");
        QCOMPARE(game->control("frmMaze2", "lblTime").caption(), std::string("19"));
    }

    void otherKeysDoNothing()
    {
        for (Qt::Key key :
             {Qt::Key_A, Qt::Key_Z, Qt::Key_5, Qt::Key_Escape, Qt::Key_Home, Qt::Key_F1,
              Qt::Key_Space, Qt::Key_Return, Qt::Key_Shift, Qt::Key_PageDown, Qt::Key_Pause})
            support::type(key);
        QCOMPARE(spritePosition(), spriteAt(14, 1));
        QVERIFY(!game->isLoaded("frmWon"));
    }

    void wallsBlockTheStart()
    {
        play({Qt::Key_Right, Qt::Key_Up});
        QCOMPARE(spritePosition(), spriteAt(14, 1));
    }

    void tenLeftsThenAWall()
    {
        play(std::vector<Qt::Key>(10, Qt::Key_Left));
        QCOMPARE(sprite().left(), 1890.0f);
        support::type(Qt::Key_Left); // (3, 1) is a wall, before and after the first test
        QCOMPARE(sprite().left(), 1890.0f);
        QCOMPARE(sprite().top(), 600.0f);
    }

    void holdingAKeyMovesOnlyOnRelease()
    {
        support::hold(Qt::Key_Left, 20);
        QCOMPARE(spritePosition(), spriteAt(14, 1));
        support::release(Qt::Key_Left);
        QCOMPARE(spritePosition(), spriteAt(13, 1));
    }

    void winningTakesTwentyOneReleases()
    {
        play(std::vector<Qt::Key>(winningWay.begin(), winningWay.end() - 1));
        QCOMPARE(spritePosition(), spriteAt(2, 1));
        QVERIFY(!game->isLoaded("frmWon"));
        game->tick(screen, "Timer1", 4);
        support::type(Qt::Key_Left); // through (1, 1) into the exit in one release
        QCOMPARE(sprite().left(), -90.0f);
        QCOMPARE(spritePosition(), spriteAt(0, 1));
        QVERIFY(game->isVisible("frmWon"));
        QCOMPARE(game->activeScreen(), QString("frmWon"));
        QVERIFY(game->isVisible(screen)); // the maze stays behind the result
        QVERIFY(!ticking());
        game->tick(screen, "Timer1", 3); // a stopped countdown gets no more ticks
        QCOMPARE(timeText(), std::string("26"));
    }

    // What a screen reader hears of a level: the level as it appears, where each arrow key
    // took the snail or that a wall stopped it, and the time left at each ten seconds and
    // each of the last five, which a step does not cut short; a step into the exit leaves
    // the word to the win screen.
    void heardByAScreenReader()
    {
        const support::ScreenReader reader;
        const support::InLanguage english("");
        const auto heard = [this] {
            return support::ScreenReader::saying(game->screen(screen).window());
        };
        open("frmMaze2");
        QCOMPARE(heard(), "Level 2, 20 seconds. Open: left.");
        play({Qt::Key_Up});
        QCOMPARE(heard(), "Wall.");
        play(std::vector<Qt::Key>(6, Qt::Key_Left));
        play({Qt::Key_Space});
        QCOMPARE(heard(), "Left. Open: down, left, right.");
        play({Qt::Key_Down});
        QCOMPARE(heard(), "Down. Open: up, down.");
        game->tick(screen, "Timer1", 9);
        QCOMPARE(heard(), "Down. Open: up, down.");
        // Still being said, the step is said again after the time, and the time after a step.
        game->tick(screen, "Timer1");
        QCOMPARE(heard(), "10 seconds. Down. Open: up, down.");
        play({Qt::Key_Up});
        QCOMPARE(heard(), "Up. Open: down, left, right. 10 seconds.");
        play(std::vector<Qt::Key>(winningWay.begin() + 6, winningWay.end() - 1));
        const QString beforeTheExit = heard();
        play({Qt::Key_Left});
        QVERIFY(game->isVisible("frmWon"));
        QCOMPARE(heard(), beforeTheExit);

        open("frmMAze3");
        const QString level = "Level 3, 10 seconds. Open: left.";
        QCOMPARE(heard(), level);
        // Its own timer may tick in between.
        for (game->tick(screen, "Timer1"); ticking(); game->tick(screen, "Timer1")) {
            const QString said = heard();
            const QString left = QString::fromStdString(timeText());
            if (left != "0")
                QCOMPARE(said, left.toInt() <= 5 ? left + "." : level);
        }
        QVERIFY(game->isVisible("frmLost"));

        // Said again as the level comes back, the time left takes the count's form. The clock
        // stands still meanwhile, for only the test's ticks to count.
        open("frmMaze1");
        game->screen(screen).window()->findChild<QTimer*>("Timer1")->stop();
        while (timeText() != "1")
            game->tick(screen, "Timer1");
        game->control(screen, "cmdMenu").click();
        game->control("frmLevel", "cmdLevel1", 0).click();
        QCOMPARE(heard(), "Level 1, 1 second. Open: left.");
    }

    // A swipe of a finger or a drag of the mouse across the maze is the arrow of its way, from
    // wherever the snail stands after the first steps of the winning way; one too short, as a
    // click, or as far across as along, is none.
    void swipesAreArrows_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<QPoint>("way");
        QTest::addColumn<QPoint>("cell");
        QTest::newRow("left") << 0 << QPoint(-60, 0) << QPoint(13, 1);
        QTest::newRow("right") << 6 << QPoint(60, 0) << QPoint(9, 1);
        QTest::newRow("down") << 6 << QPoint(0, 60) << QPoint(8, 2);
        QTest::newRow("up") << 7 << QPoint(0, -60) << QPoint(8, 1);
        QTest::newRow("into a wall") << 0 << QPoint(0, -60) << QPoint(14, 1);
        QTest::newRow("into the exit") << 20 << QPoint(-60, 0) << QPoint(0, 1);
        QTest::newRow("too short") << 0 << QPoint(-7, 0) << QPoint(14, 1);
        QTest::newRow("as far across as along") << 6 << QPoint(-40, 40) << QPoint(8, 1);
    }

    void swipesAreArrows()
    {
        QFETCH(int, steps);
        QFETCH(QPoint, way);
        QFETCH(QPoint, cell);
        for (auto pointer : {support::Pointer::Finger, support::Pointer::Mouse}) {
            init();
            play(std::vector<Qt::Key>(winningWay.begin(), winningWay.begin() + steps));
            QWidget* window = game->screen(screen).window();
            const QPoint middle = window->rect().center();
            support::swipe(window, middle, middle + way, pointer);
            QCOMPARE(spritePosition(), spriteAt(cell.x(), cell.y()));
            QCOMPARE(game->isVisible("frmWon"), cell == QPoint(0, 1));
        }
    }

    void aTapPressesAButton()
    {
        QWidget* window = game->screen(screen).window();
        const QPoint onMenu = game->control(screen, "cmdMenu").widget()->geometry().center();
        support::swipe(window, onMenu, onMenu, support::Pointer::Finger);
        QVERIFY(game->isVisible("frmLevel"));
        QVERIFY(!game->isVisible(screen));
    }

    void winAgainAfterAWin()
    {
        play(winningWay);
        activateMaze();
        support::type(Qt::Key_Left); // nothing lies left of the exit
        QCOMPARE(spritePosition(), spriteAt(0, 1));
        game->registry.hide("frmWon");
        activateMaze();
        support::type(Qt::Key_Right);
        QCOMPARE(spritePosition(), spriteAt(1, 1));
        QVERIFY(!game->isVisible("frmWon"));
        support::type(Qt::Key_Left);
        QCOMPARE(spritePosition(), spriteAt(0, 1));
        QVERIFY(game->isVisible("frmWon"));
        QCOMPARE(game->activeScreen(), QString("frmWon"));
    }

    void levelThreeLosesOnItsTenthTick()
    {
        open("frmMAze3");
        game->tick(screen, "Timer1", 9);
        QCOMPARE(timeText(), std::string("1"));
        QVERIFY(!game->isLoaded("frmLost"));
        QVERIFY(ticking());
        game->tick(screen, "Timer1");
        QCOMPARE(timeText(), std::string("0"));
        QVERIFY(!ticking());
        QVERIFY(game->isVisible("frmLost"));
        QCOMPARE(game->activeScreen(), QString("frmLost"));
        QVERIFY(game->isVisible(screen));
        game->tick(screen, "Timer1");
        QCOMPARE(timeText(), std::string("0")); // never below zero
    }

    void snailStillMovesAfterALoss()
    {
        game->tick(screen, "Timer1", 30);
        QVERIFY(game->isVisible("frmLost"));
        activateMaze();
        play(winningWay);
        QCOMPARE(spritePosition(), spriteAt(0, 1));
        QVERIFY(game->isVisible("frmWon"));
        QCOMPARE(timeText(), std::string("0"));
    }

    void menuKeepsTheLevelRunning()
    {
        play({Qt::Key_Left, Qt::Key_Left, Qt::Key_Left});
        game->tick(screen, "Timer1", 2);
        game->control(screen, "cmdMenu").click();
        QVERIFY(game->isVisible("frmLevel"));
        QVERIFY(!game->isVisible(screen));
        QCOMPARE(game->activeScreen(), QString("frmLevel"));
        QVERIFY(ticking());
        game->tick(screen, "Timer1", 3);
        game->control("frmLevel", "cmdLevel1", 0).click();
        QVERIFY(game->isVisible(screen));
        QCOMPARE(spritePosition(), spriteAt(11, 1));
        QCOMPARE(timeText(), std::string("25"));
        QVERIFY(ticking());
    }

    void hiddenLevelStillLoses()
    {
        open("frmMAze3");
        game->control(screen, "cmdMenu").click();
        game->tick(screen, "Timer1", 10);
        QVERIFY(game->isVisible("frmLost"));
        QVERIFY(!game->isVisible(screen));
        QVERIFY(game->isVisible("frmLevel"));
    }

    void levelClosedThroughItsFrameStartsAfresh()
    {
        play({Qt::Key_Left, Qt::Key_Left});
        game->tick(screen, "Timer1", 30);
        game->closeByFrame(screen); // the lose screen stays open
        QVERIFY(!game->isLoaded(screen));
        QVERIFY(!game->ended);
        support::settle();
        game->control("frmLost", "cmdMain").click();
        game->control("frmLevel", "cmdLevel1", 0).click();
        QCOMPARE(spritePosition(), spriteAt(14, 1));
        QCOMPARE(timeText(), std::string("30"));
        QVERIFY(ticking());
    }

    void exitEndsTheGame()
    {
        game->control(screen, "cmdExit").click();
        QVERIFY(game->ended);
        QVERIFY(game->registry.loadedScreens().empty());
    }

    void spriteFollowsTheCellOverARandomWalk()
    {
        core::MazeGrid grid;
        grid.fill();
        std::mt19937 random(20261208);
        using core::Way;
        const std::pair<Qt::Key, std::optional<Way>> keys[] = {{Qt::Key_Left, Way::Left},
                                                               {Qt::Key_Right, Way::Right},
                                                               {Qt::Key_Up, Way::Up},
                                                               {Qt::Key_Down, Way::Down},
                                                               {Qt::Key_X, std::nullopt}};
        for (const char* level : levelScreens) {
            open(level);
            core::SnailPos at = core::startCell;
            for (int step = 0; step < 2000; ++step) {
                const auto& [key, way] = keys[random() % 5];
                support::type(key);
                if (way)
                    at = core::step(grid, at, *way).to;
                QCOMPARE(spritePosition(), spriteAt(at.x, at.y));
                if (game->activeScreen() != level)
                    activateMaze();
            }
        }
    }
};

QTEST_MAIN(MazeScreenTest)
#include "maze_screen_test.moc"
