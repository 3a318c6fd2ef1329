#include "title_lettering.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace picturegen {

namespace {

// Glyphs are drawn upright in pixel units: x from the glyph's left edge, y down from the
// top of the capitals. The baseline is at y = capHeight; a tail may reach one pixel lower.
constexpr double capHeight = 38;
constexpr double descent = 1;
constexpr double slant = 0.2; // rightward lean per pixel of height

// Each line is crossed by a black stripe: two rows wholly black, and half of the row above
// and of the row below, which keep smoothed edges.
constexpr double stripeTop = 9.5;
constexpr double stripeBottom = 12.5;

// Each pixel is sampled on a grid; the number of samples inside the lettering picks one of
// 15 greys between black and white for edge pixels.
constexpr int samplesPerSide = 4;
constexpr int samplesPerPixel = samplesPerSide * samplesPerSide;

constexpr int titleCentreColumn = 283;

struct Point {
    double x;
    double y;
};

// A box with its corners rounded to `radius`.
struct RoundBox {
    double left;
    double top;
    double right;
    double bottom;
    double radius;
};

// A convex quadrilateral, corners in order around it.
struct Quad {
    std::array<Point, 4> corners;
};

// Strokes are applied in order: each one inks, or with `erase` clears, what it covers.
struct Stroke {
    std::variant<RoundBox, Quad> shape;
    bool erase = false;
};

struct Glyph {
    char letter;
    double width;
    std::vector<Stroke> strokes;
};

// clang-format off
const std::vector<Glyph> glyphs = {
    {'Q', 56, {{RoundBox{0, 0, 56, 38, 16}},
               {RoundBox{12, 9, 44, 29, 6}, true},
               {Quad{{{{26, 24}, {38, 24}, {63, 39}, {50, 39}}}}}}},
    {'U', 52, {{RoundBox{0, -20, 52, 38, 16}},
               {RoundBox{12, -20, 40, 29, 6}, true}}},
    {'I', 30, {{RoundBox{9, 0, 21, 38, 0}},
               {RoundBox{0, 0, 30, 9, 0}},
               {RoundBox{0, 29, 30, 38, 0}}}},
    {'L', 46, {{RoundBox{0, 0, 12, 38, 0}},
               {RoundBox{0, 29, 46, 38, 0}}}},
    {'O', 56, {{RoundBox{0, 0, 56, 38, 16}},
               {RoundBox{12, 9, 44, 29, 6}, true}}},
    {'R', 52, {{RoundBox{0, 0, 12, 38, 0}},
               {RoundBox{0, 0, 50, 25, 12}},
               {RoundBox{12, 9, 38, 16, 3}, true},
               {Quad{{{{22, 21}, {35, 21}, {52, 38}, {39, 38}}}}}}},
    {'Y', 56, {{Quad{{{{0, 0}, {13, 0}, {34.5, 22}, {21.5, 22}}}}},
               {Quad{{{{43, 0}, {56, 0}, {34.5, 22}, {21.5, 22}}}}},
               {RoundBox{22, 20, 34, 38, 0}}}},
};
// clang-format on

// Each line's capitals start at row `capTop`; `tracking` is the space between neighbouring
// glyphs. The title breaks after its second syllable, and the tracking spreads the first
// line over columns 90 to 476 and the second over columns 216 to 350.
struct TitleLine {
    std::string_view text;
    int capTop;
    double tracking;
};

constexpr std::array<TitleLine, 2> titleLines = {{
    {"QUILLO", 71, 19.75},
    {"RY", 126, 19.0},
}};

bool covers(const RoundBox& box, Point p)
{
    if (p.x < box.left || p.x >= box.right || p.y < box.top || p.y >= box.bottom)
        return false;
    const double dx = p.x - std::clamp(p.x, box.left + box.radius, box.right - box.radius);
    const double dy = p.y - std::clamp(p.y, box.top + box.radius, box.bottom - box.radius);
    return dx * dx + dy * dy <= box.radius * box.radius;
}

bool covers(const Quad& quad, Point p)
{
    int left = 0;
    int right = 0;
    for (std::size_t i = 0; i < quad.corners.size(); ++i) {
        const Point a = quad.corners[i];
        const Point b = quad.corners[(i + 1) % quad.corners.size()];
        const double side = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
        left += side > 0;
        right += side < 0;
    }
    return left == 0 || right == 0;
}

bool inked(const Glyph& glyph, Point p)
{
    bool ink = false;
    for (const Stroke& stroke : glyph.strokes) {
        if (std::visit([p](const auto& shape) { return covers(shape, p); }, stroke.shape))
            ink = !stroke.erase;
    }
    return ink;
}

const Glyph& glyphFor(char letter)
{
    auto found = std::find_if(glyphs.begin(), glyphs.end(),
                              [letter](const Glyph& g) { return g.letter == letter; });
    if (found == glyphs.end())
        throw std::runtime_error(std::string("no glyph for ") + letter);
    return *found;
}

// One line of lettering laid out from x = 0: the glyphs and where each one starts.
struct LaidOutLine {
    std::vector<std::pair<const Glyph*, double>> glyphs;
    double width = 0;
};

LaidOutLine layOut(const TitleLine& line)
{
    LaidOutLine laid;
    double x = 0;
    for (char letter : line.text) {
        const Glyph& glyph = glyphFor(letter);
        laid.glyphs.emplace_back(&glyph, x);
        x += glyph.width + line.tracking;
    }
    laid.width = x - line.tracking + slant * capHeight;
    return laid;
}

// Whether a point is ink: x from the line's left end, y down from the top of its capitals.
bool inked(const LaidOutLine& line, Point p)
{
    if (p.y < 0 || p.y >= capHeight + descent || (p.y >= stripeTop && p.y < stripeBottom))
        return false;
    const double upright = p.x - slant * (capHeight - p.y);
    return std::any_of(line.glyphs.begin(), line.glyphs.end(), [&](const auto& placed) {
        return inked(*placed.first, {upright - placed.second, p.y});
    });
}

// Samples inside the lettering, per pixel of a grid that starts at the line's origin.
struct Coverage {
    int columns;
    int rows;
    std::vector<int> samples;
    int at(int x, int y) const { return samples[static_cast<std::size_t>(y * columns + x)]; }
};

Coverage sample(const LaidOutLine& line)
{
    constexpr double step = 1.0 / samplesPerSide;
    Coverage coverage{static_cast<int>(line.width) + 2, static_cast<int>(capHeight + descent), {}};
    for (int y = 0; y < coverage.rows; ++y) {
        for (int x = 0; x < coverage.columns; ++x) {
            int count = 0;
            for (int sy = 0; sy < samplesPerSide; ++sy)
                for (int sx = 0; sx < samplesPerSide; ++sx)
                    count += inked(line, {x + (sx + 0.5) * step, y + (sy + 0.5) * step});
            coverage.samples.push_back(count);
        }
    }
    return coverage;
}

std::pair<int, int> inkedColumns(const Coverage& coverage)
{
    int first = coverage.columns;
    int last = -1;
    for (int y = 0; y < coverage.rows; ++y) {
        for (int x = 0; x < coverage.columns; ++x) {
            if (coverage.at(x, y) > 0) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return {first, last};
}

std::uint8_t greyLevel(int samples)
{
    return static_cast<std::uint8_t>(samples == samplesPerPixel ? 0xFF : samples * 0x10);
}

} // namespace

// Each line is centred on the backdrop's middle column by the extent of its ink.
void drawTitle(Image& backdrop)
{
    for (const TitleLine& line : titleLines) {
        const Coverage coverage = sample(layOut(line));
        const auto [first, last] = inkedColumns(coverage);
        const int shift = titleCentreColumn - (first + last) / 2;
        for (int y = 0; y < coverage.rows; ++y) {
            for (int x = first; x <= last; ++x) {
                const std::uint8_t level = greyLevel(coverage.at(x, y));
                backdrop.at(x + shift, y + line.capTop) = {level, level, level, 0};
            }
        }
    }
}

} // namespace picturegen
