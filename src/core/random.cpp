#include "core/random.h"

#include <chrono>

namespace core {

void Random::reseedFromClock()
{
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    const auto sinceMidnight = duration_cast<microseconds>(now % days(1));
    engine_.seed(std::uint32_t(sinceMidnight.count()));
}

double Random::next()
{
    // 24 random bits scaled down: exactly representable, and never 1.
    return double(engine_() >> 8) / double(1u << 24);
}

} // namespace core
