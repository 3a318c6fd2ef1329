#include "runtime/form.h"

#include "runtime/registry.h"
#include "runtime/widgets.h"

#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <string>

namespace rt {

namespace {

// Buttons and picture boxes are windows of their own: they stand in front of the
// other controls and can take the focus.
bool isWindowed(Kind kind)
{
    return kind == Kind::Button || kind == Kind::PictureBox;
}

[[noreturn]] void missing(std::string_view screen, std::string_view what, std::string_view name)
{
    qFatal("%s has no %s named %s", std::string(screen).c_str(), std::string(what).c_str(),
           std::string(name).c_str());
}

} // namespace

Form::Form(Registry& registry, const ScreenDesign& design)
    : registry_(registry)
    , design_(design)
    , window_(new FormWindow(design))
{
    buildControls();
    stackControls();
    orderTabStops();
    window_->onKeyUp = [this](int keyCode, int shift) {
        deliver([&] { Form_KeyUp(keyCode, shift); });
    };
    window_->onClosedByPlayer = [this] { registry_.close(name()); };
    window_->onArrived = [this] { registry_.hideWithdrawn(); };
}

Form::~Form()
{
    delete window_;
}

Control* Form::find(std::string_view name, int index) const
{
    for (const auto& control : controls_) {
        if (control->name() == name && control->index() == index)
            return control.get();
    }
    return nullptr;
}

Control& Form::control(std::string_view name)
{
    Control* found = find(name, -1);
    if (!found)
        missing(this->name(), "control", name);
    return *found;
}

Control& Form::control(std::string_view name, int index)
{
    Control* found = find(name, index);
    if (!found)
        missing(this->name(), "control", std::string(name) + "(" + std::to_string(index) + ")");
    return *found;
}

QWidget* Form::window() const
{
    return window_;
}

// A design lists a picture box before the controls it contains.
void Form::buildControls()
{
    for (const ControlDesign& design : design_.controls) {
        auto control = std::make_unique<Control>(design);
        QWidget* parent =
            design.container.empty() ? window_ : this->control(design.container).widget();
        if (design.kind == Kind::Timer) {
            control->attach(new QTimer(window_));
        } else if (design.kind == Kind::Button) {
            control->attach(new QPushButton(parent));
        } else {
            control->attach(new ControlView(*control, parent));
        }
        if (control->widget())
            window_->watchKeysOf(control->widget());
        controls_.push_back(std::move(control));
    }
}

void Form::stackControls()
{
    // raise() brings a widget to the front, so go from the back-most to the front-most.
    for (bool front : {false, true}) {
        for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
            if ((*it)->widget() && isWindowed((*it)->kind()) == front)
                (*it)->widget()->raise();
        }
    }
}

void Form::orderTabStops()
{
    std::vector<Control*> stops;
    for (const auto& control : controls_) {
        if (isWindowed(control->kind()))
            stops.push_back(control.get());
    }
    std::stable_sort(stops.begin(), stops.end(), [](const Control* a, const Control* b) {
        return a->design().tabIndex < b->design().tabIndex;
    });
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1]->widget(), stops[i]->widget());
}

Control* Form::firstTabStop() const
{
    Control* first = nullptr;
    for (const auto& control : controls_) {
        if (isWindowed(control->kind()) && control->visible() && control->enabled() &&
            (!first || control->design().tabIndex < first->design().tabIndex))
            first = control.get();
    }
    return first;
}

void Form::present()
{
    shown_ = true;
    // A window the player minimised is still visible to Qt, so show() alone leaves it
    // off the screen; taking back only that state keeps it maximised if it was.
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
    if (!shownBefore_) {
        shownBefore_ = true;
        if (Control* first = firstTabStop())
            first->widget()->setFocus(Qt::TabFocusReason);
    }
}

bool Form::isArriving() const
{
    return shown_ && window_->isArriving();
}

void Form::hideIfWithdrawn()
{
    if (!shown_)
        window_->hide();
}

void Form::retire()
{
    retired_ = true;
    shown_ = false;
    window_->hide();
    for (QTimer* timer : window_->findChildren<QTimer*>())
        timer->stop();
}

void Form::deliverLoad()
{
    deliver([this] { Form_Load(); });
}

void Form::deliver(const std::function<void()>& handler) const
{
    if (!retired_ && !registry_.hasEnded())
        handler();
}

void Form::onClick(std::string_view button, std::function<void()> handler)
{
    control(button).bind([this, handler = std::move(handler)] { deliver(handler); });
}

void Form::onClick(std::string_view button, std::function<void(int index)> handler)
{
    bool found = false;
    for (const auto& control : controls_) {
        if (control->name() == button && control->index() >= 0) {
            const int index = control->index();
            control->bind([this, handler, index] { deliver([&] { handler(index); }); });
            found = true;
        }
    }
    if (!found)
        missing(name(), "control array", button);
}

void Form::onTimer(std::string_view timer, std::function<void()> handler)
{
    control(timer).bind([this, handler = std::move(handler)] { deliver(handler); });
}

void Form::load(std::string_view screen)
{
    registry_.load(screen);
}

void Form::show(std::string_view screen)
{
    registry_.show(screen);
}

void Form::hide(std::string_view screen)
{
    registry_.hide(screen);
}

void Form::end()
{
    registry_.end();
}

} // namespace rt
