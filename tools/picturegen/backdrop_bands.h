#pragma once

// The title backdrop's corridor as data, which the generator paints and the backdrop's test
// reads back from the committed bitmap.

#include <array>

namespace picturegen {

// Inclusive pixel columns and rows.
struct Area {
    int left;
    int top;
    int right;
    int bottom;

    constexpr bool contains(int x, int y) const
    {
        return x >= left && x <= right && y >= top && y <= bottom;
    }
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

// Painted black over the bands.
constexpr std::array<Area, 2> clippedCorners = {{
    {96, 190, 96, 190},   // the left entrance's top-right corner
    {469, 190, 470, 191}, // the right entrance's top-left corner
}};

// Right of the right drop the corridor reaches a row lower.
constexpr Area lowerRightLip = {470, 302, 500, 302};

} // namespace picturegen
