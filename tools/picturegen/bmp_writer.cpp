#include "bmp_writer.h"

#include "byte_writer.h"

#include <stdexcept>

namespace picturegen {

namespace {

constexpr std::uint32_t fileHeaderBytes = 14;
constexpr std::uint32_t infoHeaderBytes = 40;
constexpr std::uint32_t screenPixelsPerMetre = 3780; // 96 pixels per inch

void writePixelRows(ByteWriter& out, const Image& image, int bitsPerPixel)
{
    const std::uint32_t rowBytes = paddedRowBytes(image.width, bitsPerPixel);
    const std::uint32_t usedBytes = static_cast<std::uint32_t>(image.width * bitsPerPixel / 8);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Pixel& p = image.at(x, y);
            out.u8(p.blue);
            out.u8(p.green);
            out.u8(p.red);
            if (bitsPerPixel == 32)
                out.u8(p.extra);
        }
        out.zeros(rowBytes - usedBytes);
    }
}

} // namespace

std::vector<std::uint8_t> encodeBmp(const Image& image, int bitsPerPixel)
{
    if (bitsPerPixel != 24 && bitsPerPixel != 32)
        throw std::invalid_argument("bitmaps are written with 24 or 32 bits per pixel");
    const std::uint32_t dataOffset = fileHeaderBytes + infoHeaderBytes;
    const std::uint32_t imageBytes =
        paddedRowBytes(image.width, bitsPerPixel) * static_cast<std::uint32_t>(image.height);

    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(dataOffset + imageBytes);
    out.u32(0); // reserved
    out.u32(dataOffset);
    writeInfoHeader(out, image.width, image.height, bitsPerPixel, imageBytes, screenPixelsPerMetre);
    writePixelRows(out, image, bitsPerPixel);
    return out.take();
}

} // namespace picturegen
