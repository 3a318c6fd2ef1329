#pragma once

// The Qt side of the runtime: how designs turn into pixels, fonts, colours and keys.

#include "runtime/design.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QWidget>

#include <functional>
#include <string_view>

class QKeyEvent;
class QPainter;

namespace rt {

class Control;

QString toQString(std::string_view text);
int pixels(float twips);
QRect pixelRect(Kind kind, float left, float top, float width, float height, int lineWidth);
QColor toQColor(Colour colour);
QFont toQFont(const Font& font);
// A picture's rows as the bitmap stores them, bottom row first; drawPicture draws it the
// right way up with its top left corner at the painter's origin.
const QImage& picture(std::string_view name);
void drawPicture(QPainter& painter, std::string_view name);

// The virtual-key code of a key (arrows 37 to 40), 0 for keys the game has no code for.
int virtualKey(const QKeyEvent& event);
// Shift 1, Ctrl 2, Alt 4.
int shiftState(const QKeyEvent& event);

// Labels, picture boxes, images, rectangles and lines all draw themselves from
// their control's current properties.
class ControlView : public QWidget {
public:
    ControlView(const Control& control, QWidget* parent);

    const Control& control() const { return control_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const Control& control_;
};

// A screen's top-level window. With key preview it sees each physical key release
// once, before the control that has the focus. Once hidden it gives back its native
// window and its pixels until it is shown again.
class FormWindow : public QWidget {
public:
    explicit FormWindow(const ScreenDesign& design);

    std::function<void(int keyCode, int shift)> onKeyUp;
    std::function<void()> onClosedByPlayer;

    void watchKeysOf(QWidget* widget) { widget->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent*) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent*) override;

private:
    const ScreenDesign& design_;
};

} // namespace rt
