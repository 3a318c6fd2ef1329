#include "runtime/registry.h"

#include "runtime/screen.h"

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
    if (ended_ || target.instance)
        return;
    target.instance = target.factory(*this);
    target.instance->deliverLoad();
}

void Registry::show(std::string_view screen)
{
    load(screen);
    if (LoadedScreen* instance = entry(screen).instance.get(); instance && !ended_) {
        instance->screen().present();
        handOver_.shown(instance->screen().window());
    }
}

void Registry::hide(std::string_view screen)
{
    LoadedScreen* instance = entry(screen).instance.get();
    if (!instance || ended_)
        return;
    instance->screen().withdraw();
    handOver_.hidden(instance->screen().window());
}

void Registry::close(std::string_view screen)
{
    Entry& target = entry(screen);
    if (ended_ || !target.instance)
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
        if (target.instance)
            unload(target);
    }
    if (onEnd_)
        onEnd_();
}

void Registry::unload(Entry& target)
{
    target.instance->screen().retire();
    retired_.push_back(std::move(target.instance));
    QTimer::singleShot(0, this, [this] { retired_.clear(); });
}

Screen* Registry::screen(std::string_view name) const
{
    const auto found = entries_.find(name);
    return found == entries_.end() || !found->second.instance ? nullptr
                                                              : &found->second.instance->screen();
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
        if (target.instance)
            names.push_back(name);
    }
    return names;
}

bool Registry::anyVisible() const
{
    for (const auto& [name, target] : entries_) {
        if (target.instance && target.instance->screen().isVisible())
            return true;
    }
    return false;
}

} // namespace rt
