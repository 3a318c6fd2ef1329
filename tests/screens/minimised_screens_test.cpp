#include "support/desktop.h"
#include "support/game.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

// Screens the player has minimised through the window manager, shown again by the game.
class MinimisedScreensTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Game> game;

    QWidget* window(std::string_view screen) { return game->screen(screen).window(); }

    void showAndActivate(std::string_view screen)
    {
        game->registry.show(screen);
        QVERIFY(QTest::qWaitForWindowExposed(window(screen)));
        QVERIFY(support::activate(window(screen)));
    }

    // As the title bar's button does.
    void minimise(std::string_view screen)
    {
        QVERIFY(support::xdotool(
            {"windowminimize", "--sync", QString::number(window(screen)->winId())}));
        QTRY_VERIFY(window(screen)->windowState() & Qt::WindowMinimized);
        QTRY_VERIFY(!window(screen)->windowHandle()->isExposed());
    }

    // On the screen, out of its minimised state, where the player left it, with the keyboard.
    void expectBack(std::string_view screen, const QRect& geometry)
    {
        QTRY_COMPARE(QApplication::activeWindow(), window(screen));
        QVERIFY(window(screen)->windowHandle()->isExposed());
        QVERIFY(!(window(screen)->windowState() & Qt::WindowMinimized));
        QCOMPARE(window(screen)->geometry(), geometry);
    }

private slots:
    // A hidden screen waits for the next one's first frame, as on Wayland: were the next one
    // left minimised, the one it replaces would stay on view for a second.
    void init() { game = std::make_unique<Game>(rt::HandOver::Policy::HideAfterNextFrame); }
    void cleanup() { game.reset(); }

    void aLossBringsBackAMinimisedResult()
    {
        showAndActivate("frmMaze1");
        game->tick("frmMaze1", "Timer1", 30);
        QVERIFY(QTest::qWaitForWindowActive(window("frmLost")));
        const QRect geometry = window("frmLost")->geometry();
        minimise("frmLost");

        showAndActivate("frmMaze2");
        game->tick("frmMaze2", "Timer1", 20);
        expectBack("frmLost", geometry);
    }

    void theMenuButtonBringsBackAMinimisedMenu()
    {
        showAndActivate("frmLevel");
        const QRect geometry = window("frmLevel")->geometry();
        showAndActivate("frmMaze1");
        minimise("frmLevel");

        QWidget* menuButton = game->control("frmMaze1", "cmdMenu").widget();
        const QPoint centre = menuButton->mapTo(window("frmMaze1"), menuButton->rect().center());
        QVERIFY(support::xdotool(
            {"mousemove", "--window", QString::number(window("frmMaze1")->winId()),
             QString::number(centre.x()), QString::number(centre.y()), "click", "1"}));
        expectBack("frmLevel", geometry);
        // Sooner than the second a hidden screen waits at most.
        QTRY_VERIFY_WITH_TIMEOUT(window("frmMaze1")->isHidden(), 900);
    }
};

QTEST_MAIN(MinimisedScreensTest)
#include "minimised_screens_test.moc"
