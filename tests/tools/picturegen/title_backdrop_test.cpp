// The title backdrop: the game's title in smoothed white capitals above a maze of white
// corridors on black, with room left for the snails and notices that screens put on it.

#include <QTest>

#include "backdrop_bands.h"
#include "picture_files.h"

#include <algorithm>
#include <cmath>

using namespace picturefiles;

namespace {

constexpr int width = 582;
constexpr int height = 491;

// Each title line's ink, and the last row of its capitals, which start at the ink's top
// (a tail may hang one row lower).
struct TitleLine {
    QRect ink;
    int capitalsBottom;
};

const TitleLine titleLines[] = {
    {QRect(QPoint(90, 71), QPoint(476, 109)), 108},
    {QRect(QPoint(216, 126), QPoint(350, 163)), 163},
};

bool isInk(std::uint32_t rgb)
{
    return rgb != black;
}

bool isGrey(std::uint32_t rgb)
{
    return rgb != black && rgb != white;
}

QRect rows(int top, int bottom)
{
    return {0, top, width, bottom - top + 1};
}

bool whiteInCorridor(int x, int y)
{
    const auto in = [x, y](const picturegen::Area& area) { return area.contains(x, y); };
    if (std::ranges::any_of(picturegen::clippedCorners, in))
        return false;
    return picturegen::lowerRightLip.contains(x, y) ||
           std::ranges::any_of(picturegen::corridorBands, in);
}

} // namespace

class TitleBackdropTest : public QObject {
    Q_OBJECT

private:
    BitmapFile backdrop_;

    std::uint32_t at(int x, int y) const { return backdrop_.rgb(x, y); }
    QRect inkIn(const QRect& area) const { return boxOf(backdrop_, isInk, area); }

private slots:
    void initTestCase()
    {
        backdrop_ = readBitmap(picturePath("TitleBackdrop.bmp"));
        QCOMPARE(backdrop_.rect(), rows(0, height - 1));
    }

    void seventeenColours()
    {
        std::set<std::uint32_t> expected = {black, white};
        for (std::uint32_t level = 0x10; level <= 0xF0; level += 0x10)
            expected.insert(level * 0x010101);
        QCOMPARE(coloursOf(backdrop_), expected);
        const double pixels = width * height;
        const double blacks = count(backdrop_, is(black), backdrop_.rect()) / pixels;
        const double whites = count(backdrop_, is(white), backdrop_.rect()) / pixels;
        QVERIFY(blacks > 0.77 && blacks < 0.81);
        QVERIFY(whites > 0.18 && whites < 0.22);
    }

    void greysOnlySmoothTheTitleEdges()
    {
        for (const auto [x, y] : pixelsWhere(backdrop_, isGrey, backdrop_.rect())) {
            const QString where = QString("%1,%2").arg(x).arg(y);
            const bool inTitle =
                titleLines[0].ink.contains(x, y) || titleLines[1].ink.contains(x, y);
            QVERIFY2(inTitle, qPrintable("grey at " + where));
            const QRect near(x - 2, y - 2, 5, 5);
            QVERIFY2(count(backdrop_, is(black), near) && count(backdrop_, is(white), near),
                     qPrintable("grey away from an edge at " + where));
        }
    }

    void titleLinesKeepTheirPlace()
    {
        for (const TitleLine& title : titleLines) {
            const QRect found = inkIn(rows(title.ink.top() - 5, title.ink.bottom() + 5));
            QCOMPARE(found, title.ink);
            QVERIFY(std::abs(found.left() + found.right() - 2 * 283) <= 2);
        }
    }

