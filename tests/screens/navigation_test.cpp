#include "support/game.h"

#include <QApplication>
#include <QTest>

#include <set>

namespace {

using Screens = std::set<std::string>;

} // namespace

// Every way between the screens, by mouse and by keyboard, from start-up on.
class NavigationTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Game> game;

    void click(std::string_view screen, std::string_view button, int index = -1)
    {
        game->control(screen, button, index).click();
    }

    // Which screens are loaded, which visible, and which has the keyboard.
    void expect(const Screens& loaded, const Screens& visible, const QString& active)
    {
        const auto names = game->registry.loadedScreens();
        QCOMPARE(Screens(names.begin(), names.end()), loaded);
        Screens shown;
        for (const std::string& name : names) {
            if (game->isVisible(name))
                shown.insert(name);
        }
        QCOMPARE(shown, visible);
        QCOMPARE(game->activeScreen(), active);
    }

    void expectEnded()
    {
        QVERIFY(game->ended);
        QVERIFY(game->registry.loadedScreens().empty());
    }

    // Start-up and the splash's hand-over to the menu.
    void reachMenu()
    {
        startGame(*game);
        expect({"frmSplash"}, {"frmSplash"}, "frmSplash");
        game->tick("frmSplash", "Timer1");
        expect({"frmSplash", "frmLevel"}, {"frmLevel"}, "frmLevel");
    }

    void loseLevelOne()
    {
        click("frmLevel", "cmdLevel1", 0);
        game->tick("frmMaze1", "Timer1", 30);
    }

