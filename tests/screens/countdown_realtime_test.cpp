#include "support/game.h"

#include <QElapsedTimer>
#include <QTest>

// The one test that lets a countdown run on the clock: level 3 lost after ten seconds.
class CountdownRealtimeTest : public QObject {
    Q_OBJECT

private slots:
    void levelThreeRunsOutAfterTenSeconds()
    {
        Game game;
        QElapsedTimer clock;
        game.registry.show("frmMAze3");
        clock.start();
        QTRY_VERIFY_WITH_TIMEOUT(game.isVisible("frmLost"), 12000);
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(elapsed >= 9990 && elapsed <= 10300, qPrintable(QString::number(elapsed)));
        QCOMPARE(game.control("frmMAze3", "lblTime").caption(), std::string("0"));
    }
};

QTEST_MAIN(CountdownRealtimeTest)
#include "countdown_realtime_test.moc"
