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

template<class Screen> void add(rt::Registry& registry, designs::DesignFunction design)
{
    registry.add(design().name, [design](rt::Registry& owner) {
        return std::make_unique<Screen>(owner, design());
    });
}

} // namespace

void addAll(rt::Registry& registry)
{
    add<SplashScreen>(registry, designs::frmSplash);
    add<LevelMenu>(registry, designs::frmLevel);
    add<LeafScreen>(registry, designs::frmInst);
    add<LeafScreen>(registry, designs::frmAbout);
    add<LeafScreen>(registry, designs::frmWon);
    add<LeafScreen>(registry, designs::frmLost);
    add<MazeScreen>(registry, designs::frmMaze1);
    add<MazeScreen>(registry, designs::frmMaze2);
    add<MazeScreen>(registry, designs::frmMAze3);
}

} // namespace screens
