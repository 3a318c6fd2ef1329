#include "screens/maze_screen.h"

#include "core/number_text.h"
#include "runtime/arrow_keys.h"

namespace screens {

using core::Cell;

MazeScreen::MazeScreen(rt::Registry& registry, const rt::ScreenDesign& design)
    : rt::Form(registry, design)
    , picSnail(control("picSnail"))
    , Picture1(control("Picture1"))
    , lblTime(control("lblTime"))
    , Timer1(control("Timer1"))
{
    onTimer("Timer1", [this] { Timer1_Timer(); });
    onClick("cmdMenu", [this] { cmdMenu_Click(); });
    onClick("cmdExit", [this] { cmdExit_Click(); });
}

void MazeScreen::Form_Load()
{
    Timer1.setEnabled(true);
    snail = core::startCell;
    grid.fill();
}

// Only arrow releases count. The sprite moves by the size of Picture1, a little more
// than the wall pitch, so it creeps across the walls as it goes; that is how it looks.
void MazeScreen::Form_KeyUp(int keyCode, int /*shift*/)
{
    if (keyCode == rt::keyRight) {
        if (grid.at(snail.x + 1, snail.y) == Cell::Path) {
            snail.x = snail.x + 1;
            picSnail.setLeft(picSnail.left() + Picture1.width());
        }
    } else if (keyCode == rt::keyLeft) {
        if (grid.at(snail.x - 1, snail.y) == Cell::Path) {
            snail.x = snail.x - 1;
            picSnail.setLeft(picSnail.left() - Picture1.width());
        }
        // A step onto the cell before the exit carries on into it.
        if (grid.at(snail.x - 1, snail.y) == Cell::Exit) {
            snail.x = snail.x - 1;
            picSnail.setLeft(picSnail.left() - Picture1.width());
            load("frmWon");
            Timer1.setEnabled(false);
            show("frmWon");
        }
    } else if (keyCode == rt::keyUp) {
        if (grid.at(snail.x, snail.y - 1) == Cell::Path) {
            snail.y = snail.y - 1;
            picSnail.setTop(picSnail.top() - Picture1.height());
        }
    } else if (keyCode == rt::keyDown) {
        if (grid.at(snail.x, snail.y + 1) == Cell::Path) {
            snail.y = snail.y + 1;
            picSnail.setTop(picSnail.top() + Picture1.height());
        }
    }
}

// The count lives in the label alone.
void MazeScreen::Timer1_Timer()
{
    lblTime.setCaption(core::numberToText(core::textToNumber(lblTime.caption()) - 1));
    if (core::textToNumber(lblTime.caption()) == 0) {
        Timer1.setEnabled(false);
        load("frmLost");
        show("frmLost");
    }
}

void MazeScreen::cmdMenu_Click()
{
    load("frmLevel");
    show("frmLevel");
    hide(name());
}

void MazeScreen::cmdExit_Click()
{
    end();
}

} // namespace screens
