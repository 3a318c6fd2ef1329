#include "backdrop.h"

#include "title_lettering.h"

#include <array>

namespace picturegen {

namespace {

constexpr int backdropWidth = 582;
constexpr int backdropHeight = 491;
constexpr std::uint32_t black = 0x000000;
constexpr std::uint32_t white = 0xFFFFFF;

// Inclusive pixel columns and rows.
struct Area {
    int left;
    int top;
    int right;
    int bottom;
};

// The corridor: white bands 32 pixels wide that outline a maze, overlapping where they meet.
// The two halves nearly mirror each other about column 283.
constexpr std::array<Area, 13> corridorBands = {{
    {0, 190, 96, 221},    // enters from the left edge
    {65, 222, 96, 269},   // drops from the first band
    {65, 270, 208, 301},  // runs right
    {103, 302, 134, 489}, // drops to the last row but one
    {177, 302, 208, 350}, // drops towards the middle
    {177, 351, 388, 382}, // crosses the middle
    {103, 422, 239, 453}, // juts right from the long left drop
    {469, 190, 581, 221}, // enters from the right edge
    {469, 222, 500, 269}, // drops from it
    {357, 270, 500, 301}, // runs left
    {438, 302, 469, 487}, // drops, ending two rows above the left drop
    {357, 302, 388, 350}, // drops towards the middle
    {335, 422, 469, 453}, // juts left from the long right drop
}};

// Touches painted over the bands.
struct Touch {
    Area area;
    std::uint32_t rgb;
};

constexpr std::array<Touch, 3> corridorTouches = {{
    {{96, 190, 96, 190}, black},   // the left entrance's top-right corner is clipped
    {{469, 190, 470, 191}, black}, // and so is the right entrance's top-left corner
    {{470, 302, 500, 302}, white}, // right of the right drop the corridor reaches a row lower
}};

void fill(Image& image, const Area& area, std::uint32_t rgb)
{
    for (int y = area.top; y <= area.bottom; ++y)
        for (int x = area.left; x <= area.right; ++x)
            image.at(x, y) = fromRgb(rgb);
}

} // namespace

Image titleBackdrop()
{
    Image backdrop(backdropWidth, backdropHeight, fromRgb(black));
    for (const Area& band : corridorBands)
        fill(backdrop, band, white);
    for (const Touch& touch : corridorTouches)
        fill(backdrop, touch.area, touch.rgb);
    drawTitle(backdrop);
    return backdrop;
}

} // namespace picturegen
