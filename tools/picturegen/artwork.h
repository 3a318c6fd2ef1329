#pragma once

#include "ico_writer.h"
#include "text_grid.h"

#include <array>
#include <cstdint>
#include <string_view>

// The pictures drawn by hand as text. Snail and letters are 36 by 30 pixels.
namespace picturegen::artwork {

inline constexpr int spriteWidth = 36;
inline constexpr int spriteHeight = 30;

// An icon pixel's index in the 16-colour palette and in the black-and-white one.
struct IconColour {
    int colour;
    int mono;
};

extern const std::array<Key<std::uint32_t>, 4> snailKey;
extern const std::string_view snailLeft;

extern const std::array<Key<std::uint8_t>, 5> letterKey;
extern const std::string_view letterE;
extern const std::string_view letterN;
extern const std::string_view letterD;

extern const std::array<Key<IconColour>, 6> iconKey;
extern const std::string_view icon32;
extern const std::string_view icon16;

} // namespace picturegen::artwork
