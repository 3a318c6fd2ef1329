#pragma once

#include <cstdint>
#include <random>

namespace core {

// Uniform numbers in [0, 1), re-seeded from the time of day on request.
class Random {
public:
    // Seeds from the microseconds since midnight, so two seeds 200 ms apart differ.
    void reseedFromClock();
    double next();

private:
    std::mt19937 engine_;
};

} // namespace core
