#include "pictures.h"

#include "artwork.h"

#include <algorithm>
#include <iterator>

namespace picturegen {

namespace {

using artwork::spriteHeight;
using artwork::spriteWidth;

constexpr std::uint32_t inkRgb = 0x000000;
constexpr std::uint32_t groundRgb = 0xFFFFFF;

Image mirrored(const Image& image)
{
    Image mirror(image.width, image.height);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            mirror.at(x, y) = image.at(image.width - 1 - x, y);
    return mirror;
}

IconImage iconImage(std::string_view grid, int size, int bitsPerPixel,
                    int artwork::IconColour::*paletteIndex)
{
    const auto colours = readGrid<artwork::IconColour>(grid, size, size, artwork::iconKey);
    IconImage image{size, size, bitsPerPixel, {}};
    std::transform(colours.begin(), colours.end(), std::back_inserter(image.indices),
                   [paletteIndex](const artwork::IconColour& c) { return c.*paletteIndex; });
    return image;
}

IconImage enlarged(const IconImage& image, int factor)
{
    IconImage large{image.width * factor, image.height * factor, image.bitsPerPixel, {}};
    for (int y = 0; y < large.height; ++y)
        for (int x = 0; x < large.width; ++x)
            large.indices.push_back(
                image.indices[static_cast<std::size_t>(y / factor * image.width + x / factor)]);
    return large;
}

} // namespace

Image snailLeft()
{
    const auto colours =
        readGrid<std::uint32_t>(artwork::snailLeft, spriteWidth, spriteHeight, artwork::snailKey);
    Image snail(spriteWidth, spriteHeight);
    std::transform(colours.begin(), colours.end(), snail.pixels.begin(),
                   [](std::uint32_t rgb) { return fromRgb(rgb); });
    return snail;
}

Image snailRight()
{
    return mirrored(snailLeft());
}

Image letterPicture(std::string_view grid)
{
    const auto strengths =
        readGrid<std::uint8_t>(grid, spriteWidth, spriteHeight, artwork::letterKey);
    Image letter(spriteWidth, spriteHeight);
    std::transform(strengths.begin(), strengths.end(), letter.pixels.begin(),
                   [](std::uint8_t strength) {
                       return strength == 0 ? fromRgb(groundRgb) : fromRgb(inkRgb, strength);
                   });
    return letter;
}

std::vector<IconImage> appIconImages()
{
    using artwork::IconColour;
    return {
        iconImage(artwork::icon32, 32, 1, &IconColour::mono),
        iconImage(artwork::icon32, 32, 4, &IconColour::colour),
        iconImage(artwork::icon16, 16, 4, &IconColour::colour),
    };
}

std::vector<IconImage> appIconThemeImages()
{
    std::vector<IconImage> colour; // largest first
    std::ranges::copy_if(appIconImages(), std::back_inserter(colour),
                         [](const IconImage& image) { return image.bitsPerPixel == 4; });
    std::vector<IconImage> sizes;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const auto source = std::ranges::find_if(
            colour, [size](const IconImage& image) { return size % image.width == 0; });
        sizes.push_back(enlarged(*source, size / source->width));
    }
    return sizes;
}

} // namespace picturegen
