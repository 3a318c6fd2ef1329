#include "png_writer.h"

#include <zlib.h>

#include <stdexcept>
#include <string_view>

namespace picturegen {

namespace {

constexpr std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t eightBits = 8;
constexpr std::uint8_t rgba = 6;
constexpr std::uint8_t noFilter = 0;

void appendBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// A chunk: length, type, data, and the CRC of type and data.
void appendChunk(std::vector<std::uint8_t>& out, std::string_view type,
                 const std::vector<std::uint8_t>& data)
{
    appendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    const auto crc = crc32(0, out.data() + typeAt, static_cast<uInt>(out.size() - typeAt));
    appendBigEndian(out, static_cast<std::uint32_t>(crc));
}

// Each row starts with its filter type.
std::vector<std::uint8_t> rowsOf(const IconImage& image)
{
    std::vector<std::uint8_t> rows;
    for (int y = 0; y < image.height; ++y) {
        rows.push_back(noFilter);
        for (int x = 0; x < image.width; ++x) {
            const int index = image.indices[static_cast<std::size_t>(y * image.width + x)];
            const std::uint32_t rgb = index == transparentIndex ? 0 : standardPalette.at(index);
            rows.push_back(static_cast<std::uint8_t>(rgb >> 16));
            rows.push_back(static_cast<std::uint8_t>(rgb >> 8));
            rows.push_back(static_cast<std::uint8_t>(rgb));
            rows.push_back(index == transparentIndex ? 0 : 0xFF);
        }
    }
    return rows;
}

std::vector<std::uint8_t> compressed(const std::vector<std::uint8_t>& bytes)
{
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    std::vector<std::uint8_t> result(size);
    if (compress2(result.data(), &size, bytes.data(), static_cast<uLong>(bytes.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("cannot compress the pixels of a PNG file");
    result.resize(size);
    return result;
}

} // namespace

std::vector<std::uint8_t> encodePng(const IconImage& image)
{
    if (image.bitsPerPixel != 4)
        throw std::invalid_argument("PNG files are written from colour icon images");
    std::vector<std::uint8_t> header;
    appendBigEndian(header, static_cast<std::uint32_t>(image.width));
    appendBigEndian(header, static_cast<std::uint32_t>(image.height));
    header.insert(header.end(), {eightBits, rgba, 0, 0, 0}); // deflate, no filter, no interlace

    std::vector<std::uint8_t> out(std::begin(signature), std::end(signature));
    appendChunk(out, "IHDR", header);
    appendChunk(out, "IDAT", compressed(rowsOf(image)));
    appendChunk(out, "IEND", {});
    return out;
}

} // namespace picturegen
