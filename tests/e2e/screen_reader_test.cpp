#include "support/desktop.h"
#include "support/process.h"
#include "support/speech_log.h"

#include <QTest>

namespace {

// Each release on the way out of level 1, from a wall at the start, and what it says.
const std::pair<const char*, const char*> wayOut[] = {
    {"Up", "Wall."},
    {"Left", "Left. Open: left, right."},
    {"Left", "Left. Open: left, right."},
    {"Left", "Left. Open: down, left, right."},
    {"Left", "Left. Open: left, right."},
    {"Left", "Left. Open: left, right."},
    {"Left", "Left. Open: down, left, right."},
    {"Down", "Down. Open: up, down."},
    {"Down", "Down. Open: up, down."},
    {"Down", "Down. Open: up, down."},
    {"Down", "Down. Open: up, left, right."},
    {"Left", "Left. Open: down, left, right."},
    {"Left", "Left. Open: left, right."},
    {"Left", "Left. Open: up, down, left, right."},
    {"Left", "Left. Open: left, right."},
    {"Left", "Left. Open: up, down, right."},
    {"Up", "Up. Open: down, left."},
    {"Left", "Left. Open: up, right."},
    {"Up", "Up. Open: up, down, left."},
    {"Up", "Up. Open: up, down."},
    {"Up", "Up. Open: down, left."},
};

} // namespace

// The real program played by ear on the X11 desktop, with the Orca screen reader listening
// (with-screen-reader.sh): what Orca says, in order, and how soon after each key.
class ScreenReaderTest : public QObject {
    Q_OBJECT

    std::unique_ptr<support::Desktop> desktop = support::openDesktop();
    support::SpeechLog log;

    bool hear(const QString& start, int timeoutMs = 5000)
    {
        return log.hear(start, timeoutMs).has_value();
    }

private slots:
    void playedByEar()
    {
        QVERIFY(log.open());
        QProcess game;
        desktop->launch(game, TRUNDLEX_PATH, QProcessEnvironment::systemEnvironment());
        QVERIFY(hear("Maze dialog \u00A9 2026 The Trundlex developers."));
        QVERIFY(hear("Maze.", 10000));
        QVERIFY(hear("Level 2 push button."));
        QVERIFY(desktop->type({"alt+1"}));
        QVERIFY(hear("Maze - Level 1."));
        QVERIFY(hear("Level 1, 30 seconds. Open: left."));

        // Each step is heard at once, and before the next.
        for (const auto& [key, sentence] : wayOut) {
            const double released = support::msOfTheDay();
            QVERIFY(desktop->type({key}));
            const std::optional<support::Heard> heard = log.hear(sentence, 1000);
            QVERIFY2(heard, sentence);
            QVERIFY2(heard->at - released < 150, qPrintable(QString::number(heard->at - released)));
            QVERIFY2(log.unread().isEmpty(), qPrintable(log.unread().value(0).sentence));
        }
        QVERIFY(desktop->type({"Left"}));
        QVERIFY(hear("alert Congratulations."));
        QVERIFY(hear("YOU WON"));

        QVERIFY(desktop->type({"alt+m"}));
        QVERIFY(hear("Level 2 push button."));
        QVERIFY(desktop->type({"alt+3"}));
        QVERIFY(hear("Level 3, 10 seconds. Open: left."));
        std::optional<support::Heard> count = log.hear("5.", 10000);
        for (const char* second : {"4.", "3.", "2.", "1.", "alert Game Over."}) {
            QVERIFY2(count, second);
            const std::optional<support::Heard> next = log.hear(second, 2000);
            QVERIFY2(next && next->at - count->at > 900 && next->at - count->at < 1100, second);
            count = next;
        }
        QVERIFY(hear("YOU LOST"));
        for (const support::Window& window : desktop->windows())
            QVERIFY(desktop->close(window));
        const support::Finished finished = support::finish(game, 10000);
        QVERIFY2(finished.succeeded(), qPrintable(finished.all()));
    }
};

QTEST_GUILESS_MAIN(ScreenReaderTest)
#include "screen_reader_test.moc"
