#include "runtime/registry.h"

#include "runtime/form.h"
#include "runtime/platform.h"

#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace rt {

Registry::Registry(std::function<void()> onEnd)
    : onEnd_(std::move(onEnd))
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
    if (Form* form = entry(screen).form.get(); form && !ended_)
        form->present();
}

void Registry::hide(std::string_view screen)
{
    Form* form = entry(screen).form.get();
    if (!form || ended_)
        return;
    form->withdraw();
    if (!platform::hidingWaitsForTheNextWindow()) {
        form->hideIfWithdrawn();
        return;
    }
    hideWithdrawn();
    if (form->window()->isVisible())
        QTimer::singleShot(1000, form->window(), [form] { form->hideIfWithdrawn(); });
}

void Registry::hideWithdrawn()
{
    const auto arriving = [](const auto& item) {
        return item.second.form && item.second.form->isArriving();
    };
    if (std::any_of(entries_.begin(), entries_.end(), arriving))
        return;
    for (auto& [name, target] : entries_) {
        if (target.form)
            target.form->hideIfWithdrawn();
    }
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
    target.form->retire();
    retired_.push_back(std::move(target.form));
    QTimer::singleShot(0, this, [this] { retired_.clear(); });
}

Form* Registry::form(std::string_view screen) const
{
    const auto found = entries_.find(screen);
    return found == entries_.end() ? nullptr : found->second.form.get();
}

bool Registry::isVisible(std::string_view screen) const
{
    const Form* loaded = form(screen);
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
        if (target.form && target.form->isVisible())
            return true;
    }
    return false;
}

} // namespace rt
