#pragma once

#include "runtime/control.h"
#include "runtime/design.h"
#include "runtime/sentence.h"

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class QWidget;

namespace rt {

class FormWindow;

// A loaded screen as the runtime keeps it: its window and controls built from its design,
// and whether Show or Hide was the last said of it. The handlers see it only through Form.
class Screen {
public:
    Screen(std::string_view name, const ScreenDesign& design);
    ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    std::string_view name() const { return name_; }
    const ScreenDesign& design() const { return design_; }
    QWidget* window() const;

    // Naming a control the design does not have stops the program.
    Control& control(std::string_view name);
    Control& control(std::string_view name, int index);
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    // Shown by Show and not hidden since, whether or not its window is on the screen.
    bool isVisible() const { return shown_; }
    bool isRetired() const { return retired_; }

    // Shows the window in front with the keyboard; the first time, the focus goes to the
    // first tab stop.
    void present();
    // Hidden by Hide: the window itself goes when the hand-over lets it.
    void withdraw() { shown_ = false; }
    // Unloaded: the window goes at once and the timers stop.
    void retire();

    // A key released with the screen active, and the player closing the window.
    void onKeyUp(std::function<void(int keyCode, int shift)> handler);
    void onClosedByPlayer(std::function<void()> handler);

    // What a screen reader says, if one listens: see rt::say, and the description said each
    // time the window becomes active.
    void say(std::string_view topic, const Sentence& sentence);
    void describeWith(std::function<Sentence()> description);

private:
    Control* find(std::string_view name, int index) const;
    void buildControls();
    void stackControls();
    void orderTabStops();
    Control* firstTabStop() const;

    std::string_view name_;
    const ScreenDesign& design_;
    FormWindow* window_;
    std::vector<std::unique_ptr<Control>> controls_;
    bool retired_ = false;
    bool shownBefore_ = false;
    bool shown_ = false;
};

} // namespace rt
