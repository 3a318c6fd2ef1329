#pragma once

#include "runtime/control.h"
#include "runtime/design.h"

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class QWidget;

namespace rt {

class FormWindow;
class Registry;

// One screen of the game: its window built from a design, its controls, and the
// handlers a screen class binds to them. A form lives from Load until the program
// ends or the player closes its window.
class Form {
public:
    Form(Registry& registry, const ScreenDesign& design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    std::string_view name() const { return design_.name; }
    const ScreenDesign& design() const { return design_; }

    // Naming a control the design does not have stops the program.
    Control& control(std::string_view name);
    Control& control(std::string_view name, int index);
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    virtual void Form_Load() {}
    virtual void Form_KeyUp(int /*keyCode*/, int /*shift*/) {}

    // The runtime's side.
    QWidget* window() const;
    // Shown by Show and not hidden since, whether or not its window has reached the screen.
    bool isVisible() const { return shown_; }
    // Shown, but its window is not on the screen yet.
    bool isArriving() const;
    void present();
    // Hidden by Hide: the window itself goes once the registry says so.
    void withdraw() { shown_ = false; }
    void hideIfWithdrawn();
    void retire();
    void deliverLoad();

protected:
    void onClick(std::string_view button, std::function<void()> handler);
    // For a control array: the handler gets the element's index.
    void onClick(std::string_view button, std::function<void(int index)> handler);
    void onTimer(std::string_view timer, std::function<void()> handler);

    void load(std::string_view screen);
    void show(std::string_view screen);
    void hide(std::string_view screen);
    void end();

private:
    Control* find(std::string_view name, int index) const;
    void buildControls();
    void stackControls();
    void orderTabStops();
    Control* firstTabStop() const;
    void deliver(const std::function<void()>& handler) const;

    Registry& registry_;
    const ScreenDesign& design_;
    FormWindow* window_;
    std::vector<std::unique_ptr<Control>> controls_;
    bool retired_ = false;
    bool shownBefore_ = false;
    bool shown_ = false;
};

} // namespace rt
