// The snail pictures: a yellow-shelled, lavender-bodied snail outlined in black on white,
// facing left, and its mirror image facing right.

#include <QTest>

#include "picture_files.h"

#include <algorithm>
#include <map>
#include <set>

using picturefiles::BitmapFile;

namespace {

constexpr std::uint32_t white = 0xFFFFFF;
constexpr std::uint32_t yellow = 0xFFFF00;
constexpr std::uint32_t lavender = 0x8080FF;
constexpr std::uint32_t black = 0x000000;
constexpr int width = 36;
constexpr int height = 30;

struct Box {
    int left = width;
    int top = height;
    int right = -1;
    int bottom = -1;
};

} // namespace

class SnailPicturesTest : public QObject {
    Q_OBJECT

private:
    BitmapFile left_;
    BitmapFile right_;

    std::uint32_t at(int x, int y) const { return left_.rgb(x, y); }

    Box boxOf(std::uint32_t rgb, int fromRow = 0, int toRow = height - 1) const
    {
        Box box;
        for (int y = fromRow; y <= toRow; ++y) {
            for (int x = 0; x < width; ++x) {
                if (at(x, y) == rgb)
                    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                           std::max(box.bottom, y)};
            }
        }
        return box;
    }

    int runsAlongRow(int y, int fromX, int toX, std::uint32_t rgb) const
    {
        int runs = 0;
        const int step = fromX < toX ? 1 : -1;
        for (int x = fromX; x != toX + step; x += step)
            runs += at(x, y) == rgb && (x == fromX || at(x - step, y) != rgb);
        return runs;
    }

private slots:
    void initTestCase()
    {
        left_ = picturefiles::readBitmap(picturefiles::picturePath("SnailLeft.bmp"));
        right_ = picturefiles::readBitmap(picturefiles::picturePath("SnailRight.bmp"));
        QCOMPARE(left_.info.width, width);
        QCOMPARE(left_.info.height, height);
    }

    void rightFacingMirrorsLeftFacing()
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                QCOMPARE(right_.rgb(x, y), left_.rgb(width - 1 - x, y));
    }

    void exactlyFourColours()
    {
        std::map<std::uint32_t, int> counts;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                ++counts[at(x, y)];
        const std::set<std::uint32_t> expected = {white, yellow, lavender, black};
        std::set<std::uint32_t> found;
        for (const auto& [rgb, count] : counts)
            found.insert(rgb);
        QCOMPARE(found, expected);
        // Roughly a fifth each of ground and outline, a third of shell and a quarter of body.
        QVERIFY(counts[white] > 150 && counts[white] < 300);
        QVERIFY(counts[yellow] > 300 && counts[yellow] < 420);
        QVERIFY(counts[lavender] > 220 && counts[lavender] < 320);
        QVERIFY(counts[black] > 180 && counts[black] < 280);
    }

    void whiteGroundAroundAnOutlinedSnail()
    {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const bool border = x == 0 || y == 0 || x == width - 1 || y == height - 1;
                if (border)
                    QVERIFY(at(x, y) == white || at(x, y) == black);
            }
        }
        QCOMPARE(at(0, height - 1), white);
        QCOMPARE(at(width - 1, 0), white);
        QCOMPARE(at(width - 1, height - 1), white);
    }

    // A black line lies between every two of ground, shell and body.
    void shellAndBodyAreOutlined()
    {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x + 1 < width; ++x) {
                for (auto [nx, ny] : {std::pair{x + 1, y}, std::pair{x, y + 1}}) {
                    if (ny >= height)
                        continue;
                    const std::uint32_t a = at(x, y);
                    const std::uint32_t b = at(nx, ny);
                    QVERIFY2(a == b || a == black || b == black,
                             qPrintable(QString("no outline at %1,%2").arg(x).arg(y)));
                }
            }
        }
    }

    void shellExtent()
    {
        const Box shell = boxOf(yellow);
        QCOMPARE(shell.left, 8);
        QCOMPARE(shell.right, 32);
        QCOMPARE(shell.top, 1);
        QCOMPARE(shell.bottom, 22);
    }

    // From the middle of the shell to its rim, a line crosses the spiral's turns.
    void spiralWindsInToTheCentre()
    {
        const int centreX = (8 + 32) / 2;
        const int centreY = (1 + 22) / 2;
        QVERIFY(runsAlongRow(centreY, centreX, 33, black) >= 3);
        QVERIFY(runsAlongRow(centreY, centreX, 7, black) >= 3);
        int nearCentre = 0;
        for (int y = centreY - 2; y <= centreY + 2; ++y)
            for (int x = centreX - 2; x <= centreX + 2; ++x)
                nearCentre += at(x, y) == black;
        QVERIFY(nearCentre > 0);
    }

    // The head rises on the left and narrows towards its top.
    void headRisesOnTheLeft()
    {
        const Box head = boxOf(lavender, 0, 22);
        QCOMPARE(head.top, 4);
        QVERIFY(head.left >= 1);
        QVERIFY(head.right <= 13);
        auto widthOfRow = [this](int y) {
            const Box row = boxOf(lavender, y, y);
            return row.right - row.left + 1;
        };
        for (int y = 5; y <= 22; ++y) {
            QVERIFY(widthOfRow(4) < widthOfRow(y));
            QVERIFY(widthOfRow(22) >= widthOfRow(y));
        }
    }

    void footRunsUnderTheShell()
    {
        const Box foot = boxOf(lavender, 23, height - 1);
        QCOMPARE(foot.top, 23);
        QCOMPARE(foot.bottom, 28);
        QCOMPARE(foot.right, 34);
        QVERIFY(foot.left <= 3);
    }

    // The head stands before the shell's middle, its eye stalks above it at the top left.
    void facesLeft()
    {
        const Box head = boxOf(lavender, 0, 22);
        const Box shell = boxOf(yellow);
        QVERIFY(head.right < (shell.left + shell.right) / 2);
        int stalkPixels = 0;
        for (int y = 0; y < head.top; ++y)
            for (int x = 0; x < shell.left; ++x)
                stalkPixels += at(x, y) == black;
        QVERIFY(stalkPixels >= 6);
    }
};

QTEST_GUILESS_MAIN(SnailPicturesTest)
#include "snail_pictures_test.moc"
