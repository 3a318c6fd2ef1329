#pragma once

#include "image.h"

namespace picturegen {

// Letters the game's title in white, leaning capitals with smoothed edges, into the black
// band at the top of the backdrop.
void drawTitle(Image& backdrop);

} // namespace picturegen
