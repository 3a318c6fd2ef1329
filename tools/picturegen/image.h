#pragma once

#include <cstdint>
#include <vector>

namespace picturegen {

// One pixel of a bitmap. `extra` is the fourth byte of a 32-bit pixel, which
// display ignores; 24-bit files leave it out.
struct Pixel {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t extra = 0;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

constexpr Pixel fromRgb(std::uint32_t rgb, std::uint8_t extra = 0)
{
    return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
            static_cast<std::uint8_t>(rgb), extra};
}

// A picture held top row first, left to right.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;

    Image(int w, int h, Pixel fill = {})
        : width(w)
        , height(h)
        , pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill)
    {
    }

    Pixel& at(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
    const Pixel& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

} // namespace picturegen