    // Capital rows are those whose ink spreads over more than half of the line; a tail
    // below the baseline does not. The capitals lean right.
    void capitalsAre38PixelsHighAndLeanRight()
    {
        for (const TitleLine& title : titleLines) {
            QList<int> capitalRows;
            for (int y = title.ink.top(); y <= title.ink.bottom(); ++y) {
                if (inkIn(rows(y, y)).width() > title.ink.width() / 2)
                    capitalRows.append(y);
            }
            QVERIFY(!capitalRows.isEmpty());
            QCOMPARE(capitalRows.first(), title.ink.top());
            QCOMPARE(capitalRows.last(), title.capitalsBottom);
            QCOMPARE(capitalRows.last() - capitalRows.first() + 1, 38);
            const QRect top = inkIn(rows(capitalRows.first(), capitalRows.first()));
            const QRect bottom = inkIn(rows(capitalRows.last(), capitalRows.last()));
            QVERIFY(top.left() >= bottom.left() + 4);
            QVERIFY(top.right() >= bottom.right() + 4);
        }
    }

    // A stripe four rows high, nine rows below the top of the capitals: its middle two rows
    // are black, the outer two keep only smoothed edges of the strokes, and the strokes go
    // on beside it.
    void stripeCrossesEachLine()
    {
        for (const TitleLine& title : titleLines) {
            const auto lineRow = [&title](int y) {
                return QRect(title.ink.left(), y, title.ink.width(), 1);
            };
            const int stripeTop = title.ink.top() + 9;
            QCOMPARE(inkIn(lineRow(stripeTop + 1)), QRect());
            QCOMPARE(inkIn(lineRow(stripeTop + 2)), QRect());
            for (int y : {stripeTop, stripeTop + 3}) {
                QCOMPARE(count(backdrop_, is(white), lineRow(y)), 0);
                QVERIFY(count(backdrop_, isGrey, lineRow(y)) > 0);
            }
            for (int y : {stripeTop - 1, stripeTop + 4})
                QVERIFY(count(backdrop_, is(white), lineRow(y)) > 0);
        }
    }

    void corridorIsExactlyTheBands()
    {
        for (int y = 190; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const std::uint32_t expected = whiteInCorridor(x, y) ? white : black;
                if (at(x, y) != expected)
                    QFAIL(qPrintable(QString("wrong colour at %1,%2").arg(x).arg(y)));
            }
        }
    }

    // What the screens put on the backdrop, and the rows that frame the title.
    void plainAreas_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<std::uint32_t>("rgb");
        QTest::newRow("above the title") << rows(0, 70) << black;
        QTest::newRow("between the title lines") << rows(110, 125) << black;
        QTest::newRow("below the title") << rows(164, 189) << black;
        QTest::newRow("last row") << rows(490, 490) << black;
        QTest::newRow("low block") << QRect(QPoint(135, 454), QPoint(437, 489)) << black;
        QTest::newRow("level menu notice") << QRect(200, 472, 161, 17) << black;
        QTest::newRow("splash notice") << QRect(208, 472, 161, 17) << black;
        QTest::newRow("splash Image1(0)") << QRect(8, 192, 36, 30) << white;
        QTest::newRow("splash Image1(1)") << QRect(104, 272, 36, 30) << white;
        QTest::newRow("splash Image1(2)") << QRect(184, 352, 36, 30) << white;
        QTest::newRow("splash Image2(0)") << QRect(520, 192, 36, 30) << white;
        QTest::newRow("splash Image2(1)") << QRect(440, 272, 36, 30) << white;
        QTest::newRow("splash Image2(2)") << QRect(344, 352, 36, 30) << white;
        // The right entrance runs on past the splash screen's last visible column.
        QTest::newRow("right entrance") << QRect(QPoint(471, 190), QPoint(581, 221)) << white;
    }

    void plainAreas()
    {
        QFETCH(QRect, area);
        QFETCH(std::uint32_t, rgb);
        QCOMPARE(count(backdrop_, is(rgb), area), area.width() * area.height());
    }

    void corridorRoughlyMirrorsAboutTheMiddle()
    {
        constexpr int middle = 283;
        int same = 0;
        for (int y = 190; y < height; ++y)
            for (int x = 0; x <= 2 * middle; ++x)
                same += at(x, y) == at(2 * middle - x, y);
        QVERIFY(same > 0.95 * (height - 190) * (2 * middle + 1));
    }
};

QTEST_GUILESS_MAIN(TitleBackdropTest)
#include "title_backdrop_test.moc"
