// The snail pictures: a yellow-shelled, lavender-bodied snail outlined in black on white,
// facing left, and its mirror image facing right.

#include <QTest>

#include "picture_files.h"

using namespace picturefiles;

namespace {

constexpr std::uint32_t yellow = 0xFFFF00;
constexpr std::uint32_t lavender = 0x8080FF;
constexpr int width = 36;
constexpr int height = 30;

QRect rows(int top, int bottom)
{
    return {0, top, width, bottom - top + 1};
}

} // namespace

class SnailPicturesTest : public QObject {
    Q_OBJECT

private:
    BitmapFile left_;
    BitmapFile right_;

    std::uint32_t at(int x, int y) const { return left_.rgb(x, y); }

private slots:
    void initTestCase()
    {
        left_ = readBitmap(picturePath("SnailLeft.bmp"));
        right_ = readBitmap(picturePath("SnailRight.bmp"));
        QCOMPARE(left_.rect(), QRect(0, 0, width, height));
    }

    void rightFacingMirrorsLeftFacing()
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                QCOMPARE(right_.rgb(x, y), left_.rgb(width - 1 - x, y));
    }

    void exactlyFourColours()
    {
        QCOMPARE(coloursOf(left_), (std::set<std::uint32_t>{white, yellow, lavender, black}));
        // Roughly a fifth each of ground and outline, a third of shell and a quarter of body.
        const auto howMany = [this](std::uint32_t rgb) {
            return count(left_, is(rgb), left_.rect());
        };
        QVERIFY(howMany(white) > 150 && howMany(white) < 300);
        QVERIFY(howMany(yellow) > 300 && howMany(yellow) < 420);
        QVERIFY(howMany(lavender) > 220 && howMany(lavender) < 320);
        QVERIFY(howMany(black) > 180 && howMany(black) < 280);
    }

    void whiteGroundAroundAnOutlinedSnail()
    {
        const auto groundOrOutline = [](std::uint32_t rgb) { return rgb == white || rgb == black; };
        for (const QRect& edge : {rows(0, 0), rows(height - 1, height - 1), QRect(0, 0, 1, height),
                                  QRect(width - 1, 0, 1, height)})
            QCOMPARE(count(left_, groundOrOutline, edge), edge.width() * edge.height());
        QCOMPARE(at(0, height - 1), white);
        QCOMPARE(at(width - 1, 0), white);
        QCOMPARE(at(width - 1, height - 1), white);
    }

    // A black line lies between every two of ground, shell and body.
    void shellAndBodyAreOutlined()
    {
        const auto coloured = [](std::uint32_t rgb) { return rgb != black; };
        for (const auto [x, y] : pixelsWhere(left_, coloured, left_.rect())) {
            for (auto [nx, ny] : {std::pair{x + 1, y}, {x, y + 1}}) {
                const bool outlined =
                    nx == width || ny == height || at(nx, ny) == at(x, y) || at(nx, ny) == black;
                QVERIFY2(outlined, qPrintable(QString("no outline at %1,%2").arg(x).arg(y)));
            }
        }
    }

    void shellExtent()
    {
        QCOMPARE(boxOf(left_, is(yellow), left_.rect()), QRect(QPoint(8, 1), QPoint(32, 22)));
    }

    // From the middle of the shell to its rim, a line crosses the spiral's turns.
    void spiralWindsInToTheCentre()
    {
        const QRect rim = boxOf(left_, is(yellow), left_.rect()).adjusted(-1, -1, 1, 1);
        const QPoint centre = rim.center();
        const QRect toTheRight(centre, QPoint(rim.right(), centre.y()));
        const QRect toTheLeft(QPoint(rim.left(), centre.y()), centre);
        QVERIFY(runsAlong(left_, is(black), toTheRight).size() >= 3);
        QVERIFY(runsAlong(left_, is(black), toTheLeft).size() >= 3);
        QVERIFY(count(left_, is(black), QRect(centre - QPoint(2, 2), centre + QPoint(2, 2))) > 0);
    }

    // The head rises on the left and narrows towards its top.
    void headRisesOnTheLeft()
    {
        const QRect head = boxOf(left_, is(lavender), rows(0, 22));
        QCOMPARE(head.top(), 4);
        QVERIFY(head.left() >= 1);
        QVERIFY(head.right() <= 13);
        const auto widthOfRow = [this](int y) {
            return boxOf(left_, is(lavender), rows(y, y)).width();
        };
        for (int y = 5; y <= 22; ++y) {
            QVERIFY(widthOfRow(4) < widthOfRow(y));
            QVERIFY(widthOfRow(22) >= widthOfRow(y));
        }
    }

    void footRunsUnderTheShell()
    {
        const QRect foot = boxOf(left_, is(lavender), rows(23, height - 1));
        QCOMPARE(foot.top(), 23);
        QCOMPARE(foot.bottom(), 28);
        QCOMPARE(foot.right(), 34);
        QVERIFY(foot.left() <= 3);
    }

    // The head stands before the shell's middle, its eye stalks above it at the top left.
    void facesLeft()
    {
        const QRect head = boxOf(left_, is(lavender), rows(0, 22));
        const QRect shell = boxOf(left_, is(yellow), left_.rect());
        QVERIFY(head.right() < (shell.left() + shell.right()) / 2);
        QVERIFY(count(left_, is(black), QRect(0, 0, shell.left(), head.top())) >= 6);
    }
};

QTEST_GUILESS_MAIN(SnailPicturesTest)
#include "snail_pictures_test.moc"
