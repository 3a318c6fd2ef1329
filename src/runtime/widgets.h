#pragma once

// The Qt side of the runtime: the widgets that draw a screen from its design and deliver
// the player's keys and closing.

#include "runtime/design.h"
#include "runtime/sentence.h"

#include <QWidget>

#include <functional>
#include <optional>

class QMouseEvent;

namespace rt {

class Control;

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
// once, before the control that has the focus; a swipe across it is the release of the
// arrow key of its way. Once hidden it gives back its native window and its pixels until it
// is shown again.
class FormWindow : public QWidget {
public:
    explicit FormWindow(const ScreenDesign& design);

    const ScreenDesign& design() const { return design_; }

    std::function<void(int keyCode, int shift)> onKeyUp;
    std::function<void()> onClosedByPlayer;
    // What a screen reader says of the screen, after its title, as its window becomes active.
    std::function<Sentence()> description;

    void watchKeysOf(QWidget* widget) { widget->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent*) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent*) override;

private:
    void releaseKey(QObject* watched, int keyCode, int shift);
    QWidget* keyboardFocus();
    void followSwipe(const QMouseEvent& mouse);

    const ScreenDesign& design_;
    // Where the finger, the pen or the mouse went down, until it goes up.
    std::optional<QPointF> swipeFrom_;
};

} // namespace rt
