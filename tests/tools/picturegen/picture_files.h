#pragma once

// A small reader for the uncompressed bitmap and icon files of the game's pictures. It
// exposes the header fields as stored, so tests can check them, and reads pixels by
// position with the top row first. Below it, the measures the picture tests share.

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>

#include <cstdint>
#include <set>

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

    QRect rect() const { return {0, 0, width_, height_}; }
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

    QRect rect() const { return pixels.rect(); }
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

constexpr std::uint32_t black = 0x000000;
constexpr std::uint32_t white = 0xFFFFFF;

// What an icon image shows where its mask lets the screen through: no colour of its own.
constexpr std::uint32_t seeThrough = 0xFF000000;

struct IconImage {
    InfoHeader info;
    QList<std::uint32_t> palette; // 0xRRGGBB
    PixelPlane colours;
    PixelPlane mask;

    QRect rect() const { return colours.rect(); }
    bool transparent(int x, int y) const { return mask.value(x, y) == 1; }
    std::uint32_t rgb(int x, int y) const
    {
        return transparent(x, y) ? seeThrough : palette[colours.value(x, y)];
    }
};

struct IconFile {
    QByteArray bytes;
    int reserved = 0;
    int type = 0;
    int count = 0;
    QList<IconEntry> entries;
    QList<IconImage> images;
};

// All throw std::runtime_error when the file cannot be read or is cut short.
QByteArray readFile(const QString& path);
BitmapFile readBitmap(const QString& path);
IconFile readIcon(const QString& path);

QString picturePath(const QString& fileName);

// A picture below is a BitmapFile or an IconImage, read as shown; a match is a test of a
// shown colour.

inline auto is(std::uint32_t rgb)
{
    return [rgb](std::uint32_t shown) { return shown == rgb; };
}

template<typename Picture> std::set<std::uint32_t> coloursOf(const Picture& picture)
{
    std::set<std::uint32_t> colours;
    for (int y = 0; y < picture.rect().height(); ++y)
        for (int x = 0; x < picture.rect().width(); ++x)
            colours.insert(picture.rgb(x, y));
    return colours;
}

// The matching pixels of an area, row by row.
template<typename Picture, typename Match>
QList<QPoint> pixelsWhere(const Picture& picture, Match matches, const QRect& area)
{
    QList<QPoint> found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (matches(picture.rgb(x, y)))
                found.append({x, y});
    return found;
}

template<typename Picture, typename Match>
qsizetype count(const Picture& picture, Match matches, const QRect& area)
{
    return pixelsWhere(picture, matches, area).size();
}

// The smallest box around the matching pixels of an area; a null one if there are none.
template<typename Picture, typename Match>
QRect boxOf(const Picture& picture, Match matches, const QRect& area)
{
    QRect box;
    for (const QPoint& pixel : pixelsWhere(picture, matches, area))
        box |= QRect(pixel, pixel);
    return box;
}

// The lengths of the runs of matching pixels met in order along a row or a column.
template<typename Picture, typename Match>
QList<int> runsAlong(const Picture& picture, Match matches, const QRect& line)
{
    QList<int> runs;
    QPoint previous(-2, -2);
    for (const QPoint& pixel : pixelsWhere(picture, matches, line)) {
        if ((pixel - previous).manhattanLength() > 1)
            runs.append(0);
        ++runs.last();
        previous = pixel;
    }
    return runs;
}

} // namespace picturefiles
