#include "screens/splash_screen.h"

#include <cmath>

namespace screens {

SplashScreen::SplashScreen(rt::Registry& registry, std::string_view name,
                           const rt::ScreenDesign& design)
    : rt::Form(registry, name, design)
    , Timer1(control("Timer1"))
    , Timer2(control("Timer2"))
{
    onTimer("Timer1", [this] { Timer1_Timer(); });
    onTimer("Timer2", [this] { Timer2_Timer(); });
}

// Hides all six snails.
void SplashScreen::cleardown()
{
    while (clearCount < 3) {
        control("Image1", clearCount).setVisible(false);
        control("Image2", clearCount).setVisible(false);
        clearCount = std::int16_t(clearCount + 1);
    }
    clearCount = 0;
}

void SplashScreen::Timer2_Timer()
{
    cleardown();
    random.reseedFromClock();
    pick1 = std::int16_t(std::floor(random.next() * 3));
    pick2 = std::int16_t(std::floor(random.next() * 3));
    control("Image1", pick1).setVisible(true);
    control("Image2", pick2).setVisible(true);
}

void SplashScreen::Timer1_Timer()
{
    Timer1.setEnabled(false);
    Timer2.setEnabled(false);
    load("frmLevel");
    show("frmLevel");
    hide("frmSplash");
}

} // namespace screens
