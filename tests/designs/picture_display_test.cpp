#include "support/game.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QTest>
#include <QWidget>

namespace {

QImage picture(const char* name)
{
    return QImage(QString(":/pictures/%1.bmp").arg(name)).convertToFormat(QImage::Format_RGB32);
}

QImage grab(Game& game, const char* screen)
{
    return game.screen(screen).window()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The screen drawn into a buffer with an alpha channel, cleared to transparent, as a
// compositor's buffer is: whatever the screen leaves see-through shows up.
QImage renderWithAlpha(Game& game, const char* screen)
{
    QWidget* window = game.screen(screen).window();
    QImage buffer(window->size(), QImage::Format_ARGB32_Premultiplied);
    buffer.fill(Qt::transparent);
    window->render(&buffer);
    return buffer;
}

// Where the screen's visible controls cover its background picture.
QRegion coveredByControls(rt::Screen& form)
{
    QRegion covered;
    for (const auto& control : form.controls()) {
        if (control->widget() && control->visible())
            covered += control->widget()->geometry();
    }
    return covered;
}

// The screen shows exactly the given part of the picture at the given place.
bool showsPicture(const QImage& screen, QPoint at, const QImage& picture, const QRect& part)
{
    return screen.copy(QRect(at, part.size())) == picture.copy(part);
}

} // namespace

// Pictures drawn one picture pixel to one screen pixel, never scaled, cut where their
// control or window ends.
class PictureDisplayTest : public QObject {
    Q_OBJECT

    QImage snailLeft;

    // Moves the snail of a fresh level onto (2, 1), in front of the END boxes.
    void walkToTheEndBoxes()
    {
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left,
                            Qt::Key_Left, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down,
                            Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left,
                            Qt::Key_Up,   Qt::Key_Left, Qt::Key_Up,   Qt::Key_Up,   Qt::Key_Up})
            support::type(key);
    }

