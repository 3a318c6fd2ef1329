#include "support/game.h"

#include <QImage>
#include <QTest>
#include <QWidget>

// On a display with two device pixels to the pixel, pictures grow by whole pixels:
// every picture pixel becomes a 2 x 2 block of the same colour.
class CrispPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void snailDoubledPixelForPixel()
    {
        Game game;
        game.registry.load("frmMaze1");
        const QImage maze = game.screen("frmMaze1").window()->grab().toImage();
        QCOMPARE(maze.devicePixelRatio(), 2.0);
        const QImage snail = QImage(":/pictures/SnailLeft.bmp");
        for (int y = 0; y < 25; ++y) {
            for (int x = 0; x < 23; ++x) {
                for (QPoint device : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                    const QPoint at = QPoint(2 * (456 + x), 2 * (40 + y)) + device;
                    QCOMPARE(QColor(maze.pixel(at)), QColor(snail.pixel(x, y)));
                }
            }
        }
    }
};

QTEST_MAIN(CrispPicturesTest)
#include "crisp_pictures_test.moc"
