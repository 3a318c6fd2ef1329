#pragma once

#include "ico_writer.h"

#include <cstdint>
#include <vector>

namespace picturegen {

// A PNG file of a colour icon image: 8-bit red, green, blue and alpha, the colours from
// the standard palette, fully transparent where the icon is.
std::vector<std::uint8_t> encodePng(const IconImage& image);

} // namespace picturegen
