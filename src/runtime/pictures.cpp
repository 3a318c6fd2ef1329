#include "runtime/pictures.h"

#include "runtime/text.h"

#include <QPainter>
#include <QResource>
#include <QtEndian>

#include <map>
#include <string>

namespace rt {

namespace {

// The game's pictures are bitmaps of one kind: a 54-byte header, then uncompressed rows of
// 24 or 32 bits a pixel, blue first, bottom row first, each padded to a multiple of four
// bytes. A 24-bit picture is drawn straight from where it lies in the executable: decoded,
// the backdrop would take a third more memory and the time to convert every pixel before
// the first frame. The few 32-bit pixels are copied to 24 bits: their fourth byte means
// nothing for display, but a window's buffer with an alpha channel, as on Wayland, would
// hand it to the compositor as alpha and let the desktop show through.
QImage storedRows(std::string_view name)
{
    const QResource file(":/pictures/" + toQString(name) + ".bmp");
    const qint64 size = file.compressionAlgorithm() == QResource::NoCompression ? file.size() : 0;
    const uchar* bytes = file.data();
    const auto field = [&](int at) {
        return size >= 54 ? qFromLittleEndian<qint32>(bytes + at) : 0;
    };
    const qint32 bitsPerPixel = field(28) & 0xFFFF;
    const qint32 width = field(18);
    const qint32 height = field(22);
    const qint64 rowBytes = (qint64(width) * bitsPerPixel / 8 + 3) / 4 * 4;
    if (size < 54 || bytes[0] != 'B' || bytes[1] != 'M' || field(30) != 0 ||
        (bitsPerPixel != 24 && bitsPerPixel != 32) || width <= 0 || height <= 0 || field(10) < 54 ||
        field(10) > size || (size - field(10)) / rowBytes < height)
        qFatal("The picture %s is not a bitmap the game can draw", std::string(name).c_str());
    const QImage rows(bytes + field(10), width, height, rowBytes,
                      bitsPerPixel == 24 ? QImage::Format_BGR888 : QImage::Format_RGB32);
    return bitsPerPixel == 24 ? rows : rows.convertToFormat(QImage::Format_BGR888);
}

} // namespace

const QImage& picture(std::string_view name)
{
    static std::map<std::string, QImage, std::less<>> loaded;
    auto found = loaded.find(name);
    if (found == loaded.end())
        found = loaded.emplace(std::string(name), storedRows(name)).first;
    return found->second;
}

void drawPicture(QPainter& painter, std::string_view name)
{
    const QImage& rows = picture(name);
    painter.save();
    painter.setTransform(QTransform(1, 0, 0, -1, 0, rows.height()), true);
    painter.drawImage(0, 0, rows);
    painter.restore();
}

} // namespace rt
