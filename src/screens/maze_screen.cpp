#include "screens/maze_screen.h"

#include "core/levels.h"
#include "core/number_text.h"
#include "core/texts.h"
#include "runtime/arrow_keys.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace screens {

using core::Cell;
using core::Way;

namespace {

// A way as a step goes it and as a list of open ways names it.
struct WayWords {
    int keyCode;
    Way way;
    const char* step;
    const char* listed;
};

constexpr WayWords wayWords[] = {
    {rt::keyUp, Way::Up, NC_("Quillory", "Up"), NC_("Quillory", "up")},
    {rt::keyDown, Way::Down, NC_("Quillory", "Down"), NC_("Quillory", "down")},
    {rt::keyLeft, Way::Left, NC_("Quillory", "Left"), NC_("Quillory", "left")},
    {rt::keyRight, Way::Right, NC_("Quillory", "Right"), NC_("Quillory", "right")},
};

} // namespace

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
    describeWith([this] { return description(); });
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
    const core::SnailPos before = snail;
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
    tellTheStep(keyCode, before);
}

// The count lives in the label alone.
void MazeScreen::Timer1_Timer()
{
    lblTime.setCaption(core::numberToText(core::textToNumber(lblTime.caption()) - 1));
    if (core::textToNumber(lblTime.caption()) == 0) {
        Timer1.setEnabled(false);
        load("frmLost");
        show("frmLost");
    } else {
        tellTheTime();
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

// "Level 1, 30 seconds. Open: left."
std::string MazeScreen::description() const
{
    const auto level = std::ranges::find(core::levels, name(), &core::Level::screen);
    return core::filledIn(
               translated(NC_("Quillory", "Level %1, %2 seconds.")),
               {core::numberToText(double(level - core::levels.begin() + 1)), lblTime.caption()}) +
           " " + openWays();
}

// "Open: up, down."
std::string MazeScreen::openWays() const
{
    std::string ways;
    for (Way way : core::openWays(grid, snail)) {
        if (!ways.empty())
            //: Between the ways in a list of open ways: "up, down".
            ways += translated(NC_("Quillory", ", "));
        ways += translated(std::ranges::find(wayWords, way, &WayWords::way)->listed);
    }
    return core::filledIn(translated(NC_("Quillory", "Open: %1.")), {ways});
}

// A screen reader hears where an arrow key took the snail and which ways are open there,
// or that a wall stopped it; a step into the exit has the win screen speak.
void MazeScreen::tellTheStep(int keyCode, core::SnailPos before)
{
    if (!screenReaderListens())
        return;
    const auto words = std::ranges::find(wayWords, keyCode, &WayWords::keyCode);
    if (words == std::end(wayWords) || (snail != before && grid.at(snail.x, snail.y) == Cell::Exit))
        return;
    if (snail == before)
        say("step", translated(NC_("Quillory", "Wall.")));
    else
        //: A step and the ways open after it: "Right. Open: up, down."
        say("step", core::filledIn(translated(NC_("Quillory", "%1. %2")),
                                   {translated(words->step), openWays()}));
}

// A screen reader hears the time left at each ten seconds and each of the last five.
void MazeScreen::tellTheTime()
{
    if (!screenReaderListens())
        return;
    const double left = core::textToNumber(lblTime.caption());
    if (left <= 5)
        //: Each of the last five seconds: "5."
        say("time", core::filledIn(translated(NC_("Quillory", "%1.")), {lblTime.caption()}));
    else if (std::fmod(left, 10) == 0)
        say("time",
            core::filledIn(translated(NC_("Quillory", "%1 seconds.")), {lblTime.caption()}));
}

} // namespace screens
