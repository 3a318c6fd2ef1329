#pragma once

#include "runtime/form.h"

namespace screens {

// The hub of the game: opens the three levels, the instructions and the about screen.
class LevelMenu : public rt::Form {
public:
    LevelMenu(rt::Registry& registry, std::string_view name, const rt::ScreenDesign& design);

private:
    void cmdLevel1_Click(int index);
    void cmdLevel2_Click();
    void cmdLevel3_Click();
    void cmdInst_Click(int index);
    void cmdAbout_Click();
    void cmdExit_Click();
};

} // namespace screens
