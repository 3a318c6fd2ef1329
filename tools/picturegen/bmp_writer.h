#pragma once

#include "image.h"

#include <cstdint>
#include <vector>

namespace picturegen {

// An uncompressed Windows bitmap file of 24 or 32 bits per pixel, without a colour table.
std::vector<std::uint8_t> encodeBmp(const Image& image, int bitsPerPixel);

} // namespace picturegen
