#include "runtime/screen.h"

#include "runtime/accessibility.h"
#include "runtime/platform.h"
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

[[noreturn]] void missing(std::string_view screen, std::string_view control)
{
    qFatal("%s has no control named %s", std::string(screen).c_str(), std::string(control).c_str());
}

} // namespace

Screen::Screen(std::string_view name, const ScreenDesign& design)
    : name_(name)
    , design_(design)
    , window_(new FormWindow(design))
{
    buildControls();
    stackControls();
    orderTabStops();
}

Screen::~Screen()
{
    delete window_;
}

Control* Screen::find(std::string_view name, int index) const
{
    for (const auto& control : controls_) {
        if (control->name() == name && control->index() == index)
            return control.get();
    }
    return nullptr;
}

Control& Screen::control(std::string_view name)
{
    Control* found = find(name, -1);
    if (!found)
        missing(this->name(), name);
    return *found;
}

Control& Screen::control(std::string_view name, int index)
{
    Control* found = find(name, index);
    if (!found)
        missing(this->name(), std::string(name) + "(" + std::to_string(index) + ")");
    return *found;
}

QWidget* Screen::window() const
{
    return window_;
}

// A design lists a picture box before the controls it contains.
void Screen::buildControls()
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

void Screen::stackControls()
{
    // raise() brings a widget to the front, so go from the back-most to the front-most.
    for (bool front : {false, true}) {
        for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
            if ((*it)->widget() && isWindowed((*it)->kind()) == front)
                (*it)->widget()->raise();
        }
    }
}

void Screen::orderTabStops()
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

Control* Screen::firstTabStop() const
{
    Control* first = nullptr;
    for (const auto& control : controls_) {
        if (isWindowed(control->kind()) && control->visible() && control->enabled() &&
            (!first || control->design().tabIndex < first->design().tabIndex))
            first = control.get();
    }
    return first;
}

void Screen::present()
{
    shown_ = true;
    // A window the player minimised is still visible to Qt, so show() alone leaves it
    // off the screen; taking back only that state keeps it maximised if it was.
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    platform::place(*window_);
    // At its design's size: show() would make it fill the screen where Qt shows every window so,
    // as in the browser.
    window_->setVisible(true);
    window_->raise();
    window_->activateWindow();
    if (!shownBefore_) {
        shownBefore_ = true;
        if (Control* first = firstTabStop())
            first->widget()->setFocus(Qt::TabFocusReason);
    }
}

void Screen::retire()
{
    retired_ = true;
    shown_ = false;
    window_->hide();
    for (QTimer* timer : window_->findChildren<QTimer*>())
        timer->stop();
}

void Screen::onKeyUp(std::function<void(int keyCode, int shift)> handler)
{
    window_->onKeyUp = std::move(handler);
}

void Screen::onClosedByPlayer(std::function<void()> handler)
{
    window_->onClosedByPlayer = std::move(handler);
}

void Screen::say(std::string_view topic, const Sentence& sentence)
{
    rt::say(window_, sentence, topic);
}

void Screen::describeWith(std::function<Sentence()> description)
{
    window_->description = std::move(description);
}

} // namespace rt
