#pragma once

#include "runtime/control.h"
#include "runtime/design.h"
#include "runtime/registry.h"
#include "runtime/screen.h"
#include "runtime/sentence.h"

#include <functional>
#include <string_view>

namespace rt {

// A screen of the game as its handlers see it: its control handles, the events they bind
// handlers to, and Load, Show, Hide and End. A form lives from Load until the program ends
// or the player closes its window.
class Form : public LoadedScreen {
public:
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    std::string_view name() const { return screen_.name(); }

protected:
    Form(Registry& registry, std::string_view name, const ScreenDesign& design);

    virtual void Form_Load() {}
    virtual void Form_KeyUp(int /*keyCode*/, int /*shift*/) {}

    Control& control(std::string_view name) { return screen_.control(name); }
    Control& control(std::string_view name, int index) { return screen_.control(name, index); }

    void onClick(std::string_view button, std::function<void()> handler);
    // For a control array: the handler gets the element's index.
    void onClick(std::string_view button, std::function<void(int index)> handler);
    void onTimer(std::string_view timer, std::function<void()> handler);

    void load(std::string_view screen);
    void show(std::string_view screen);
    void hide(std::string_view screen);
    void end();

    // What a screen reader says, if one listens while the screen is the active one: a sentence
    // at once, in the place of one on the same topic that it may still be saying and before
    // those on other topics, which it says again; and the screen's description each time
    // the screen becomes active. The runtime puts a sentence into words only for a listener.
    void say(std::string_view topic, const Sentence& sentence);
    void describeWith(std::function<Sentence()> description);

private:
    Screen& screen() override { return screen_; }
    void deliverLoad() override;
    // Runs the handler unless the screen or the program has gone meanwhile.
    void deliver(const std::function<void()>& handler) const;

    Registry& registry_;
    Screen screen_;
};

} // namespace rt
