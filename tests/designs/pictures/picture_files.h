#pragma once

// A small reader for the uncompressed bitmap and icon files of the game's pictures. It
// exposes the header fields as stored, so tests can check them, and reads pixels by
// position with the top row first.

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

namespace picturefiles {

struct InfoHeader {
    std::uint32_t headerSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::int32_t xPixelsPerMetre = 0;
    std::int32_t yPixelsPerMetre = 0;
    std::uint32_t coloursUsed = 0;
    std::uint32_t coloursImportant = 0;
};

// Pixel rows stored bottom-up, each padded to a multiple of 4 bytes.
class PixelPlane {
public:
    PixelPlane() = default;
    PixelPlane(QByteArray file, qsizetype offset, int width, int height, int bitsPerPixel);

    int width() const { return width_; }
    int height() const { return height_; }
    qsizetype rowBytes() const;
    qsizetype byteCount() const { return rowBytes() * height_; }

    // The pixel's stored bits as a little-endian number: a palette index for 1 and 4 bits,
    // 0xRRGGBB for 24 bits, 0xXXRRGGBB for 32 bits with XX the fourth byte.
    std::uint32_t value(int x, int y) const;
    bool paddingIsZero() const;

private:
    QByteArray file_;
    qsizetype offset_ = 0;
    int width_ = 0;
    int height_ = 0;
    int bitsPerPixel_ = 0;
};

struct BitmapFile {
    QByteArray bytes;
    QByteArray signature;
    std::uint32_t fileSize = 0;
    std::uint32_t reserved = 0;
    std::uint32_t dataOffset = 0;
    InfoHeader info;
    PixelPlane pixels;

    // 0xRRGGBB of a 24- or 32-bit pixel, and the fourth byte of a 32-bit one.
    std::uint32_t rgb(int x, int y) const { return pixels.value(x, y) & 0xFFFFFF; }
    std::uint8_t fourthByte(int x, int y) const { return pixels.value(x, y) >> 24; }
};

struct IconEntry {
    int width = 0;
    int height = 0;
    int colourCount = 0;
    int reserved = 0;
    int planes = 0;
    int bitsPerPixel = 0;
    std::uint32_t bytesInResource = 0;
    std::uint32_t imageOffset = 0;
};

struct IconImage {
    InfoHeader info;
    QList<std::uint32_t> palette; // 0xRRGGBB
    PixelPlane colours;
    PixelPlane mask;

    int size() const { return colours.width(); }
    bool transparent(int x, int y) const { return mask.value(x, y) == 1; }
    std::uint32_t rgb(int x, int y) const { return palette[colours.value(x, y)]; }
};

struct IconFile {
    QByteArray bytes;
    int reserved = 0;
    int type = 0;
    int count = 0;
    QList<IconEntry> entries;
    QList<IconImage> images;
};

// Both throw std::runtime_error when the file cannot be read or is cut short.
BitmapFile readBitmap(const QString& path);
IconFile readIcon(const QString& path);

QString picturePath(const QString& fileName);

} // namespace picturefiles
