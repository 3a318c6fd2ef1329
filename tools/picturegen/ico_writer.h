#pragma once

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

// A Windows icon file holding the images in the given order, each with its AND mask.
std::vector<std::uint8_t> encodeIco(const std::vector<IconImage>& images);

} // namespace picturegen
