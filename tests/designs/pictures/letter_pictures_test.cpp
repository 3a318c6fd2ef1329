// The letters E, N and D that mark the maze's exit: black script capitals on white, with
// the pen's strength kept in each pixel's fourth byte.

#include <QTest>

#include "picture_files.h"

#include <set>
#include <vector>

using picturefiles::BitmapFile;

namespace {

constexpr std::uint32_t white = 0xFFFFFF;
constexpr std::uint32_t black = 0x000000;
constexpr int width = 36;
constexpr int height = 30;

// Strokes met along a row or a column: separate runs of ink.
int strokesAlong(const BitmapFile& letter, int fromX, int fromY, int stepX, int stepY)
{
    int strokes = 0;
    bool inInk = false;
    for (int x = fromX, y = fromY; x < width && y < height; x += stepX, y += stepY) {
        const bool ink = letter.rgb(x, y) == black;
        strokes += ink && !inInk;
        inInk = ink;
    }
    return strokes;
}

// Marks the white pixels 4-connected to any of `pending`.
void flood(const BitmapFile& letter, std::vector<bool>& reached,
           std::vector<std::pair<int, int>> pending)
{
    while (!pending.empty()) {
        const auto [x, y] = pending.back();
        pending.pop_back();
        if (x < 0 || y < 0 || x >= width || y >= height || reached[y * width + x] ||
            letter.rgb(x, y) != white)
            continue;
        reached[y * width + x] = true;
        pending.insert(pending.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
    }
}

// Patches of white ground shut in by ink, out of reach of the picture's edge.
int enclosedGround(const BitmapFile& letter)
{
    std::vector<bool> reached(width * height, false);
    std::vector<std::pair<int, int>> edge;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (x == 0 || y == 0 || x == width - 1 || y == height - 1)
                edge.emplace_back(x, y);
    flood(letter, reached, edge);
    int patches = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (letter.rgb(x, y) == white && !reached[y * width + x]) {
                ++patches;
                flood(letter, reached, {{x, y}});
            }
        }
    }
    return patches;
}

} // namespace

class LetterPicturesTest : public QObject {
    Q_OBJECT

private:
    static BitmapFile letter(const QString& name)
    {
        return picturefiles::readBitmap(picturefiles::picturePath("Letter" + name + ".bmp"));
    }

private slots:
    void inkAndGround_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("bottom");
        QTest::newRow("E") << "E" << 7 << 30 << 20;
        QTest::newRow("N") << "N" << 5 << 30 << 23;
        QTest::newRow("D") << "D" << 5 << 28 << 20;
    }

    // Black ink on white ground and nothing else as displayed; the fourth byte is 0 on the
    // ground and the pen's strength, at least 16, on the ink.
    void inkAndGround()
    {
        QFETCH(QString, name);
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(int, bottom);
        const BitmapFile picture = letter(name);
        int inkLeft = width, inkRight = -1, inkTop = height, inkBottom = -1;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const std::uint32_t rgb = picture.rgb(x, y);
                QVERIFY(rgb == white || rgb == black);
                if (rgb == white) {
                    QCOMPARE(picture.fourthByte(x, y), 0);
                    continue;
                }
                QVERIFY(picture.fourthByte(x, y) >= 16);
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
                inkTop = std::min(inkTop, y);
                inkBottom = std::max(inkBottom, y);
            }
        }
        QCOMPARE(inkLeft, left);
        QCOMPARE(inkRight, right);
        QCOMPARE(inkTop, 0);
        QCOMPARE(inkBottom, bottom);
        QVERIFY(inkBottom < 24);
    }

    void penStrengthVaries_data() { inkAndGround_data(); }

    void penStrengthVaries()
    {
        QFETCH(QString, name);
        const BitmapFile picture = letter(name);
        std::set<int> strengths;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (picture.rgb(x, y) == black)
                    strengths.insert(picture.fourthByte(x, y));
        QVERIFY(strengths.size() > 1);
        QVERIFY(strengths.count(255) == 1);
    }

    // Down the middle the E meets its top arc, its middle bar and its bottom arc; across the
    // middle only its back, open to the right.
    void eHasArcsAndBar()
    {
        const BitmapFile e = letter("E");
        QCOMPARE(strokesAlong(e, 18, 0, 0, 1), 3);
        QCOMPARE(strokesAlong(e, 0, 6, 1, 0), 1);
        QCOMPARE(enclosedGround(e), 0);
    }

    // Across the middle the N meets both stems and its diagonal, which is the heaviest.
    void nHasStemsAndHeavyDiagonal()
    {
        const BitmapFile n = letter("N");
        QCOMPARE(strokesAlong(n, 0, 12, 1, 0), 3);
        int runs[3] = {0, 0, 0};
        int stroke = -1;
        bool inInk = false;
        for (int x = 0; x < width; ++x) {
            const bool ink = n.rgb(x, 12) == black;
            stroke += ink && !inInk;
            if (ink)
                ++runs[stroke];
            inInk = ink;
        }
        QVERIFY(runs[1] > runs[0] && runs[1] > runs[2]);
    }

    // The D's bowl meets its stem across the middle; a curl at the stem's top left shuts in
    // a little ground of its own besides the bowl.
    void dHasBowlAndCurl()
    {
        const BitmapFile d = letter("D");
        QCOMPARE(strokesAlong(d, 0, 10, 1, 0), 2);
        QCOMPARE(strokesAlong(d, 18, 0, 0, 1), 2);
        QCOMPARE(enclosedGround(d), 2);
        QCOMPARE(d.rgb(7, 2), white); // inside the curl, left of the stem
        QCOMPARE(d.rgb(5, 2), black);
        QCOMPARE(d.rgb(9, 2), black);
    }
};

QTEST_GUILESS_MAIN(LetterPicturesTest)
#include "letter_pictures_test.moc"
