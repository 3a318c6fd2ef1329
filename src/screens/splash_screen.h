#pragma once

#include "core/random.h"
#include "runtime/form.h"

#include <cstdint>

namespace screens {

// The first screen: shuffles its snails five times a second, then hands over to the
// level menu and stays hidden until the end.
class SplashScreen : public rt::Form {
public:
    SplashScreen(rt::Registry& registry, std::string_view name, const rt::ScreenDesign& design);

private:
    void cleardown();
    void Timer1_Timer();
    void Timer2_Timer();

    std::int16_t pick1 = 0;
    std::int16_t pick2 = 0;
    std::int16_t clearCount = 0;
    core::Random random;
    rt::Control& Timer1;
    rt::Control& Timer2;
};

} // namespace screens
