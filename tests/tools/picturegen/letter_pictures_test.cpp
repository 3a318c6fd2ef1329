// The letters E, N and D that mark the maze's exit: black script capitals on white, with
// the pen's strength kept in each pixel's fourth byte.

#include <QTest>

#include "picture_files.h"

#include <functional>
#include <vector>

using namespace picturefiles;

namespace {

constexpr int width = 36;
constexpr int height = 30;

BitmapFile letter(const QString& name)
{
    return readBitmap(picturePath("Letter" + name + ".bmp"));
}

QRect row(int y)
{
    return {0, y, width, 1};
}

QRect column(int x)
{
    return {x, 0, 1, height};
}

// Patches of white ground shut in by ink, out of reach of the picture's edge.
int enclosedGround(const BitmapFile& letter)
{
    std::vector<bool> reached(width * height, false);
    // Fills the patch of ground around a pixel and tells whether it reaches the edge; the
    // four ways are added rather than or-ed, so that the whole patch is filled.
    const std::function<bool(int, int)> fill = [&](int x, int y) -> bool {
        if (!letter.rect().contains(x, y))
            return true;
        if (reached[y * width + x] || letter.rgb(x, y) != white)
            return false;
        reached[y * width + x] = true;
        return fill(x + 1, y) + fill(x - 1, y) + fill(x, y + 1) + fill(x, y - 1) > 0;
    };
    int patches = 0;
    for (const auto [x, y] : pixelsWhere(letter, is(white), letter.rect()))
        patches += !reached[y * width + x] && !fill(x, y);
    return patches;
}

} // namespace

class LetterPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void inkAndGround_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("ink");
        QTest::newRow("E") << "E" << QRect(QPoint(7, 0), QPoint(30, 20));
        QTest::newRow("N") << "N" << QRect(QPoint(5, 0), QPoint(30, 23));
        QTest::newRow("D") << "D" << QRect(QPoint(5, 0), QPoint(28, 20));
    }

    // Black ink on white ground and nothing else as displayed; the fourth byte is 0 on the
    // ground and the pen's strength on the ink: at least 16, full somewhere, and varying.
    void inkAndGround()
    {
        QFETCH(QString, name);
        QFETCH(QRect, ink);
        const BitmapFile picture = letter(name);
        QCOMPARE(coloursOf(picture), (std::set<std::uint32_t>{white, black}));
        QCOMPARE(boxOf(picture, is(black), picture.rect()), ink);
        std::set<int> ground;
        std::set<int> pen;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                (picture.rgb(x, y) == white ? ground : pen).insert(picture.fourthByte(x, y));
        QCOMPARE(ground, std::set<int>{0});
        QVERIFY(*pen.begin() >= 16);
        QVERIFY(pen.size() > 1);
        QVERIFY(pen.count(255) == 1);
    }

    // Strokes are the runs of ink met along a row or a column.

    // Down the middle the E meets its top arc, its middle bar and its bottom arc; across the
    // middle only its back, open to the right.
    void eHasArcsAndBar()
    {
        const BitmapFile e = letter("E");
        QCOMPARE(runsAlong(e, is(black), column(18)).size(), 3);
        QCOMPARE(runsAlong(e, is(black), row(6)).size(), 1);
        QCOMPARE(enclosedGround(e), 0);
    }

    // Across the middle the N meets both stems and its diagonal, which is the heaviest.
    void nHasStemsAndHeavyDiagonal()
    {
        const QList<int> strokes = runsAlong(letter("N"), is(black), row(12));
        QCOMPARE(strokes.size(), 3);
        QVERIFY(strokes[1] > strokes[0] && strokes[1] > strokes[2]);
    }

    // The D's bowl meets its stem across the middle; a curl at the stem's top left shuts in
    // a little ground of its own besides the bowl.
    void dHasBowlAndCurl()
    {
        const BitmapFile d = letter("D");
        QCOMPARE(runsAlong(d, is(black), row(10)).size(), 2);
        QCOMPARE(runsAlong(d, is(black), column(18)).size(), 2);
        QCOMPARE(enclosedGround(d), 2);
        QCOMPARE(d.rgb(7, 2), white); // inside the curl, left of the stem
        QCOMPARE(d.rgb(5, 2), black);
        QCOMPARE(d.rgb(9, 2), black);
    }
};

QTEST_GUILESS_MAIN(LetterPicturesTest)
#include "letter_pictures_test.moc"
