// The program icon: a white window seen at a slant with a cyan title bar and a grey
// shadow, in three images: 32 by 32 in black and white, 32 by 32 and 16 by 16 in colour.

#include <QTest>

#include "picture_files.h"

using namespace picturefiles;

namespace {

constexpr std::uint32_t cyan = 0x00FFFF;
constexpr std::uint32_t lightGrey = 0xC0C0C0;
constexpr std::uint32_t grey = 0x808080;

const QList<std::uint32_t> standardPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

bool isWindow(std::uint32_t rgb)
{
    return rgb != seeThrough && rgb != grey;
}

} // namespace

class AppIconTest : public QObject {
    Q_OBJECT

private:
    IconFile icon_;

    // The black-and-white image comes first.
    QList<IconImage> colourImages() const { return icon_.images.mid(1); }

private slots:
    // An icon file of three images, ending with the last of them.
    void initTestCase()
    {
        icon_ = readIcon(picturePath("AppIcon.ico"));
        QCOMPARE(icon_.reserved, 0);
        QCOMPARE(icon_.type, 1);
        QCOMPARE(icon_.count, 3);
        QCOMPARE(icon_.bytes.size(), 1102 + 296);
    }

    void images_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("bitsPerPixel");
        QTest::addColumn<QList<std::uint32_t>>("palette");
        QTest::addColumn<std::uint32_t>("offset");
        QTest::addColumn<std::uint32_t>("bytes");
        QTest::newRow("32 by 32 in black and white")
            << 0 << 32 << 1 << QList<std::uint32_t>{black, white} << 54u << 304u;
        QTest::newRow("32 by 32 in colour") << 1 << 32 << 4 << standardPalette << 358u << 744u;
        QTest::newRow("16 by 16 in colour") << 2 << 16 << 4 << standardPalette << 1102u << 296u;
    }

    // Each image as its directory entry gives it, following the one before: its header, its
    // palette, colour bits and a 1-bit mask, filling exactly the entry's bytes.
    void images()
    {
        QFETCH(int, index);
        QFETCH(int, size);
        QFETCH(int, bitsPerPixel);
        QFETCH(QList<std::uint32_t>, palette);
        QFETCH(std::uint32_t, offset);
        QFETCH(std::uint32_t, bytes);
        const IconEntry& entry = icon_.entries[index];
        QCOMPARE(entry.width, size);
        QCOMPARE(entry.height, size);
        QCOMPARE(entry.colourCount, palette.size());
        QCOMPARE(entry.reserved, 0);
        QCOMPARE(entry.planes, 1);
        QCOMPARE(entry.bitsPerPixel, bitsPerPixel);
        QCOMPARE(entry.bytesInResource, bytes);
        QCOMPARE(entry.imageOffset, offset);
        const IconImage& image = icon_.images[index];
        QCOMPARE(image.info.headerSize, 40u);
        QCOMPARE(image.info.width, size);
        QCOMPARE(image.info.height, 2 * size); // colour bits and mask together
        QCOMPARE(image.info.planes, 1);
        QCOMPARE(image.info.bitsPerPixel, bitsPerPixel);
        QCOMPARE(image.info.compression, 0u);
        QCOMPARE(image.palette, palette);
        QCOMPARE(40 + 4 * palette.size() + image.colours.byteCount() + image.mask.byteCount(),
                 qsizetype(bytes));
        QVERIFY(image.colours.paddingIsZero());
        QVERIFY(image.mask.paddingIsZero());
    }

    // Transparent pixels carry colour 0 under the mask, so they leave the screen unchanged.
    void transparentGround()
    {
        for (const IconImage& image : icon_.images) {
            const int last = image.rect().width() - 1;
            QVERIFY(image.transparent(0, 0) && image.transparent(last, 0));
            QVERIFY(image.transparent(0, last) && image.transparent(last, last));
            for (const auto [x, y] : pixelsWhere(image, is(seeThrough), image.rect()))
                QCOMPARE(image.colours.value(x, y), 0u);
        }
    }

    void colourImageColours()
    {
        for (const IconImage& image : colourImages())
            QCOMPARE(coloursOf(image),
                     (std::set<std::uint32_t>{seeThrough, black, white, cyan, lightGrey, grey}));
    }

    // The window's inside never touches the ground or the shadow.
    void windowIsOutlinedInBlack()
    {
        for (const IconImage& image : colourImages()) {
            const QRect inside = image.rect().adjusted(1, 1, -1, -1);
            const auto windowInside = [](std::uint32_t rgb) {
                return isWindow(rgb) && rgb != black;
            };
            for (const auto [x, y] : pixelsWhere(image, windowInside, image.rect())) {
                QVERIFY(inside.contains(x, y));
                for (auto [nx, ny] : {std::pair{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}})
                    QVERIFY2(isWindow(image.rgb(nx, ny)),
                             qPrintable(QString("open edge at %1,%2").arg(x).arg(y)));
            }
        }
    }

    // Column by column the title bar starts lower towards the right, and a light grey line
    // runs under it.
    void titleBarStepsDown()
    {
        for (const IconImage& image : colourImages()) {
            QList<int> barTops;
            for (int x = 0; x <= image.rect().right(); ++x) {
                const QRect bar = boxOf(image, is(cyan), QRect(x, 0, 1, image.rect().height()));
                if (bar.isNull())
                    continue;
                barTops.append(bar.top());
                QCOMPARE(image.rgb(x, bar.bottom() + 1), lightGrey);
            }
            QVERIFY(barTops.size() > image.rect().width() / 2);
            QVERIFY(std::is_sorted(barTops.begin(), barTops.end()));
            QVERIFY(barTops.last() >= barTops.first() + 3);
        }
    }

    // Every shadow pixel has the window up and to its left.
    void shadowFallsToTheLowerRight()
    {
        for (const IconImage& image : colourImages()) {
            const QList<QPoint> shadow = pixelsWhere(image, is(grey), image.rect());
            for (const auto [x, y] : shadow) {
                const bool cast = (x >= 1 && y >= 1 && isWindow(image.rgb(x - 1, y - 1))) ||
                                  (x >= 2 && y >= 2 && isWindow(image.rgb(x - 2, y - 2)));
                QVERIFY2(cast, qPrintable(QString("stray shadow at %1,%2").arg(x).arg(y)));
            }
            QVERIFY(shadow.size() > image.rect().width());
        }
    }

    // The black-and-white image is the large colour image's drawing: the same shape, with
    // its white and its black kept, and the title bar standing out dark.
    void blackAndWhiteImageMatchesTheColourOne()
    {
        const IconImage& mono = icon_.images[0];
        const IconImage& colour = icon_.images[1];
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const std::uint32_t shown = colour.rgb(x, y);
                QCOMPARE(mono.rgb(x, y) == seeThrough, shown == seeThrough);
                if (shown == seeThrough || shown == white || shown == black)
                    QCOMPARE(mono.rgb(x, y), shown);
                if (shown == cyan)
                    QCOMPARE(mono.rgb(x, y), black);
            }
        }
    }
};

QTEST_GUILESS_MAIN(AppIconTest)
#include "app_icon_test.moc"
