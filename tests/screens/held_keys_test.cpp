#include "support/desktop.h"
#include "support/game.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

// Real keys on a real X server: a held key repeats, and only its last release counts.
class HeldKeysTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Game> game;

    rt::Control& sprite() { return game->control("frmMaze1", "picSnail"); }

private slots:
    void init()
    {
        game = std::make_unique<Game>();
        game->registry.show("frmMaze1");
        QVERIFY(QTest::qWaitForWindowExposed(game->form("frmMaze1").window()));
        QVERIFY(desktop::activate(game->form("frmMaze1").window()));
    }

    void cleanup() { game.reset(); }

    void holdingLeftForTwoSecondsMovesOneStep()
    {
        QVERIFY(desktop::xdotool({"keydown", "Left", "sleep", "2", "keyup", "Left"}));
        QCOMPARE(sprite().left(), 6840.0f - 495);
    }

    void arrowsReachTheScreenWhileAButtonHasTheFocus()
    {
        QWidget* menu = game->control("frmMaze1", "cmdMenu").widget();
        menu->setFocus();
        QCOMPARE(QApplication::focusWidget(), menu);
        QVERIFY(desktop::xdotool({"key", "Left", "key", "Left"}));
        QCOMPARE(sprite().left(), 6840.0f - 2 * 495);
        QVERIFY(game->isVisible("frmMaze1"));
    }
};

QTEST_MAIN(HeldKeysTest)
#include "held_keys_test.moc"
