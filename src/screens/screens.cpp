#include "screens/screens.h"

#include "designs/designs.h"
#include "runtime/registry.h"
#include "screens/leaf_screen.h"
#include "screens/level_menu.h"
#include "screens/maze_screen.h"
#include "screens/splash_screen.h"

#include <memory>

namespace screens {

namespace {

std::unique_ptr<rt::LoadedScreen> make(rt::Registry& registry, const designs::Screen& screen)
{
    const rt::ScreenDesign& design = screen.design();
    if (screen.level)
        return std::make_unique<MazeScreen>(registry, screen.name, design, screen.level);
    if (screen.design == designs::frmSplash)
        return std::make_unique<SplashScreen>(registry, screen.name, design);
    if (screen.design == designs::frmLevel)
        return std::make_unique<LevelMenu>(registry, screen.name, design);
    return std::make_unique<LeafScreen>(registry, screen.name, design);
}

} // namespace

// A screen is known by its name alone until it is first loaded: only then is its design
// built, so that start-up builds the splash's design and no other.
void addAll(rt::Registry& registry)
{
    for (const designs::Screen& screen : designs::screens)
        registry.add(screen.name, [&screen](rt::Registry& owner) { return make(owner, screen); });
}

} // namespace screens
