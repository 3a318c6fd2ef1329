// The title backdrop: the game's title in smoothed white capitals above a maze of white
// corridors on black, with room left for the snails and notices that screens put on it.

#include <QTest>

#include "picture_files.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

using picturefiles::BitmapFile;

namespace {

constexpr std::uint32_t black = 0x000000;
constexpr std::uint32_t white = 0xFFFFFF;
constexpr int width = 582;
constexpr int height = 491;

// Inclusive pixel columns and rows.
struct Area {
    int left;
    int top;
    int right;
    int bottom;
    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// The white corridor: bands 32 pixels wide, overlapping where they meet.
constexpr std::array<Area, 13> bands = {{
    {0, 190, 96, 221},
    {65, 222, 96, 269},
    {65, 270, 208, 301},
    {103, 302, 134, 489},
    {177, 302, 208, 350},
    {177, 351, 388, 382},
    {103, 422, 239, 453},
    {469, 190, 581, 221},
    {469, 222, 500, 269},
    {357, 270, 500, 301},
    {438, 302, 469, 487},
    {357, 302, 388, 350},
    {335, 422, 469, 453},
}};

constexpr std::array<Area, 2> blackCorners = {{{96, 190, 96, 190}, {469, 190, 470, 191}}};
constexpr Area lowerRightLip = {470, 302, 500, 302};

// Each title line's ink, and the rows of its capitals (a tail may hang one row lower).
struct TitleLine {
    Area ink;
    int capitalsTop;
    int capitalsBottom;
};

constexpr std::array<TitleLine, 2> titleLines = {{
    {{90, 71, 476, 109}, 71, 108},
    {{216, 126, 350, 163}, 126, 163},
}};

bool isGrey(std::uint32_t rgb)
{
    return rgb != black && rgb != white;
}

bool expectedWhiteInCorridor(int x, int y)
{
    const auto in = [x, y](const Area& a) { return a.contains(x, y); };
    if (std::any_of(blackCorners.begin(), blackCorners.end(), in))
        return false;
    return lowerRightLip.contains(x, y) || std::any_of(bands.begin(), bands.end(), in);
}

} // namespace

class TitleBackdropTest : public QObject {
    Q_OBJECT

private:
    BitmapFile backdrop_;

    std::uint32_t at(int x, int y) const { return backdrop_.rgb(x, y); }

    bool areaIs(const Area& area, std::uint32_t rgb) const
    {
        for (int y = area.top; y <= area.bottom; ++y)
            for (int x = area.left; x <= area.right; ++x)
                if (at(x, y) != rgb)
                    return false;
        return true;
    }

    // First and last non-black column of a row within [left, right], or {-1, -1}.
    std::pair<int, int> inkedSpan(int y, int left = 0, int right = width - 1) const
    {
        int first = -1;
        int last = -1;
        for (int x = left; x <= right; ++x) {
            if (at(x, y) != black) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
        return {first, last};
    }

    Area inkBox(int top, int bottom) const
    {
        Area box{width, height, -1, -1};
        for (int y = top; y <= bottom; ++y) {
            const auto [first, last] = inkedSpan(y);
            if (first < 0)
                continue;
            box = {std::min(box.left, first), std::min(box.top, y), std::max(box.right, last),
                   std::max(box.bottom, y)};
        }
        return box;
    }

    bool hasWithin(int x, int y, int reach, std::uint32_t rgb) const
    {
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx)
                if (at(x + dx, y + dy) == rgb)
                    return true;
        return false;
    }

    void addTitleLineRows()
    {
        QTest::addColumn<int>("line");
        QTest::newRow("first line") << 0;
        QTest::newRow("second line") << 1;
    }

private slots:
    void initTestCase()
    {
        backdrop_ = picturefiles::readBitmap(picturefiles::picturePath("TitleBackdrop.bmp"));
        QCOMPARE(backdrop_.info.width, width);
        QCOMPARE(backdrop_.info.height, height);
    }

