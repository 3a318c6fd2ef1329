#include "runtime/form.h"

namespace rt {

Form::Form(Registry& registry, std::string_view name, const ScreenDesign& design)
    : registry_(registry)
    , screen_(name, design)
{
    screen_.onKeyUp(
        [this](int keyCode, int shift) { deliver([&] { Form_KeyUp(keyCode, shift); }); });
    screen_.onClosedByPlayer([this] { registry_.close(this->name()); });
}

void Form::deliverLoad()
{
    deliver([this] { Form_Load(); });
}

void Form::deliver(const std::function<void()>& handler) const
{
    if (!screen_.isRetired() && !registry_.hasEnded())
        handler();
}

void Form::onClick(std::string_view button, std::function<void()> handler)
{
    control(button).bind([this, handler = std::move(handler)] { deliver(handler); });
}

void Form::onClick(std::string_view button, std::function<void(int index)> handler)
{
    bool found = false;
    for (const auto& control : screen_.controls()) {
        if (control->name() == button && control->index() >= 0) {
            const int index = control->index();
            control->bind([this, handler, index] { deliver([&] { handler(index); }); });
            found = true;
        }
    }
    if (!found)
        qFatal("%s has no control array named %s", std::string(name()).c_str(),
               std::string(button).c_str());
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

void Form::say(std::string_view topic, const Sentence& sentence)
{
    screen_.say(topic, sentence);
}

void Form::describeWith(std::function<Sentence()> description)
{
    screen_.describeWith(std::move(description));
}

} // namespace rt
