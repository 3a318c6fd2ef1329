#include "runtime/widgets.h"

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
    if (event->type() == QEvent::KeyRelease)
        deliverKeyUp(watched, *static_cast<QKeyEvent*>(event));
    return false;
}

void FormWindow::deliverKeyUp(QObject* watched, const QKeyEvent& key)
{
    // A key event travels from the focus widget up to the window: act on its first stop only.
    QWidget* firstStop = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    if (!onKeyUp || !platform::isPhysicalRelease(key) || watched != firstStop ||
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
