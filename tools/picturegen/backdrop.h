#pragma once

#include "image.h"

namespace picturegen {

// The title backdrop of the splash screen and the level menu: the game's title above a
// maze drawn as white corridors on black.
Image titleBackdrop();

} // namespace picturegen
