#include "support/game.h"

#include <QElapsedTimer>
#include <QTest>
#include <QWidget>

// Start-up on the clock: the splash shuffles five times a second for 2.5 seconds.
class StartupRealtimeTest : public QObject {
    Q_OBJECT

    // Each shuffle shows exactly two snails, one of each side.
    struct ShowCounter : QObject {
        int shows = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            shows += event->type() == QEvent::Show;
            return false;
        }
    };

private slots:
    void menuAfterTwoAndAHalfSeconds()
    {
        Game game;
        startGame(game);
        QElapsedTimer clock;
        clock.start();
        ShowCounter counter;
        for (const char* array : {"Image1", "Image2"}) {
            for (int index = 0; index < 3; ++index)
                game.control("frmSplash", array, index).widget()->installEventFilter(&counter);
        }
        QTRY_VERIFY_WITH_TIMEOUT(game.isVisible("frmLevel"), 4000);
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(elapsed >= 2400 && elapsed <= 2800, qPrintable(QString::number(elapsed)));
        const int shuffles = counter.shows / 2;
        QVERIFY2(shuffles >= 11 && shuffles <= 13, qPrintable(QString::number(shuffles)));
        QVERIFY(!game.isVisible("frmSplash"));
    }
};

QTEST_MAIN(StartupRealtimeTest)
#include "startup_realtime_test.moc"