private slots:
    void init()
    {
        game = std::make_unique<Game>();
        reachMenu();
    }

    void cleanup() { game.reset(); }

    void everyEdgeFromTheMenu()
    {
        const Screens base = {"frmSplash", "frmLevel"};
        click("frmLevel", "cmdLevel1", 0);
        expect({"frmSplash", "frmLevel", "frmMaze1"}, {"frmMaze1"}, "frmMaze1");
        click("frmMaze1", "cmdMenu");
        expect({"frmSplash", "frmLevel", "frmMaze1"}, {"frmLevel"}, "frmLevel");
        click("frmLevel", "cmdLevel2");
        click("frmMaze2", "cmdMenu");
        click("frmLevel", "cmdLevel3");
        expect({"frmSplash", "frmLevel", "frmMaze1", "frmMaze2", "frmMAze3"}, {"frmMAze3"},
               "frmMAze3");
        click("frmMAze3", "cmdMenu");
        click("frmLevel", "cmdInst", 1);
        expect({"frmSplash", "frmLevel", "frmMaze1", "frmMaze2", "frmMAze3", "frmInst"},
               {"frmInst"}, "frmInst");
        click("frmInst", "cmdMain");
        expect({"frmSplash", "frmLevel", "frmMaze1", "frmMaze2", "frmMAze3", "frmInst"},
               {"frmLevel"}, "frmLevel");
        click("frmLevel", "cmdAbout");
        expect({"frmSplash", "frmLevel", "frmMaze1", "frmMaze2", "frmMAze3", "frmInst", "frmAbout"},
               {"frmAbout"}, "frmAbout");
        click("frmAbout", "cmdMain");
        expect({"frmSplash", "frmLevel", "frmMaze1", "frmMaze2", "frmMAze3", "frmInst", "frmAbout"},
               {"frmLevel"}, "frmLevel");
    }

    void winThenMenu()
    {
        click("frmLevel", "cmdLevel1", 0);
        for (Qt::Key key :
             {Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left,
              Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Left,
              Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Up,   Qt::Key_Left, Qt::Key_Up,
              Qt::Key_Up,   Qt::Key_Up,   Qt::Key_Left})
            support::type(key);
        expect({"frmSplash", "frmLevel", "frmMaze1", "frmWon"}, {"frmMaze1", "frmWon"}, "frmWon");
        click("frmWon", "cmdMain");
        expect({"frmSplash", "frmLevel", "frmMaze1", "frmWon"}, {"frmMaze1", "frmLevel"},
               "frmLevel");
        // The level comes back as it was left: won, on the exit, the countdown stopped.
        click("frmLevel", "cmdLevel1", 0);
        QCOMPARE(game->control("frmMaze1", "picSnail").left(), -90.0f);
        QVERIFY(!game->control("frmMaze1", "Timer1").enabled());
    }

    void lossThenMenu()
    {
        loseLevelOne();
        expect({"frmSplash", "frmLevel", "frmMaze1", "frmLost"}, {"frmMaze1", "frmLost"},
               "frmLost");
        click("frmLost", "cmdMain");
        expect({"frmSplash", "frmLevel", "frmMaze1", "frmLost"}, {"frmMaze1", "frmLevel"},
               "frmLevel");
        QCOMPARE(game->control("frmMaze1", "lblTime").caption(), std::string("0"));
    }

    void exitFromEveryScreen_data()
    {
        QTest::addColumn<QString>("screen");
        for (const char* screen :
             {"frmLevel", "frmInst", "frmAbout", "frmWon", "frmLost", "frmMaze1", "frmMAze3"})
            QTest::newRow(screen) << screen;
    }

    void exitFromEveryScreen()
    {
        QFETCH(QString, screen);
        click("frmLevel", "cmdLevel3"); // a countdown runs behind all of them
        game->registry.show(screen.toStdString());
        click(screen.toStdString(), "cmdExit");
        expectEnded();
    }

    void spaceOrEnterOnAFreshScreen_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("opens"); // "" for the end of the game
        for (int key : {Qt::Key_Space, Qt::Key_Return}) {
            const QString name = key == Qt::Key_Space ? "Space" : "Enter";
            QTest::addRow("frmLevel %s", qPrintable(name)) << "frmLevel" << key << "frmMaze2";
            QTest::addRow("frmInst %s", qPrintable(name)) << "frmInst" << key << "";
            QTest::addRow("frmLost %s", qPrintable(name)) << "frmLost" << key << "";
            QTest::addRow("frmWon %s", qPrintable(name)) << "frmWon" << key << "frmLevel";
            QTest::addRow("frmAbout %s", qPrintable(name)) << "frmAbout" << key << "frmLevel";
        }
    }

    void spaceOrEnterOnAFreshScreen()
    {
        QFETCH(QString, screen);
        QFETCH(int, key);
        QFETCH(QString, opens);
        game->registry.show(screen.toStdString());
        support::type(Qt::Key(key));
        if (opens.isEmpty()) {
            expectEnded();
            return;
        }
        QVERIFY(game->isVisible(opens.toStdString()));
        QCOMPARE(game->activeScreen(), opens);
    }

    void tabOnTheMenu()
    {
        const std::vector<std::pair<std::string_view, int>> cycle = {
            {"cmdLevel2", -1}, {"cmdLevel3", -1}, {"cmdAbout", -1}, {"cmdExit", -1},
            {"cmdInst", 1},    {"cmdLevel1", 0},  {"cmdLevel2", -1}};
        for (const auto& [name, index] : cycle) {
            QCOMPARE(QApplication::focusWidget(), game->control("frmLevel", name, index).widget());
            support::type(Qt::Key_Tab);
        }
    }

    void accelerators_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("opens");
        QTest::newRow("Alt+1") << int(Qt::Key_1) << "frmMaze1";
        QTest::newRow("Alt+2") << int(Qt::Key_2) << "frmMaze2";
        QTest::newRow("Alt+3") << int(Qt::Key_3) << "frmMAze3";
        QTest::newRow("Alt+I") << int(Qt::Key_I) << "frmInst";
        QTest::newRow("Alt+A") << int(Qt::Key_A) << "frmAbout";
        QTest::newRow("Alt+E") << int(Qt::Key_E) << "";
    }

    void accelerators()
    {
        QFETCH(int, key);
        QFETCH(QString, opens);
        support::type(Qt::Key(key), Qt::AltModifier);
        if (opens.isEmpty()) {
            QTRY_VERIFY(game->ended);
            return;
        }
        QTRY_VERIFY(game->isVisible(opens.toStdString()));
        QVERIFY(!game->isVisible("frmLevel"));
        QCOMPARE(game->activeScreen(), opens);
    }

    void acceleratorsOnTheLeafScreens()
    {
        click("frmLevel", "cmdInst", 1);
        support::type(Qt::Key_M, Qt::AltModifier);
        QTRY_VERIFY(game->isVisible("frmLevel"));
        QVERIFY(!game->isVisible("frmInst"));
        loseLevelOne();
        support::type(Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(game->ended);
    }

    void closingALevelWhileAnotherWindowShows()
    {
        loseLevelOne();
        game->closeByFrame("frmLost");
        QVERIFY(!game->ended); // the level is still on screen
        game->closeByFrame("frmMaze1");
        expectEnded(); // the splash and the menu were loaded, but hidden
    }
};

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"
