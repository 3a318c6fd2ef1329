#pragma once

#include "runtime/hand_over.h"

#include <QObject>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

class Screen;

// A loaded screen as the registry keeps it: the runtime's side of it, and its load event,
// which runs its Form_Load.
class LoadedScreen {
public:
    virtual ~LoadedScreen() = default;
    virtual Screen& screen() = 0;
    virtual void deliverLoad() = 0;
};

// Every screen of the game, each loaded at most once: Load creates it,
// Show loads and activates it, Hide keeps it and its timers, End stops everything.
class Registry : public QObject {
public:
    using Factory = std::function<std::unique_ptr<LoadedScreen>(Registry&)>;

    // onEnd runs once when the program ends; the application quits there. How hidden
    // windows leave the screen is the platform's to say.
    Registry(std::function<void()> onEnd, HandOver::Policy handOver);
    ~Registry() override;

    void add(std::string_view screen, Factory factory);

    void load(std::string_view screen);
    void show(std::string_view screen);
    void hide(std::string_view screen);
    void end();
    // The player closed the screen's window through its frame.
    void close(std::string_view screen);

    bool hasEnded() const { return ended_; }
    // The loaded screen, or null when it is not loaded.
    Screen* screen(std::string_view name) const;
    bool isVisible(std::string_view screen) const;
    std::vector<std::string> loadedScreens() const;

private:
    struct Entry {
        Factory factory;
        std::unique_ptr<LoadedScreen> instance;
    };
    Entry& entry(std::string_view screen);
    void unload(Entry& entry);
    bool anyVisible() const;

    std::map<std::string, Entry, std::less<>> entries_;
    // Unloaded screens wait here until control is back in the event loop, since the
    // handler that unloaded them may still be running on one of their widgets.
    std::vector<std::unique_ptr<LoadedScreen>> retired_;
    HandOver handOver_;
    std::function<void()> onEnd_;
    bool ended_ = false;
};

} // namespace rt
