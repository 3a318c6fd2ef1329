#include "support/game.h"

#include <QTest>

#include <set>

// The splash: its snails shuffle until the hand-over to the menu.
class SplashTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Game> game;

    std::vector<int> visibleOf(const char* array)
    {
        std::vector<int> visible;
        for (int index = 0; index < 3; ++index) {
            if (game->control("frmSplash", array, index).visible())
                visible.push_back(index);
        }
        return visible;
    }

private slots:
    void init()
    {
        game = std::make_unique<Game>();
        startGame(*game);
    }

    void cleanup() { game.reset(); }

    void beforeTheFirstShuffle()
    {
        QCOMPARE(visibleOf("Image1"), std::vector<int>{});
        QCOMPARE(visibleOf("Image2"), (std::vector<int>{0, 1, 2}));
        QVERIFY(game->control("frmSplash", "Timer1").enabled());
        QVERIFY(game->control("frmSplash", "Timer2").enabled());
    }

    void eachShuffleShowsOneSnailOfEachSide()
    {
        std::set<int> seen1;
        std::set<int> seen2;
        for (int tick = 0; tick < 300; ++tick) {
            game->tick("frmSplash", "Timer2");
            const auto shown1 = visibleOf("Image1");
            const auto shown2 = visibleOf("Image2");
            QCOMPARE(shown1.size(), std::size_t(1));
            QCOMPARE(shown2.size(), std::size_t(1));
            seen1.insert(shown1.front());
            seen2.insert(shown2.front());
            if (tick % 30 == 0)
                QTest::qWait(1); // fresh seeds from the clock
        }
        QCOMPARE(seen1, (std::set<int>{0, 1, 2}));
        QCOMPARE(seen2, (std::set<int>{0, 1, 2}));
    }

    void handOverStopsTheShuffle()
    {
        game->tick("frmSplash", "Timer2");
        game->tick("frmSplash", "Timer1");
        QVERIFY(!game->control("frmSplash", "Timer1").enabled());
        QVERIFY(!game->control("frmSplash", "Timer2").enabled());
        const auto shown1 = visibleOf("Image1");
        const auto shown2 = visibleOf("Image2");
        game->tick("frmSplash", "Timer2", 20);
        QCOMPARE(visibleOf("Image1"), shown1);
        QCOMPARE(visibleOf("Image2"), shown2);
        QVERIFY(game->isLoaded("frmSplash"));
        QVERIFY(!game->isVisible("frmSplash"));
        QCOMPARE(game->activeScreen(), QString("frmLevel"));
    }

    void closingTheSplashEndsTheGame()
    {
        game->tick("frmSplash", "Timer2", 3);
        game->closeByFrame("frmSplash");
        QVERIFY(game->ended);
        QVERIFY(game->registry.loadedScreens().empty());
    }
};

QTEST_MAIN(SplashTest)
#include "splash_test.moc"
