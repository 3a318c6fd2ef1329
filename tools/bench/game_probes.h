#pragma once

// Ways into the game's screens for the benchmarks that measure them from the inside.

#include <functional>
#include <string_view>

namespace rt {
class Screen;
class Registry;
} // namespace rt

namespace bench {

// Loads and shows a screen as the game does, then runs the event loop until its window
// has shown its first frame.
rt::Screen& showScreen(rt::Registry& registry, std::string_view screen);

// Runs what opens a screen, such as a handler of the game, then runs the event loop until
// the screen's window has shown a frame. The screen is loaded first, as every handler that
// opens one does, so that its window can be watched.
rt::Screen& openScreen(rt::Registry& registry, std::string_view screen,
                       const std::function<void()>& opener);

// Calls tick each time the screen's timer fires, as the tick begins, before the screen's
// own handler runs.
void onTick(rt::Screen& form, std::string_view timer, std::function<void()> tick);

} // namespace bench
