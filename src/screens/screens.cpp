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

// A screen is known by its name alone until it is first loaded: only then is its design
// built, so that start-up builds the splash's design and no other.
template<class Screen>
void add(rt::Registry& registry, std::string_view name, designs::DesignFunction design)
{
    registry.add(
        name, [design](rt::Registry& owner) { return std::make_unique<Screen>(owner, design()); });
}

} // namespace

void addAll(rt::Registry& registry)
{
    add<SplashScreen>(registry, "frmSplash", designs::frmSplash);
    add<LevelMenu>(registry, "frmLevel", designs::frmLevel);
    add<LeafScreen>(registry, "frmInst", designs::frmInst);
    add<LeafScreen>(registry, "frmAbout", designs::frmAbout);
    add<LeafScreen>(registry, "frmWon", designs::frmWon);
    add<LeafScreen>(registry, "frmLost", designs::frmLost);
    add<MazeScreen>(registry, "frmMaze1", designs::frmMaze1);
    add<MazeScreen>(registry, "frmMaze2", designs::frmMaze2);
    add<MazeScreen>(registry, "frmMAze3", designs::frmMAze3);
}

} // namespace screens
