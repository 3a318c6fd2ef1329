#pragma once

#include "ico_writer.h"
#include "image.h"

#include <string_view>
#include <vector>

namespace picturegen {

// The player's snail, facing left.
Image snailLeft();

// The same snail facing right: the exact mirror image of the left-facing one.
Image snailRight();

// A black letter on white from one of the hand-drawn letter grids; the fourth byte of each
// pixel keeps the pen's strength.
Image letterPicture(std::string_view grid);

// The program icon's images: 32 by 32 in black and white, 32 by 32 and 16 by 16 in colour.
std::vector<IconImage> appIconImages();

// The program icon in colour at each size desktops look for in an icon theme, from 16 to
// 256 pixels: each the largest colour image whose size divides it, every pixel made a
// square of whole pixels, so the pixel art stays crisp.
std::vector<IconImage> appIconThemeImages();

} // namespace picturegen