private slots:
    void initTestCase() { snailLeft = picture("SnailLeft"); }

    void splashAndMenuShowTheSameBackdrop()
    {
        Game game;
        game.registry.load("frmSplash");
        game.registry.load("frmLevel");
        const QImage backdrop = picture("TitleBackdrop");
        const QImage splash = grab(game, "frmSplash");
        const QImage menu = grab(game, "frmLevel");
        QCOMPARE(splash.size(), QSize(565, 491));
        QCOMPARE(menu.size(), QSize(581, 490));
        const QRegion covered = coveredByControls(game.screen("frmSplash")) +
                                coveredByControls(game.screen("frmLevel"));
        int compared = 0;
        for (int y = 0; y < 490; ++y) {
            for (int x = 0; x < 565; ++x) {
                if (covered.contains(QPoint(x, y)))
                    continue;
                QCOMPARE(splash.pixel(x, y), backdrop.pixel(x, y));
                QCOMPARE(menu.pixel(x, y), backdrop.pixel(x, y));
                ++compared;
            }
        }
        QVERIFY(compared > 200000);
        // The menu's client area is wholly backdrop, to its last column and row.
        for (int y = 0; y < 490; ++y)
            QCOMPARE(menu.pixel(580, y), backdrop.pixel(580, y));
        for (int x = 0; x < 581; x += 7)
            QCOMPARE(menu.pixel(x, 489), backdrop.pixel(x, 489));
        // On the splash, column 564 is the last seen, and the top right band runs into it.
        QCOMPARE(splash.pixel(564, 490), backdrop.pixel(564, 490));
        for (int y = 192; y < 222; ++y)
            QCOMPARE(QColor(splash.pixel(564, y)), QColor(Qt::white));
    }

    void splashSnailsOnUnbrokenWhite()
    {
        Game game;
        game.registry.load("frmSplash");
        const QImage backdrop = picture("TitleBackdrop");
        const QImage snailRight = picture("SnailRight");
        for (const char* array : {"Image1", "Image2"}) {
            for (int index = 0; index < 3; ++index) {
                rt::Control& image = game.control("frmSplash", array, index);
                image.setVisible(true);
                const QRect area = image.widget()->geometry();
                QCOMPARE(area.size(), QSize(36, 30));
                for (int y = area.top(); y <= area.bottom(); ++y) {
                    for (int x = area.left(); x <= area.right(); ++x)
                        QCOMPARE(QColor(backdrop.pixel(x, y)), QColor(Qt::white));
                }
                const QImage& shown = array == std::string_view("Image1") ? snailRight : snailLeft;
                QVERIFY(showsPicture(grab(game, "frmSplash"), area.topLeft(), shown, shown.rect()));
            }
        }
    }

    void spriteShowsTheSnailsTopLeftOnly()
    {
        Game game;
        game.registry.load("frmMaze1");
        const QImage maze = grab(game, "frmMaze1");
        // The window's edge cuts the box's last two columns.
        QVERIFY(showsPicture(maze, QPoint(456, 40), snailLeft, QRect(0, 0, 23, 25)));
        // Below the box lies the wall of (14, 2), not the rest of the snail's foot.
        QCOMPARE(QColor(maze.pixel(470, 65)), QColor(Qt::black));
    }

    void endBoxesShowBlackLettersOnWhite()
    {
        Game game;
        game.registry.load("frmMaze2");
        const QImage maze = renderWithAlpha(game, "frmMaze2");
        const char* letters[] = {"LetterE", "LetterN", "LetterD"};
        for (int cell = 0; cell < 3; ++cell) {
            const QImage letter = picture(letters[cell]);
            // Neighbouring boxes overlap its edges by a pixel.
            const QRect box(32 * cell, 32, 32, 32);
            QVERIFY(showsPicture(maze.convertToFormat(QImage::Format_RGB32),
                                 box.topLeft() + QPoint(1, 1), letter, QRect(1, 1, 30, 29)));
            // Opaque black and white only: the pictures' fourth bytes are no alpha.
            for (int y = box.top(); y <= box.bottom(); ++y) {
                for (int x = box.left(); x <= box.right(); ++x) {
                    const QRgb pixel = maze.pixel(x, y);
                    QVERIFY2(pixel == qRgb(0, 0, 0) || pixel == qRgb(255, 255, 255),
                             qPrintable(QString("#%1 at %2,%3").arg(pixel, 8, 16).arg(x).arg(y)));
                    if (y >= box.top() + 30)
                        QCOMPARE(pixel, qRgb(255, 255, 255)); // below the picture: back colour
                }
            }
        }
    }

    void snailAgainstTheEndBoxes_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("snailInFront");
        QTest::newRow("level 1") << "frmMaze1" << true;
        QTest::newRow("level 2") << "frmMaze2" << true;
        QTest::newRow("level 3") << "frmMAze3" << false;
    }

    void snailAgainstTheEndBoxes()
    {
        QFETCH(QString, screen);
        QFETCH(bool, snailInFront);
        Game game;
        game.registry.show(screen.toStdString());
        walkToTheEndBoxes();
        const QImage maze = grab(game, qPrintable(screen));
        const QPoint sprite(60, 40); // cell (2, 1), drifted 12 steps of 495 twips
        // Its last row reaches the wall below (1, 1), which is in front on level 2.
        QCOMPARE(showsPicture(maze, sprite, snailLeft, QRect(0, 0, 25, 24)), snailInFront);
        if (!snailInFront) {
            for (int y = 0; y < 25; ++y) {
                for (int x = 0; x < 25; ++x) {
                    const QColor pixel = maze.pixel(sprite + QPoint(x, y));
                    QVERIFY(pixel == Qt::black || pixel == Qt::white);
                }
            }
        }
    }

    // At every size of the icon theme, each a crisp enlargement of a drawn size: 32 by 32
    // where 32 divides the size, else 16 by 16.
    void everyWindowCarriesTheIcon()
    {
        Game game;
        game.registry.show("frmMaze1");
        QVERIFY(QTest::qWaitForWindowExposed(game.screen("frmMaze1").window()));
        QTRY_VERIFY(!QApplication::windowIcon().isNull());
        const QIcon icon = QApplication::windowIcon();
        const QList<QSize> sizes = {{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
        QCOMPARE(icon.availableSizes(), sizes);
        for (const QSize& size : sizes) {
            const QSize drawn = size.width() % 32 == 0 ? QSize(32, 32) : QSize(16, 16);
            QCOMPARE(icon.pixmap(size).toImage(),
                     icon.pixmap(drawn).toImage().scaled(size, Qt::IgnoreAspectRatio,
                                                         Qt::FastTransformation));
        }
        QCOMPARE(game.screen("frmMaze1").window()->windowIcon().cacheKey(), icon.cacheKey());
    }
};

QTEST_MAIN(PictureDisplayTest)
#include "picture_display_test.moc"
