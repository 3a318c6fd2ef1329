#include "support/desktop.h"
#include "support/game.h"
#include "support/process.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QTest>
#include <QWidget>

#include <xcb/xcb.h>

namespace {

// Records when the X server sent the program each key press and release. A held key must
// come as repeated presses and one release, when it goes up. Were each repeat a release and a
// press, Qt would tell a repeat from the real release only by the press already queued behind
// it: a program that reads the release the moment it arrives sees the snail run on, a busy
// one does not, so the snail's position alone cannot show the fault.
class XKeyEvents : public QAbstractNativeEventFilter {
public:
    XKeyEvents() { qApp->installNativeEventFilter(this); }

    std::vector<xcb_timestamp_t> presses;
    std::vector<xcb_timestamp_t> releases;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_key_press_event_t*>(message);
        if ((event->response_type & 0x7F) == XCB_KEY_PRESS)
            presses.push_back(event->time);
        else if ((event->response_type & 0x7F) == XCB_KEY_RELEASE)
            releases.push_back(event->time);
        return false;
    }
};

} // namespace

// Real keys on a real X server: a held key repeats, and only its last release counts.
class HeldKeysTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Game> game;
    const std::unique_ptr<support::Desktop> desktop = support::openDesktop();

    rt::Control& sprite() { return game->control("frmMaze1", "picSnail"); }

private slots:
    void init()
    {
        game = std::make_unique<Game>();
        game->registry.show("frmMaze1");
        QVERIFY(QTest::qWaitForWindowExposed(game->screen("frmMaze1").window()));
        QVERIFY(support::activate(game->screen("frmMaze1").window()));
    }

    void cleanup() { game.reset(); }

    void holdingLeftForTwoSecondsMovesOneStep()
    {
        const XKeyEvents keys;
        QVERIFY(desktop->hold("Left", 2000));
        QVERIFY(keys.presses.size() > 10);
        QCOMPARE(keys.releases.size(), 1u);
        QCOMPARE(sprite().left(), 6840.0f - 495);
    }

    // Stopped for a moment, as a busy machine may hold it, the game finds two quick taps
    // waiting in its queue. Where the X server has stamped the first release and the second
    // press with the same millisecond, the pair looks to Qt like a repeat of a held key,
    // although the server sends no repeated releases; the taps are made until it has, left
    // and right in turn.
    void aQuickSecondTapCounts()
    {
        const QString game = QString::number(QCoreApplication::applicationPid());
        bool sameMillisecond = false;
        for (int tries = 0; tries < 20 && !sameMillisecond; ++tries) {
            const bool left = tries % 2 == 0;
            const QString taps = left ? "Left Left" : "Right Right";
            const XKeyEvents keys;
            QVERIFY(
                support::run("sh", {"-c", "kill -STOP " + game +
                                              "; timeout 10 xdotool key --delay 0 " + taps +
                                              "; tapped=$?; kill -CONT " + game + "; exit $tapped"})
                    .succeeded());
            QTRY_COMPARE(keys.presses.size(), 2u);
            QTRY_COMPARE(keys.releases.size(), 2u);
            QCOMPARE(sprite().left(), left ? 6840.0f - 2 * 495 : 6840.0f);
            sameMillisecond = keys.releases[0] == keys.presses[1];
        }
        QVERIFY2(sameMillisecond, "the X server never stamped two taps with one millisecond");
    }

    void arrowsReachTheScreenWhileAButtonHasTheFocus()
    {
        QWidget* menu = game->control("frmMaze1", "cmdMenu").widget();
        menu->setFocus();
        QCOMPARE(QApplication::focusWidget(), menu);
        QVERIFY(desktop->type({"Left", "Left"}));
        QCOMPARE(sprite().left(), 6840.0f - 2 * 495);
        QVERIFY(game->isVisible("frmMaze1"));
    }
};

QTEST_MAIN(HeldKeysTest)
#include "held_keys_test.moc"
