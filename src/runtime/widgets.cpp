#include "runtime/widgets.h"

#include "runtime/arrow_keys.h"
#include "runtime/colours_and_fonts.h"
#include "runtime/control.h"
#include "runtime/key_codes.h"
#include "runtime/pictures.h"
#include "runtime/platform.h"
#include "runtime/text.h"
#include "runtime/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

namespace rt {

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

namespace {

// The arrow key whose way a swipe goes, where it goes farther along than across, and a few
// pixels at least; 0 where it is no swipe.
int arrowAlong(QPointF way)
{
    constexpr qreal shortest = 8; // pixels of the design: more of the screen's at a factor
    const qreal across = std::abs(way.x());
    const qreal down = std::abs(way.y());
    if (std::max(across, down) < shortest || across == down)
        return 0;
    if (across > down)
        return way.x() < 0 ? keyLeft : keyRight;
    return way.y() < 0 ? keyUp : keyDown;
}

} // namespace

FormWindow::FormWindow(const ScreenDesign& design)
    : design_(design)
{
    setWindowTitle(translated(design.caption));
    resize(pixels(float(design.clientWidth)), pixels(float(design.clientHeight)));
    setAttribute(Qt::WA_OpaquePaintEvent);
    installEventFilter(this);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyRelease:
        if (const auto& key = *static_cast<QKeyEvent*>(event); platform::isPhysicalRelease(key))
            releaseKey(watched, virtualKey(key), shiftState(key));
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        followSwipe(*static_cast<QMouseEvent*>(event));
        break;
    default:
        break;
    }
    return false;
}

// A key event travels from the focus widget up to the window: act on its first stop only.
void FormWindow::releaseKey(QObject* watched, int keyCode, int shift)
{
    if (onKeyUp && watched == keyboardFocus() && (design_.keyPreview || watched == this))
        onKeyUp(keyCode, shift);
}

QWidget* FormWindow::keyboardFocus()
{
    return QApplication::focusWidget() ? QApplication::focusWidget() : this;
}

// Touch and pens reach the window as the mouse, the first finger or the pen's tip as its left
// button. The same press may reach the window again on its way up from a control.
void FormWindow::followSwipe(const QMouseEvent& mouse)
{
    if (mouse.button() != Qt::LeftButton)
        return;
    if (mouse.type() != QEvent::MouseButtonRelease)
        swipeFrom_ = mouse.globalPosition();
    else if (swipeFrom_)
        if (const int key = arrowAlong(mouse.globalPosition() - *std::exchange(swipeFrom_, {})))
            releaseKey(keyboardFocus(), key, 0);
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
