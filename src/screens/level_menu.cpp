#include "screens/level_menu.h"

namespace screens {

LevelMenu::LevelMenu(rt::Registry& registry, std::string_view name, const rt::ScreenDesign& design)
    : rt::Form(registry, name, design)
{
    onClick("cmdLevel1", [this](int index) { cmdLevel1_Click(index); });
    onClick("cmdLevel2", [this] { cmdLevel2_Click(); });
    onClick("cmdLevel3", [this] { cmdLevel3_Click(); });
    onClick("cmdInst", [this](int index) { cmdInst_Click(index); });
    onClick("cmdAbout", [this] { cmdAbout_Click(); });
    onClick("cmdExit", [this] { cmdExit_Click(); });
}

void LevelMenu::cmdLevel1_Click(int /*index*/)
{
    load("frmMaze1");
    show("frmMaze1");
    hide("frmLevel");
}

void LevelMenu::cmdLevel2_Click()
{
    load("frmMaze2");
    show("frmMaze2");
    hide("frmLevel");
}

void LevelMenu::cmdLevel3_Click()
{
    load("frmMAze3");
    show("frmMAze3");
    hide("frmLevel");
}

void LevelMenu::cmdInst_Click(int /*index*/)
{
    load("frmInst");
    show("frmInst");
    hide("frmLevel");
}

void LevelMenu::cmdAbout_Click()
{
    load("frmAbout");
    show("frmAbout");
    hide("frmLevel");
}

void LevelMenu::cmdExit_Click()
{
    end();
}

} // namespace screens
