#include "runtime/colours_and_fonts.h"

#include "runtime/text.h"

#include <QFontDatabase>
#include <QResource>

#include <cmath>
#include <map>
#include <string>

namespace rt {

namespace {

// The standard scheme for the system colours the designs use.
QColor systemColour(int index)
{
    switch (index) {
    case 5:  // window background
    case 14: // highlight text
        return Qt::white;
    case 7: // menu text
    case 8: // window text
        return Qt::black;
    case 15: // button face
        return QColor(0xC0, 0xC0, 0xC0);
    }
    qFatal("No system colour %d in the standard scheme", index);
}

// The resource is stored uncompressed, so the font database reads the font where it lies
// in the executable rather than from a copy.
QString registerBundledFont(const QString& file)
{
    const int id =
        QFontDatabase::addApplicationFontFromData(QResource(":/fonts/" + file).uncompressedData());
    if (id < 0)
        qFatal("The bundled font %s cannot be loaded", qPrintable(file));
    return QFontDatabase::applicationFontFamilies(id).value(0);
}

// Each bundled face is registered when a font first asks for it: the first screen needs
// only the plain one.
const QString& bundledFamily(bool bold)
{
    if (bold) {
        static const QString family = registerBundledFont("LiberationSans-Bold.ttf");
        return family;
    }
    static const QString family = registerBundledFont("LiberationSans-Regular.ttf");
    return family;
}

// A named face where it is installed, else the bundled bold one; the bundled plain face
// by default. Each face is looked up once: the font configuration takes a while to answer,
// and the countdown is drawn every second.
const QString& familyOf(std::string_view face)
{
    if (face.empty())
        return bundledFamily(false);
    static std::map<std::string, QString, std::less<>> families;
    auto found = families.find(face);
    if (found == families.end()) {
        const QString named = toQString(face);
        found = families
                    .emplace(std::string(face),
                             QFontDatabase::hasFamily(named) ? named : bundledFamily(true))
                    .first;
    }
    return found->second;
}

} // namespace

QColor toQColor(Colour colour)
{
    if (colour & 0x80000000u)
        return systemColour(int(colour & 0xFF));
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

QFont toQFont(const Font& font)
{
    QFont result(familyOf(font.face));
    // Sizes in whole pixels at 96 dpi, so text measures the same on every display.
    result.setPixelSize(int(std::lround(font.points * 96 / 72)));
    result.setBold(font.bold);
    return result;
}

} // namespace rt
