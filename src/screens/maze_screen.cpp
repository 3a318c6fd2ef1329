#include "screens/maze_screen.h"

#include "core/number_text.h"
#include "core/texts.h"
#include "runtime/arrow_keys.h"

#include <algorithm>
#include <iterator>

namespace screens {

using Outcome = core::Step::Outcome;

namespace {

// An arrow key, the way it sends the snail, and the words for it: as a step goes it, and as a
// list of open ways names it. In the order of core::Way.
struct WayWords {
    int keyCode;
    core::Way way;
    const char* step;
    const char* listed;
};

constexpr WayWords wayWords[] = {
    {rt::keyUp, core::Way::Up, NC_("Quillory", "Up"), NC_("Quillory", "up")},
    {rt::keyDown, core::Way::Down, NC_("Quillory", "Down"), NC_("Quillory", "down")},
    {rt::keyLeft, core::Way::Left, NC_("Quillory", "Left"), NC_("Quillory", "left")},
    {rt::keyRight, core::Way::Right, NC_("Quillory", "Right"), NC_("Quillory", "right")},
};

} // namespace

MazeScreen::MazeScreen(rt::Registry& registry, std::string_view name,
                       const rt::ScreenDesign& design, int level)
    : rt::Form(registry, name, design)
    , level(level)
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

// Only arrow releases count. The sprite moves by the size of Picture1 for each cell, a little
// more than the wall pitch, so it creeps across the walls as it goes; that is how it looks.
void MazeScreen::Form_KeyUp(int keyCode, int /*shift*/)
{
    const auto words =
        std::find_if(std::begin(wayWords), std::end(wayWords),
                     [keyCode](const WayWords& words) { return words.keyCode == keyCode; });
    if (words == std::end(wayWords))
        return;
    const core::Step step = core::step(grid, snail, words->way);
    const core::SnailPos from = snail;
    snail = step.to;
    if (snail.x != from.x)
        picSnail.setLeft(picSnail.left() + float(snail.x - from.x) * Picture1.width());
    if (snail.y != from.y)
        picSnail.setTop(picSnail.top() + float(snail.y - from.y) * Picture1.height());
    if (step.outcome == Outcome::Exit) {
        load("frmWon");
        Timer1.setEnabled(false);
        show("frmWon");
    } else {
        tellTheStep(words->step, step.outcome);
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

int MazeScreen::secondsLeft() const
{
    return int(core::textToNumber(lblTime.caption()));
}

// "Level 1, 30 seconds. Open: left."
rt::Sentence MazeScreen::description() const
{
    return {.marked = NCN_("Quillory", "Level %1, %n seconds. %2"),
            .values = {{.verbatim = core::numberToText(level)}, openWays()},
            .count = secondsLeft()};
}

// "Open: up, down."
rt::Sentence MazeScreen::openWays() const
{
    const std::vector<core::Way> open = core::openWays(grid, snail);
    rt::Sentence list;
    for (std::size_t i = 0; i < open.size(); ++i) {
        const rt::Sentence way{.marked = wayWords[std::size_t(open[i])].listed};
        //: Joins the ways in a list of open ways: "up, down".
        list =
            i == 0 ? way : rt::Sentence{.marked = NC_("Quillory", "%1, %2"), .values = {list, way}};
    }
    return {.marked = NC_("Quillory", "Open: %1."), .values = {list}};
}

// A screen reader hears where an arrow key took the snail and which ways are open there, or
// that a wall stopped it; a step into the exit has the win screen speak.
void MazeScreen::tellTheStep(const char* way, Outcome outcome)
{
    if (outcome == Outcome::Wall)
        say("step", {.marked = NC_("Quillory", "Wall.")});
    else
        //: A step and the ways open after it: "Right. Open: up, down."
        say("step", {.marked = NC_("Quillory", "%1. %2"), .values = {{.marked = way}, openWays()}});
}

// A screen reader hears the time left at each ten seconds and each of the last five.
void MazeScreen::tellTheTime()
{
    const int left = secondsLeft();
    if (left <= 5)
        //: Each of the last five seconds: "5."
        say("time",
            {.marked = NC_("Quillory", "%1."), .values = {{.verbatim = lblTime.caption()}}});
    else if (left % 10 == 0)
        say("time", {.marked = NCN_("Quillory", "%n seconds."), .count = left});
}

} // namespace screens
