#include "support/desktop.h"
#include "support/game.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QTest>
#include <QWidget>

#include <xcb/xcb.h>

namespace {

// Counts the key events the X server sends the program. A held key must come as repeated
// presses and one release, when it goes up. Were each repeat a release and a press, Qt would
// tell a repeat from the real release only by the press already queued behind it: a program
// that reads the release the moment it arrives sees the snail run on, a busy one does not,
// so the snail's position alone cannot show the fault.
class XKeyEvents : public QAbstractNativeEventFilter {
public:
    XKeyEvents() { qApp->installNativeEventFilter(this); }

    int presses = 0;
    int releases = 0;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto kind = static_cast<const xcb_generic_event_t*>(message)->response_type & 0x7F;
        presses += kind == XCB_KEY_PRESS;
        releases += kind == XCB_KEY_RELEASE;
        return false;
    }
};

} // namespace

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
        const XKeyEvents keys;
        QVERIFY(desktop::xdotool({"keydown", "Left", "sleep", "2", "keyup", "Left"}));
        QVERIFY(keys.presses > 10);
        QCOMPARE(keys.releases, 1);
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
