#include "screens/leaf_screen.h"

namespace screens {

LeafScreen::LeafScreen(rt::Registry& registry, std::string_view name,
                       const rt::ScreenDesign& design)
    : rt::Form(registry, name, design)
{
    onClick("cmdMain", [this] { cmdMain_Click(); });
    onClick("cmdExit", [this] { cmdExit_Click(); });
}

void LeafScreen::cmdMain_Click()
{
    load("frmLevel");
    show("frmLevel");
    hide(name());
}

void LeafScreen::cmdExit_Click()
{
    end();
}

} // namespace screens
