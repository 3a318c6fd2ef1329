#include "backdrop.h"

#include "backdrop_bands.h"
#include "title_lettering.h"

namespace picturegen {

namespace {

constexpr int backdropWidth = 582;
constexpr int backdropHeight = 491;
constexpr std::uint32_t black = 0x000000;
constexpr std::uint32_t white = 0xFFFFFF;

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
    for (const Area& corner : clippedCorners)
        fill(backdrop, corner, black);
    fill(backdrop, lowerRightLip, white);
    drawTitle(backdrop);
    return backdrop;
}

} // namespace picturegen