    void seventeenColours()
    {
        std::set<std::uint32_t> expected = {black, white};
        for (std::uint32_t level = 0x10; level <= 0xF0; level += 0x10)
            expected.insert(level * 0x010101);
        std::set<std::uint32_t> found;
        int blacks = 0;
        int whites = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                found.insert(at(x, y));
                blacks += at(x, y) == black;
                whites += at(x, y) == white;
            }
        }
        QCOMPARE(found, expected);
        const double pixels = width * height;
        QVERIFY(blacks / pixels > 0.77 && blacks / pixels < 0.81);
        QVERIFY(whites / pixels > 0.18 && whites / pixels < 0.22);
    }

    void greysOnlySmoothTheTitleEdges()
    {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (!isGrey(at(x, y)))
                    continue;
                const bool inTitle =
                    std::any_of(titleLines.begin(), titleLines.end(),
                                [x, y](const TitleLine& line) { return line.ink.contains(x, y); });
                QVERIFY2(inTitle, qPrintable(QString("grey at %1,%2").arg(x).arg(y)));
                QVERIFY2(hasWithin(x, y, 2, black) && hasWithin(x, y, 2, white),
                         qPrintable(QString("grey away from an edge at %1,%2").arg(x).arg(y)));
            }
        }
    }

    void titleLinesKeepTheirPlace_data() { addTitleLineRows(); }

    void titleLinesKeepTheirPlace()
    {
        QFETCH(int, line);
        const Area expected = titleLines[line].ink;
        const Area found = inkBox(expected.top - 5, expected.bottom + 5);
        QCOMPARE(found.left, expected.left);
        QCOMPARE(found.right, expected.right);
        QCOMPARE(found.top, expected.top);
        QCOMPARE(found.bottom, expected.bottom);
        QVERIFY(std::abs((found.left + found.right) / 2.0 - 283) <= 1.0);
    }

    void capitalsAre38PixelsHigh_data() { addTitleLineRows(); }

    // Capital rows are those whose ink spreads over more than half of the line; a tail
    // below the baseline does not.
    void capitalsAre38PixelsHigh()
    {
        QFETCH(int, line);
        const TitleLine& title = titleLines[line];
        const int lineWidth = title.ink.right - title.ink.left + 1;
        int first = -1;
        int last = -1;
        for (int y = title.ink.top; y <= title.ink.bottom; ++y) {
            const auto [left, right] = inkedSpan(y);
            if (left >= 0 && right - left + 1 > lineWidth / 2) {
                first = first < 0 ? y : first;
                last = y;
            }
        }
        QCOMPARE(first, title.capitalsTop);
        QCOMPARE(last, title.capitalsBottom);
        QCOMPARE(last - first + 1, 38);
    }

    void stripeCrossesEachLine_data() { addTitleLineRows(); }

    // A stripe four rows high, nine rows below the top of the capitals: its middle two rows
    // are black, the outer two keep only smoothed edges of the strokes.
    void stripeCrossesEachLine()
    {
        QFETCH(int, line);
        const TitleLine& title = titleLines[line];
        const int stripeTop = title.capitalsTop + 9;
        const Area middle{title.ink.left, stripeTop + 1, title.ink.right, stripeTop + 2};
        QVERIFY(areaIs(middle, black));
        for (int y : {stripeTop, stripeTop + 3}) {
            bool grey = false;
            for (int x = title.ink.left; x <= title.ink.right; ++x) {
                QVERIFY2(at(x, y) != white, qPrintable(QString("white at %1,%2").arg(x).arg(y)));
                grey = grey || isGrey(at(x, y));
            }
            QVERIFY(grey);
        }
        for (int y : {stripeTop - 1, stripeTop + 4}) {
            bool whiteFound = false;
            for (int x = title.ink.left; x <= title.ink.right; ++x)
                whiteFound = whiteFound || at(x, y) == white;
            QVERIFY2(whiteFound, "the strokes go on beside the stripe");
        }
    }

    void letteringLeansRight_data() { addTitleLineRows(); }

    void letteringLeansRight()
    {
        QFETCH(int, line);
        const TitleLine& title = titleLines[line];
        const auto [topLeft, topRight] = inkedSpan(title.capitalsTop);
        const auto [bottomLeft, bottomRight] = inkedSpan(title.capitalsBottom);
        QVERIFY(topLeft >= bottomLeft + 4);
        QVERIFY(topRight >= bottomRight + 4);
    }

    void emptyRowsAroundTheTitle()
    {
        QVERIFY(areaIs({0, 0, width - 1, 70}, black));
        QVERIFY(areaIs({0, 110, width - 1, 125}, black));
        QVERIFY(areaIs({0, 164, width - 1, 189}, black));
    }

    void corridorIsExactlyTheBands()
    {
        for (int y = 190; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const std::uint32_t expected = expectedWhiteInCorridor(x, y) ? white : black;
                if (at(x, y) != expected)
                    QFAIL(qPrintable(QString("wrong colour at %1,%2").arg(x).arg(y)));
            }
        }
    }

    void corridorCornersAndLip()
    {
        QCOMPARE(at(96, 190), black);
        QCOMPARE(at(95, 190), white);
        QCOMPARE(at(96, 191), white);
        QVERIFY(areaIs({469, 190, 470, 191}, black));
        QCOMPARE(at(471, 190), white);
        QCOMPARE(at(469, 192), white);
        QVERIFY(areaIs(lowerRightLip, white));
        QCOMPARE(at(501, 302), black);
        QCOMPARE(at(470, 303), black);
        // The right entrance runs on past the splash screen's last visible column.
        QVERIFY(areaIs({471, 190, 581, 221}, white));
    }

    void lastRowAndLowBlockAreBlack()
    {
        QVERIFY(areaIs({0, 490, width - 1, 490}, black));
        QVERIFY(areaIs({135, 454, 437, 489}, black));
    }

    void noticeLabelsLieOnBlack_data()
    {
        QTest::addColumn<int>("left");
        QTest::newRow("level menu") << 200;
        QTest::newRow("splash") << 208;
    }

    void noticeLabelsLieOnBlack()
    {
        QFETCH(int, left);
        QVERIFY(areaIs({left, 472, left + 160, 488}, black));
    }

    void splashSnailsLieOnWhite_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("Image1(0)") << 8 << 192;
        QTest::newRow("Image1(1)") << 104 << 272;
        QTest::newRow("Image1(2)") << 184 << 352;
        QTest::newRow("Image2(0)") << 520 << 192;
        QTest::newRow("Image2(1)") << 440 << 272;
        QTest::newRow("Image2(2)") << 344 << 352;
    }

    void splashSnailsLieOnWhite()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QVERIFY(areaIs({x, y, x + 35, y + 29}, white));
    }

    void corridorRoughlyMirrorsAboutTheMiddle()
    {
        constexpr int middle = 283;
        int same = 0;
        int compared = 0;
        for (int y = 190; y < height; ++y) {
            for (int x = 0; x <= 2 * middle; ++x) {
                same += at(x, y) == at(2 * middle - x, y);
                ++compared;
            }
        }
        QVERIFY(same > 0.95 * compared);
    }
};

QTEST_GUILESS_MAIN(TitleBackdropTest)
#include "title_backdrop_test.moc"
