#pragma once

// The Qt side of the runtime: the widgets that draw a screen from its design and deliver
// the player's keys and closing, and the twips they are laid out in.

#include "runtime/design.h"

#include <QRect>
#include <QWidget>

#include <functional>

class QKeyEvent;

namespace rt {

class Control;

int pixels(float twips);
QRect pixelRect(Kind kind, float left, float top, float width, float height, int lineWidth);

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
    // Once the window, shown, has reached the screen and its first frame is drawn.
    std::function<void()> onArrived;

    void watchKeysOf(QWidget* widget) { widget->installEventFilter(this); }
    // Shown, but not on the screen yet.
    bool isArriving() const { return arriving_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent*) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;

private:
    void deliverKeyUp(QObject* watched, const QKeyEvent& key);

    const ScreenDesign& design_;
    bool arriving_ = false;
};

} // namespace rt
