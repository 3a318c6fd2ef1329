#pragma once

#include "runtime/control.h"
#include "runtime/platform.h"
#include "runtime/registry.h"
#include "runtime/screen.h"
#include "support/events.h"

#include <QString>
#include <Qt>

#include <string_view>

// The whole game as a player has it: every screen known to one registry. Ending the
// game is recorded instead of quitting the test.
class Game {
public:
    explicit Game(rt::HandOver::Policy handOver = rt::platform::handOverPolicy());
    ~Game();

    rt::Registry registry;
    bool ended = false;

    // The loaded screen; fails the test when it is not loaded.
    rt::Screen& screen(std::string_view name);
    rt::Control& control(std::string_view screen, std::string_view name, int index = -1);
    bool isLoaded(std::string_view screen) const { return registry.screen(screen) != nullptr; }
    bool isVisible(std::string_view screen) const { return registry.isVisible(screen); }
    // The screen whose window is active once pending events are through, or "" when
    // none is.
    QString activeScreen() const;

    // Ticks the timer as its interval would.
    void tick(std::string_view screen, std::string_view timer, int times = 1);
    // Closes the screen's window as its frame's close button does.
    void closeByFrame(std::string_view screen);
};

// Start-up as the program does it: the splash is loaded and shown.
void startGame(Game& game);
