#pragma once

// What the benchmarks read of their own process, and the one way they report it: a line
// "figure value" on standard output, which tools/bench/side_by_side collects.

#include <cstdint>
#include <functional>
#include <string_view>

class QWidget;

namespace bench {

// CLOCK_MONOTONIC is one clock for the whole machine, so a reading taken in one process
// can be set against one taken in another.
std::int64_t monotonicNs();
// CPU time of the whole process, every thread included.
double cpuMs();
// The high-water mark of resident memory (VmHWM).
long peakResidentKb();

void report(std::string_view figure, double value);

// Calls done once the window has painted and the frame has gone to the display. The
// paint event only starts a frame: the window's children paint after it and the frame is
// flushed after them, so done runs from the event loop once all of that has returned,
// ahead of any work the program queued while it painted (the game's window icon).
// Set it up before the window is shown, since some platforms paint within show().
void onFirstFrame(QWidget* window, std::function<void()> done);

} // namespace bench
