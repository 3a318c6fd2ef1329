#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace picturegen {

// One image of an icon: palette indices, top row first, with -1 for a transparent pixel.
// 1-bit images use a black-and-white palette, 4-bit images the standard 16-colour one.
struct IconImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<int> indices;
};

constexpr int transparentIndex = -1;

// The standard 16-colour Windows palette, in index order, as 0xRRGGBB.
inline constexpr std::array<std::uint32_t, 16> standardPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

// A Windows icon file holding the images in the given order, each with its AND mask.
std::vector<std::uint8_t> encodeIco(const std::vector<IconImage>& images);

} // namespace picturegen
