#pragma once

#include "runtime/design.h"

#include <functional>
#include <string>
#include <string_view>

class QWidget;
class QTimer;

namespace rt {

// A handle on one control of a loaded screen. Positions and sizes are in twips;
// every change shows on the window at once.
class Control {
public:
    explicit Control(const ControlDesign& design);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    std::string_view name() const { return design_.name; }
    int index() const { return design_.index; }
    Kind kind() const { return design_.kind; }
    const ControlDesign& design() const { return design_; }

    float left() const { return left_; }
    float top() const { return top_; }
    float width() const { return width_; }
    float height() const { return height_; }
    void setLeft(float twips);
    void setTop(float twips);
    void setWidth(float twips);
    void setHeight(float twips);

    const std::string& caption() const { return caption_; }
    void setCaption(std::string_view text);

    bool enabled() const { return enabled_; }
    // For a timer, enabling starts a fresh interval and disabling stops it.
    void setEnabled(bool enabled);

    // The design value, also while the screen itself is hidden.
    bool visible() const { return visible_; }
    void setVisible(bool visible);

    // What the player's click or the timer's tick does: runs the bound handler.
    // A click needs an enabled button, a tick an enabled timer.
    void click();
    void tick();

    // The runtime's side: the widget or timer behind the handle, and the handler.
    QWidget* widget() const { return widget_; }
    void attach(QWidget* widget);
    void attach(QTimer* timer);
    void bind(std::function<void()> handler) { handler_ = std::move(handler); }

private:
    void applyGeometry();
    void fire();

    const ControlDesign& design_;
    float left_;
    float top_;
    float width_;
    float height_;
    std::string caption_;
    bool enabled_;
    bool visible_;
    QWidget* widget_ = nullptr;
    QTimer* timer_ = nullptr;
    std::function<void()> handler_;
};

} // namespace rt
