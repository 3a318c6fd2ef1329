#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace picturegen {

// Appends little-endian fields to a growing file image.
class ByteWriter {
public:
    void u8(std::uint32_t value) { bytes_.push_back(static_cast<std::uint8_t>(value)); }
    void u16(std::uint32_t value)
    {
        u8(value);
        u8(value >> 8);
    }
    void u32(std::uint32_t value)
    {
        u16(value);
        u16(value >> 16);
    }
    void zeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }
    std::size_t size() const { return bytes_.size(); }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

// Bytes in one stored bitmap row: whole bytes for the bits, padded to a multiple of 4.
constexpr std::uint32_t paddedRowBytes(int width, int bitsPerPixel)
{
    const auto bits = static_cast<std::uint32_t>(width * bitsPerPixel);
    return (bits + 31) / 32 * 4;
}

// The 40-byte BITMAPINFOHEADER shared by bitmap files and icon images.
void writeInfoHeader(ByteWriter& out, int width, int storedHeight, int bitsPerPixel,
                     std::uint32_t imageBytes, std::uint32_t pixelsPerMetre);

} // namespace picturegen
