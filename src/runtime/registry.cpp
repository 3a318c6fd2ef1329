#include "runtime/registry.h"

#include "runtime/form.h"

#include <QTimer>
#include <QWidget>

namespace rt {

Registry::Registry(std::function<void()> onEnd, HandOver::Policy handOver)
    : handOver_(handOver)
    , onEnd_(std::move(onEnd))
{
}

Registry::~Registry() = default;

void Registry::add(std::string_view screen, Factory factory)
{
    entries_[std::string(screen)].factory = std::move(factory);
}

Registry::Entry& Registry::entry(std::string_view screen)
{
    const auto found = entries_.find(screen);
    if (found == entries_.end())
        qFatal("There is no screen named %s", std::string(screen).c_str());
    return found->second;
}

void Registry::load(std::string_view screen)
{
    Entry& target = entry(screen);
    if (ended_ || target.form)
        return;
    target.form = target.factory(*this);
    if (target.form->name() != screen)
        qFatal("The screen %s is built from the design of %s", std::string(screen).c_str(),
               std::string(target.form->name()).c_str());
    target.form->deliverLoad();
}

void Registry::show(std::string_view screen)
{
    load(screen);
    if (Form* form = entry(screen).form.get(); form && !ended_) {
        form->screen_.present();
        handOver_.shown(form->screen_.window());
    }
}

void Registry::hide(std::string_view screen)
{
    Form* form = entry(screen).form.get();
    if (!form || ended_)
        return;
    form->screen_.withdraw();
    handOver_.hidden(form->screen_.window());
}

void Registry::close(std::string_view screen)
{
    Entry& target = entry(screen);
    if (ended_ || !target.form)
        return;
    unload(target);
    // Once the player has closed the last visible window, nothing is left to play with.
    if (!anyVisible())
        end();
}

void Registry::end()
{
    if (ended_)
        return;
    ended_ = true;
    for (auto& [name, target] : entries_) {
        if (target.form)
            unload(target);
    }
    if (onEnd_)
        onEnd_();
}

void Registry::unload(Entry& target)
{
    target.form->screen_.retire();
    retired_.push_back(std::move(target.form));
    QTimer::singleShot(0, this, [this] { retired_.clear(); });
}

Screen* Registry::screen(std::string_view name) const
{
    const auto found = entries_.find(name);
    return found == entries_.end() || !found->second.form ? nullptr : &found->second.form->screen_;
}

bool Registry::isVisible(std::string_view name) const
{
    const Screen* loaded = screen(name);
    return loaded && loaded->isVisible();
}

std::vector<std::string> Registry::loadedScreens() const
{
    std::vector<std::string> names;
    for (const auto& [name, target] : entries_) {
        if (target.form)
            names.push_back(name);
    }
    return names;
}

bool Registry::anyVisible() const
{
    for (const auto& [name, target] : entries_) {
        if (target.form && target.form->screen_.isVisible())
            return true;
    }
    return false;
}

} // namespace rt
