#include "byte_writer.h"

namespace picturegen {

void writeInfoHeader(ByteWriter& out, int width, int storedHeight, int bitsPerPixel,
                     std::uint32_t imageBytes, std::uint32_t pixelsPerMetre)
{
    constexpr std::uint32_t headerBytes = 40;
    constexpr std::uint32_t uncompressed = 0; // BI_RGB
    out.u32(headerBytes);
    out.u32(static_cast<std::uint32_t>(width));
    out.u32(static_cast<std::uint32_t>(storedHeight)); // positive: rows stored bottom-up
    out.u16(1);                                        // planes
    out.u16(static_cast<std::uint32_t>(bitsPerPixel));
    out.u32(uncompressed);
    out.u32(imageBytes);
    out.u32(pixelsPerMetre);
    out.u32(pixelsPerMetre);
    out.u32(0); // colours used: all that the bit depth allows
    out.u32(0); // important colours: all
}

} // namespace picturegen
