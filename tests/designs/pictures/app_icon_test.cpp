// The program icon: a white window seen at a slant with a cyan title bar and a grey
// shadow, in three images: 32 by 32 in black and white, 32 by 32 and 16 by 16 in colour.

#include <QTest>

#include "picture_files.h"

#include <set>

using picturefiles::IconFile;
using picturefiles::IconImage;

namespace {

constexpr std::uint32_t black = 0x000000;
constexpr std::uint32_t white = 0xFFFFFF;
constexpr std::uint32_t cyan = 0x00FFFF;
constexpr std::uint32_t lightGrey = 0xC0C0C0;
constexpr std::uint32_t grey = 0x808080;

const QList<std::uint32_t> standardPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

bool isWindow(const IconImage& image, int x, int y)
{
    return !image.transparent(x, y) && image.rgb(x, y) != grey;
}

} // namespace

class AppIconTest : public QObject {
    Q_OBJECT

private:
    IconFile icon_;

    void addColourImages()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("32 by 32") << 1;
        QTest::newRow("16 by 16") << 2;
    }

private slots:
    void initTestCase()
    {
        icon_ = picturefiles::readIcon(picturefiles::picturePath("AppIcon.ico"));
        QCOMPARE(icon_.count, 3);
    }

    void directory()
    {
        QCOMPARE(icon_.reserved, 0);
        QCOMPARE(icon_.type, 1);
        const int sizes[] = {32, 32, 16};
        const int bits[] = {1, 4, 4};
        const int colours[] = {2, 16, 16};
        const std::uint32_t bytes[] = {304, 744, 296};
        std::uint32_t offset = 6 + 3 * 16;
        for (int i = 0; i < 3; ++i) {
            const auto& entry = icon_.entries[i];
            QCOMPARE(entry.width, sizes[i]);
            QCOMPARE(entry.height, sizes[i]);
            QCOMPARE(entry.colourCount, colours[i]);
            QCOMPARE(entry.reserved, 0);
            QCOMPARE(entry.planes, 1);
            QCOMPARE(entry.bitsPerPixel, bits[i]);
            QCOMPARE(entry.bytesInResource, bytes[i]);
            QCOMPARE(entry.imageOffset, offset);
            offset += bytes[i];
        }
        QCOMPARE(std::uint32_t(icon_.bytes.size()), offset);
    }

    // Each image: its header, its palette, colour bits and a 1-bit mask, filling exactly
    // the bytes its directory entry gives.
    void imageLayout()
    {
        for (int i = 0; i < 3; ++i) {
            const auto& entry = icon_.entries[i];
            const IconImage& image = icon_.images[i];
            QCOMPARE(image.info.headerSize, 40u);
            QCOMPARE(image.info.width, entry.width);
            QCOMPARE(image.info.height, 2 * entry.height); // colour bits and mask together
            QCOMPARE(image.info.planes, 1);
            QCOMPARE(image.info.bitsPerPixel, entry.bitsPerPixel);
            QCOMPARE(image.info.compression, 0u);
            const qsizetype total =
                40 + 4 * image.palette.size() + image.colours.byteCount() + image.mask.byteCount();
            QCOMPARE(total, qsizetype(entry.bytesInResource));
            QVERIFY(image.colours.paddingIsZero());
            QVERIFY(image.mask.paddingIsZero());
        }
    }

    void palettes()
    {
        QCOMPARE(icon_.images[0].palette, (QList<std::uint32_t>{black, white}));
        QCOMPARE(icon_.images[1].palette, standardPalette);
        QCOMPARE(icon_.images[2].palette, standardPalette);
    }

    // Transparent pixels carry colour 0 under the mask, so they leave the screen unchanged.
    void transparentGround()
    {
        for (const IconImage& image : icon_.images) {
            const int last = image.size() - 1;
            QVERIFY(image.transparent(0, 0) && image.transparent(last, 0));
            QVERIFY(image.transparent(0, last) && image.transparent(last, last));
            for (int y = 0; y <= last; ++y)
                for (int x = 0; x <= last; ++x)
                    if (image.transparent(x, y))
                        QCOMPARE(image.colours.value(x, y), 0u);
        }
    }

    void colourImageColours_data() { addColourImages(); }

    void colourImageColours()
    {
        QFETCH(int, index);
        const IconImage& image = icon_.images[index];
        std::set<std::uint32_t> used;
        for (int y = 0; y < image.size(); ++y)
            for (int x = 0; x < image.size(); ++x)
                if (!image.transparent(x, y))
                    used.insert(image.rgb(x, y));
        QCOMPARE(used, (std::set<std::uint32_t>{black, white, cyan, lightGrey, grey}));
    }

    void windowIsOutlinedInBlack_data() { addColourImages(); }

    // The window's inside never touches the ground or the shadow.
    void windowIsOutlinedInBlack()
    {
        QFETCH(int, index);
        const IconImage& image = icon_.images[index];
        const int size = image.size();
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                if (!isWindow(image, x, y) || image.rgb(x, y) == black)
                    continue;
                QVERIFY(x > 0 && y > 0 && x < size - 1 && y < size - 1);
                for (auto [nx, ny] : {std::pair{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}})
                    QVERIFY2(isWindow(image, nx, ny),
                             qPrintable(QString("open edge at %1,%2").arg(x).arg(y)));
            }
        }
    }

    void titleBarStepsDown_data() { addColourImages(); }

    // Column by column the title bar starts lower towards the right, and a light grey line
    // runs under it.
    void titleBarStepsDown()
    {
        QFETCH(int, index);
        const IconImage& image = icon_.images[index];
        QList<int> barTops;
        for (int x = 0; x < image.size(); ++x) {
            int top = -1;
            int bottom = -1;
            for (int y = 0; y < image.size(); ++y) {
                if (!image.transparent(x, y) && image.rgb(x, y) == cyan) {
                    top = top < 0 ? y : top;
                    bottom = y;
                }
            }
            if (top < 0)
                continue;
            barTops.append(top);
            QCOMPARE(image.rgb(x, bottom + 1), lightGrey);
        }
        QVERIFY(barTops.size() > image.size() / 2);
        QVERIFY(std::is_sorted(barTops.begin(), barTops.end()));
        QVERIFY(barTops.last() >= barTops.first() + 3);
    }

    void shadowFallsToTheLowerRight_data() { addColourImages(); }

    // Every shadow pixel has the window up and to its left.
    void shadowFallsToTheLowerRight()
    {
        QFETCH(int, index);
        const IconImage& image = icon_.images[index];
        int shadowPixels = 0;
        for (int y = 0; y < image.size(); ++y) {
            for (int x = 0; x < image.size(); ++x) {
                if (image.transparent(x, y) || image.rgb(x, y) != grey)
                    continue;
                ++shadowPixels;
                const bool cast = (x >= 1 && y >= 1 && isWindow(image, x - 1, y - 1)) ||
                                  (x >= 2 && y >= 2 && isWindow(image, x - 2, y - 2));
                QVERIFY2(cast, qPrintable(QString("stray shadow at %1,%2").arg(x).arg(y)));
            }
        }
        QVERIFY(shadowPixels > image.size());
    }

    // The black-and-white image is the large colour image's drawing: the same shape, with
    // its white and its black kept.
    void blackAndWhiteImageMatchesTheColourOne()
    {
        const IconImage& mono = icon_.images[0];
        const IconImage& colour = icon_.images[1];
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                QCOMPARE(mono.transparent(x, y), colour.transparent(x, y));
                if (colour.transparent(x, y))
                    continue;
                if (colour.rgb(x, y) == white || colour.rgb(x, y) == black)
                    QCOMPARE(mono.rgb(x, y), colour.rgb(x, y));
                if (colour.rgb(x, y) == cyan)
                    QCOMPARE(mono.rgb(x, y), black); // the title bar stands out dark
            }
        }
    }
};

QTEST_GUILESS_MAIN(AppIconTest)
#include "app_icon_test.moc"
