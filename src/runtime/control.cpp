#include "runtime/control.h"

#include "runtime/colours_and_fonts.h"
#include "runtime/text.h"
#include "runtime/twips.h"

#include <QAccessible>
#include <QPushButton>
#include <QTimer>

namespace rt {

Control::Control(const ControlDesign& design)
    : design_(design)
    , left_(design.left)
    , top_(design.top)
    , width_(design.width)
    , height_(design.height)
    , caption_(translated(design.caption).toStdString())
    , enabled_(design.enabled)
    , visible_(design.visible)
{
}

void Control::setLeft(float twips)
{
    left_ = twips;
    applyGeometry();
}

void Control::setTop(float twips)
{
    top_ = twips;
    applyGeometry();
}

void Control::setWidth(float twips)
{
    width_ = twips;
    applyGeometry();
}

void Control::setHeight(float twips)
{
    height_ = twips;
    applyGeometry();
}

void Control::setCaption(std::string_view text)
{
    caption_ = text;
    if (auto* button = qobject_cast<QPushButton*>(widget_)) {
        button->setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
    } else if (widget_) {
        widget_->update();
        // A label's caption is its name to screen readers, as for Qt's own labels.
        QAccessibleEvent changed(widget_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void Control::setEnabled(bool enabled)
{
    const bool starting = enabled && !enabled_;
    enabled_ = enabled;
    if (timer_) {
        if (!enabled)
            timer_->stop();
        else if (starting)
            timer_->start();
    }
    if (widget_)
        widget_->setEnabled(enabled);
}

void Control::setVisible(bool visible)
{
    visible_ = visible;
    if (widget_)
        widget_->setVisible(visible);
}

void Control::click()
{
    if (auto* button = qobject_cast<QPushButton*>(widget_))
        button->click();
}

void Control::tick()
{
    if (timer_ && enabled_)
        fire();
}

void Control::fire()
{
    if (handler_)
        handler_();
}

// Each Qt object is named after its control, so that tests and tools find it by name.
void Control::attach(QWidget* widget)
{
    widget_ = widget;
    widget_->setObjectName(toQString(design_.name));
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setAutoDefault(true); // so that Enter clicks the button that has the focus
        button->setFont(toQFont(design_.font));
        QObject::connect(button, &QPushButton::clicked, [this] { fire(); });
    }
    setCaption(caption_);
    widget_->setEnabled(enabled_);
    widget_->setVisible(visible_);
    applyGeometry();
}

void Control::attach(QTimer* timer)
{
    timer_ = timer;
    timer_->setObjectName(toQString(design_.name));
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(design_.interval);
    QObject::connect(timer, &QTimer::timeout, [this] { tick(); });
    if (enabled_)
        timer_->start();
}

void Control::applyGeometry()
{
    if (widget_)
        widget_->setGeometry(
            pixelRect(design_.kind, left_, top_, width_, height_, design_.lineWidth));
}

} // namespace rt
