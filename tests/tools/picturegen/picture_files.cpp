#include "picture_files.h"

#include <QFile>
#include <QtEndian>

#include <stdexcept>
#include <utility>

namespace picturefiles {

namespace {

constexpr qsizetype fileHeaderBytes = 14;
constexpr qsizetype iconDirBytes = 6;
constexpr qsizetype iconEntryBytes = 16;

template<typename T> T readField(const QByteArray& bytes, qsizetype offset)
{
    if (offset < 0 || offset + qsizetype(sizeof(T)) > bytes.size())
        throw std::runtime_error("file cut short");
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

InfoHeader readInfoHeader(const QByteArray& bytes, qsizetype at)
{
    InfoHeader h;
    h.headerSize = readField<std::uint32_t>(bytes, at);
    h.width = readField<std::int32_t>(bytes, at + 4);
    h.height = readField<std::int32_t>(bytes, at + 8);
    h.planes = readField<std::uint16_t>(bytes, at + 12);
    h.bitsPerPixel = readField<std::uint16_t>(bytes, at + 14);
    h.compression = readField<std::uint32_t>(bytes, at + 16);
    h.imageSize = readField<std::uint32_t>(bytes, at + 20);
    h.xPixelsPerMetre = readField<std::int32_t>(bytes, at + 24);
    h.yPixelsPerMetre = readField<std::int32_t>(bytes, at + 28);
    h.coloursUsed = readField<std::uint32_t>(bytes, at + 32);
    h.coloursImportant = readField<std::uint32_t>(bytes, at + 36);
    return h;
}

IconImage readIconImage(const QByteArray& bytes, const IconEntry& entry)
{
    IconImage image;
    image.info = readInfoHeader(bytes, entry.imageOffset);
    const int size = image.info.width;
    const int bits = image.info.bitsPerPixel;
    qsizetype at = entry.imageOffset + image.info.headerSize;
    for (int i = 0; i < (1 << bits); ++i, at += 4)
        image.palette.append(readField<std::uint32_t>(bytes, at) & 0xFFFFFF);
    image.colours = PixelPlane(bytes, at, size, size, bits);
    image.mask = PixelPlane(bytes, at + image.colours.byteCount(), size, size, 1);
    return image;
}

} // namespace

PixelPlane::PixelPlane(QByteArray file, qsizetype offset, int width, int height, int bitsPerPixel)
    : file_(std::move(file))
    , offset_(offset)
    , width_(width)
    , height_(height)
    , bitsPerPixel_(bitsPerPixel)
{
    if (offset_ + byteCount() > file_.size())
        throw std::runtime_error("pixel data cut short");
}

qsizetype PixelPlane::rowBytes() const
{
    return (qsizetype(width_) * bitsPerPixel_ + 31) / 32 * 4;
}

std::uint32_t PixelPlane::value(int x, int y) const
{
    const qsizetype row = offset_ + (height_ - 1 - y) * rowBytes();
    const auto* data = reinterpret_cast<const std::uint8_t*>(file_.constData()) + row;
    if (bitsPerPixel_ < 8) {
        const qsizetype bit = qsizetype(x) * bitsPerPixel_;
        const int shift = 8 - bitsPerPixel_ - int(bit % 8);
        return (data[bit / 8] >> shift) & ((1u << bitsPerPixel_) - 1);
    }
    std::uint32_t value = 0;
    const int bytesPerPixel = bitsPerPixel_ / 8;
    for (int i = bytesPerPixel - 1; i >= 0; --i)
        value = value << 8 | data[x * bytesPerPixel + i];
    return value;
}

bool PixelPlane::paddingIsZero() const
{
    const qsizetype usedBits = qsizetype(width_) * bitsPerPixel_;
    for (int y = 0; y < height_; ++y) {
        const auto* row =
            reinterpret_cast<const std::uint8_t*>(file_.constData()) + offset_ + y * rowBytes();
        for (qsizetype bit = usedBits; bit < rowBytes() * 8; ++bit) {
            if (row[bit / 8] & (0x80 >> (bit % 8)))
                return false;
        }
    }
    return true;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot open " + path.toStdString());
    return file.readAll();
}

BitmapFile readBitmap(const QString& path)
{
    BitmapFile bmp;
    bmp.bytes = readFile(path);
    bmp.signature = bmp.bytes.left(2);
    bmp.fileSize = readField<std::uint32_t>(bmp.bytes, 2);
    bmp.reserved = readField<std::uint32_t>(bmp.bytes, 6);
    bmp.dataOffset = readField<std::uint32_t>(bmp.bytes, 10);
    bmp.info = readInfoHeader(bmp.bytes, fileHeaderBytes);
    bmp.pixels = PixelPlane(bmp.bytes, bmp.dataOffset, bmp.info.width, bmp.info.height,
                            bmp.info.bitsPerPixel);
    return bmp;
}

IconFile readIcon(const QString& path)
{
    IconFile ico;
    ico.bytes = readFile(path);
    ico.reserved = readField<std::uint16_t>(ico.bytes, 0);
    ico.type = readField<std::uint16_t>(ico.bytes, 2);
    ico.count = readField<std::uint16_t>(ico.bytes, 4);
    for (int i = 0; i < ico.count; ++i) {
        const qsizetype at = iconDirBytes + i * iconEntryBytes;
        IconEntry e;
        e.width = readField<std::uint8_t>(ico.bytes, at);
        e.height = readField<std::uint8_t>(ico.bytes, at + 1);
        e.colourCount = readField<std::uint8_t>(ico.bytes, at + 2);
        e.reserved = readField<std::uint8_t>(ico.bytes, at + 3);
        e.planes = readField<std::uint16_t>(ico.bytes, at + 4);
        e.bitsPerPixel = readField<std::uint16_t>(ico.bytes, at + 6);
        e.bytesInResource = readField<std::uint32_t>(ico.bytes, at + 8);
        e.imageOffset = readField<std::uint32_t>(ico.bytes, at + 12);
        ico.entries.append(e);
        ico.images.append(readIconImage(ico.bytes, e));
    }
    return ico;
}

QString picturePath(const QString& fileName)
{
    return QStringLiteral(PICTURES_DIR "/") + fileName;
}

} // namespace picturefiles
