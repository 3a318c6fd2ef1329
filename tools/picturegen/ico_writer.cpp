#include "ico_writer.h"

#include "byte_writer.h"

#include <array>
#include <span>
#include <stdexcept>

namespace picturegen {

namespace {

constexpr std::array<std::uint32_t, 2> monoPalette = {0x000000, 0xFFFFFF};

constexpr std::uint32_t iconDirBytes = 6;
constexpr std::uint32_t iconEntryBytes = 16;
constexpr std::uint32_t infoHeaderBytes = 40;

std::span<const std::uint32_t> paletteFor(int bitsPerPixel)
{
    if (bitsPerPixel == 1)
        return monoPalette;
    if (bitsPerPixel == 4)
        return standardPalette;
    throw std::invalid_argument("icon images are written with 1 or 4 bits per pixel");
}

std::uint32_t maskBytes(const IconImage& image)
{
    return paddedRowBytes(image.width, 1) * static_cast<std::uint32_t>(image.height);
}

std::uint32_t colourBytes(const IconImage& image)
{
    return paddedRowBytes(image.width, image.bitsPerPixel) *
           static_cast<std::uint32_t>(image.height);
}

std::uint32_t resourceBytes(const IconImage& image)
{
    const auto paletteBytes = static_cast<std::uint32_t>(4 * paletteFor(image.bitsPerPixel).size());
    return infoHeaderBytes + paletteBytes + colourBytes(image) + maskBytes(image);
}

// Packs one row of small values, most significant bits first, padded to 4 bytes.
void writePackedRow(ByteWriter& out, const std::vector<int>& values, int bitsPerValue)
{
    const std::uint32_t rowBytes = paddedRowBytes(static_cast<int>(values.size()), bitsPerValue);
    std::vector<std::uint8_t> row(rowBytes, 0);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::size_t bit = i * static_cast<std::size_t>(bitsPerValue);
        const int shift = 8 - bitsPerValue - static_cast<int>(bit % 8);
        row[bit / 8] |= static_cast<std::uint8_t>(values[i] << shift);
    }
    for (std::uint8_t byte : row)
        out.u8(byte);
}

// Transparent pixels hold colour 0 under a set mask bit, so they leave the screen as it is.
int colourValue(int index)
{
    return index == transparentIndex ? 0 : index;
}
int maskValue(int index)
{
    return index == transparentIndex ? 1 : 0;
}

// Writes one plane of the image (colours or mask), rows bottom-up.
void writePlane(ByteWriter& out, const IconImage& image, int bitsPerValue, int (*valueOf)(int))
{
    std::vector<int> row(static_cast<std::size_t>(image.width));
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x)
            row[static_cast<std::size_t>(x)] =
                valueOf(image.indices[static_cast<std::size_t>(y * image.width + x)]);
        writePackedRow(out, row, bitsPerValue);
    }
}

void writeImage(ByteWriter& out, const IconImage& image)
{
    writeInfoHeader(out, image.width, 2 * image.height, image.bitsPerPixel,
                    colourBytes(image) + maskBytes(image), 0);
    for (std::uint32_t rgb : paletteFor(image.bitsPerPixel)) {
        out.u8(rgb & 0xFF);
        out.u8((rgb >> 8) & 0xFF);
        out.u8(rgb >> 16);
        out.u8(0);
    }
    writePlane(out, image, image.bitsPerPixel, colourValue);
    writePlane(out, image, 1, maskValue);
}

} // namespace

std::vector<std::uint8_t> encodeIco(const std::vector<IconImage>& images)
{
    ByteWriter out;
    out.u16(0); // reserved
    out.u16(1); // resource type: icon
    out.u16(static_cast<std::uint32_t>(images.size()));

    auto offset = static_cast<std::uint32_t>(iconDirBytes + iconEntryBytes * images.size());
    for (const IconImage& image : images) {
        out.u8(static_cast<std::uint32_t>(image.width));
        out.u8(static_cast<std::uint32_t>(image.height));
        out.u8(static_cast<std::uint32_t>(paletteFor(image.bitsPerPixel).size()));
        out.u8(0);  // reserved
        out.u16(1); // planes
        out.u16(static_cast<std::uint32_t>(image.bitsPerPixel));
        out.u32(resourceBytes(image));
        out.u32(offset);
        offset += resourceBytes(image);
    }
    for (const IconImage& image : images)
        writeImage(out, image);
    return out.take();
}

} // namespace picturegen
