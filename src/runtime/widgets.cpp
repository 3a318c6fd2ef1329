#include "runtime/widgets.h"

#include "runtime/control.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QResource>
#include <QTimer>
#include <QWindow>
#include <QtEndian>

#include <cmath>
#include <map>
#include <string>

namespace rt {

namespace {

constexpr float twipsPerPixel = 15;

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

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

int pixels(float twips)
{
    return int(std::lround(twips / twipsPerPixel));
}

QRect pixelRect(Kind kind, float left, float top, float width, float height, int lineWidth)
{
    if (kind != Kind::Line)
        return {pixels(left), pixels(top), pixels(width), pixels(height)};
    const QPoint from(pixels(left), pixels(top));
    const QPoint to(pixels(left + width), pixels(top + height));
    const int half = lineWidth / 2;
    const int rest = lineWidth - 1 - half;
    return QRect(from, to).normalized().adjusted(-half, -half, rest, rest);
}

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

int virtualKey(const QKeyEvent& event)
{
    const int key = event.key();
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z) ||
        key == Qt::Key_Space)
        return key; // the same codes
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    static const std::map<int, int> codes = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},     {Qt::Key_Backtab, 9},  {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},  {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
        {Qt::Key_Pause, 19},    {Qt::Key_Escape, 27}, {Qt::Key_PageUp, 33},  {Qt::Key_PageDown, 34},
        {Qt::Key_End, 35},      {Qt::Key_Home, 36},   {Qt::Key_Left, 37},    {Qt::Key_Up, 38},
        {Qt::Key_Right, 39},    {Qt::Key_Down, 40},   {Qt::Key_Insert, 45},  {Qt::Key_Delete, 46},
    };
    const auto found = codes.find(key);
    return found == codes.end() ? 0 : found->second;
}

int shiftState(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

ControlView::ControlView(const Control& control, QWidget* parent)
    : QWidget(parent)
    , control_(control)
{
    // Picture boxes take the focus in their tab positions but show no focus mark.
    setFocusPolicy(control.kind() == Kind::PictureBox ? Qt::StrongFocus : Qt::NoFocus);
    // Images and lines leave the pixels around their drawing to what lies beneath.
    setAttribute(Qt::WA_OpaquePaintEvent,
                 control.kind() != Kind::Image && control.kind() != Kind::Line);
}

void ControlView::paintEvent(QPaintEvent*)
{
    const ControlDesign& design = control_.design();
    QPainter painter(this);
    switch (design.kind) {
    case Kind::Label:
        painter.fillRect(rect(), toQColor(design.back));
        painter.setPen(toQColor(design.fore));
        painter.setFont(toQFont(design.font));
        painter.drawText(rect(),
                         (design.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
                             Qt::AlignTop | Qt::TextWordWrap,
                         QString::fromStdString(control_.caption()));
        break;
    case Kind::PictureBox:
    case Kind::Rectangle:
        painter.fillRect(rect(), toQColor(design.back));
        [[fallthrough]];
    case Kind::Image:
        if (!design.picture.empty())
            drawPicture(painter, design.picture);
        break;
    case Kind::Line: {
        painter.setPen(QPen(toQColor(design.fore), design.lineWidth, Qt::SolidLine, Qt::FlatCap));
        const QPoint origin = geometry().topLeft();
        painter.drawLine(QPoint(pixels(control_.left()), pixels(control_.top())) - origin,
                         QPoint(pixels(control_.left() + control_.width()),
                                pixels(control_.top() + control_.height())) -
                             origin);
        break;
    }
    case Kind::Button:
    case Kind::Timer:
        break;
    }
}

FormWindow::FormWindow(const ScreenDesign& design)
    : design_(design)
{
    setWindowTitle(toQString(design.caption));
    resize(pixels(float(design.clientWidth)), pixels(float(design.clientHeight)));
    setAttribute(Qt::WA_OpaquePaintEvent);
    installEventFilter(this);
}

bool FormWindow::isOnScreen() const
{
    return windowHandle() && windowHandle()->isExposed();
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease)
        deliverKeyUp(watched, *static_cast<QKeyEvent*>(event));
    // The window draws and hands its first frame to the screen when this event reaches it.
    else if (event->type() == QEvent::Expose && watched == windowHandle() && isOnScreen())
        QTimer::singleShot(0, this, [this] {
            if (onArrived)
                onArrived();
        });
    return false;
}

void FormWindow::deliverKeyUp(QObject* watched, const QKeyEvent& key)
{
    // A key event travels from the focus widget up to the window: act on its first stop only.
    QWidget* firstStop = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    if (!onKeyUp || key.isAutoRepeat() || watched != firstStop ||
        (!design_.keyPreview && watched != this))
        return;
    onKeyUp(virtualKey(key), shiftState(key));
}

void FormWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(design_.back));
    if (!design_.picture.empty())
        drawPicture(painter, design_.picture);
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (onClosedByPlayer)
        onClosedByPlayer();
}

// Each showing may bring a new native window.
void FormWindow::showEvent(QShowEvent*)
{
    windowHandle()->installEventFilter(this);
}

// The game keeps every screen it has opened, most of them hidden, so a hidden window gives
// up its native window and its pixels, four bytes a pixel; a minimised one is not hidden
// and keeps them. Not at once: the window may be hiding itself from a handler of one of its
// own buttons. Shown again before then, it keeps everything.
// Wherever the player left it, the window asks to come back there when shown again; left
// alone, the desktop would place it as a new window.
void FormWindow::hideEvent(QHideEvent*)
{
    move(pos());
    QTimer::singleShot(0, this, [this] {
        if (isHidden())
            destroy();
    });
}

} // namespace rt
