#pragma once

#include "runtime/form.h"

namespace screens {

// The instructions, about, win and lose screens: each leads back to the level menu
// or ends the game, and nothing more.
class LeafScreen : public rt::Form {
public:
    LeafScreen(rt::Registry& registry, std::string_view name, const rt::ScreenDesign& design);

private:
    void cmdMain_Click();
    void cmdExit_Click();
};

} // namespace screens
