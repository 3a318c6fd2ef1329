#include "designs/designs.h"
#include "designs/styles.h"

#include "core/levels.h"

#include <string>

namespace designs {

namespace {

using rt::Kind;
namespace colour = rt::colour;

constexpr float cellPitch = 480;
constexpr float boxSize = 495;

// The number of the picture box on each cell of the maze, 0 for none. Every wall cell
// has a box; on levels 2 and 3 the countdown stands on cell (13, 0) instead of box 8.
// The END boxes of row 1 are placed separately.
// clang-format off
constexpr int wallBoxes[9][15] = {
    {10, 43,  3,  2,  4,  1,  5,  15,  16,  17,  18,  19,  20,   8, 27},
    { 0,  0,  0, 84,  0,  0,  0,   0,   0,   0,   0,   0,   0,   0,  0},
    { 9, 31,  0, 33,  0, 35, 97,  24,   0,  36,  11,   0,  37,  38, 26},
    { 7,  0,  0, 44, 46,  0,  0,  41,   0,  42,   0,   0,  40,  39, 25},
    {21, 50,  0,  0, 47,  0, 57,  56,   0,  79,  69,  68,   0,   0, 34},
    {12, 51, 52,  0,  0,  0,  0,   0,   0,   0,   0,  72,   0, 101, 28},
    {14,  0,  0,  0, 54,  0, 61,   0,  66,  75,   0,  77,   0, 102, 32},
    {13,  0, 30,  0, 80,  0, 64,   0,   0,   0,   0,   0,   0, 103, 29},
    {22, 87, 86, 98, 85, 83, 82, 104, 107, 106, 108, 105, 109, 110, 45},
};
// clang-format on
constexpr int countdownBox = 8;

// Where the snail's box stands among the other boxes, from front to back.
enum class SnailStacking { InFront, BetweenWallsAndEnd, Behind };

struct MazeLayout {
    std::string_view caption;
    const core::Level& level;
    int clientWidth;
    int clientHeight;
    rt::Colour back;
    bool countdownInBox;
    float panelWidth;
    SnailStacking snail;
    std::string_view firstTabStop;
    int menuTab;
    int exitTab;
};

std::string_view boxName(int number)
{
    static const auto names = [] {
        std::array<std::string, 111> all;
        for (std::size_t n = 0; n < all.size(); ++n)
            all[n] = "Picture" + std::to_string(n);
        return all;
    }();
    return names.at(std::size_t(number));
}

rt::ControlDesign box(std::string_view name, float left, float top, rt::Colour back,
                      std::string_view accessibleName, std::string_view picture = {})
{
    return {.kind = Kind::PictureBox,
            .name = name,
            .left = left,
            .top = top,
            .width = boxSize,
            .height = boxSize,
            .back = back,
            .fore = colour::windowText,
            .picture = picture,
            .accessibleName = accessibleName};
}

std::vector<rt::ControlDesign> wallBoxesOf(const MazeLayout& layout)
{
    std::vector<rt::ControlDesign> walls;
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 15; ++x) {
            const int number = wallBoxes[y][x];
            if (number != 0 && (number != countdownBox || layout.countdownInBox))
                walls.push_back(box(boxName(number), cellPitch * float(x), cellPitch * float(y),
                                    colour::menuText, NCP_("Quillory", "Wall", "picture")));
        }
    }
    return walls;
}

std::vector<rt::ControlDesign> endBoxes()
{
    // Together they spell END over the exit, and are the exit to a screen reader.
    return {box("Picture6", 0, 480, colour::white, NCP_("Quillory", "Exit", "picture"), "LetterE"),
            box("Picture23", 480, 480, colour::white, {}, "LetterN"),
            box("Picture48", 960, 480, colour::white, {}, "LetterD")};
}

// All picture boxes, front-most first.
std::vector<rt::ControlDesign> boxesOf(const MazeLayout& layout)
{
    const rt::ControlDesign snail{.kind = Kind::PictureBox,
                                  .name = "picSnail",
                                  .left = 6840,
                                  .top = 600,
                                  .width = 375,
                                  .height = 375,
                                  .back = colour::menuText,
                                  .fore = colour::windowText,
                                  .picture = "SnailLeft",
                                  .accessibleName = NCP_("Quillory", "Snail", "picture")};
    std::vector<rt::ControlDesign> walls = wallBoxesOf(layout);
    std::vector<rt::ControlDesign> ends = endBoxes();
    std::vector<rt::ControlDesign> boxes;
    auto append = [&boxes](const std::vector<rt::ControlDesign>& more) {
        boxes.insert(boxes.end(), more.begin(), more.end());
    };
    switch (layout.snail) {
    case SnailStacking::InFront:
        boxes.push_back(snail);
        append(walls);
        append(ends);
        break;
    case SnailStacking::BetweenWallsAndEnd:
        append(walls);
        boxes.push_back(snail);
        append(ends);
        break;
    case SnailStacking::Behind:
        append(ends);
        append(walls);
        boxes.push_back(snail);
        break;
    }
    return boxes;
}

// The boxes hold every tab position the buttons leave free, the level's first one first.
void assignTabStops(std::vector<rt::ControlDesign>& boxes, const MazeLayout& layout)
{
    int next = 0;
    auto nextFree = [&] {
        while (next == layout.menuTab || next == layout.exitTab)
            ++next;
        return next++;
    };
    for (bool first : {true, false}) {
        for (rt::ControlDesign& box : boxes) {
            if ((box.name == layout.firstTabStop) == first)
                box.tabIndex = nextFree();
        }
    }
}

rt::ControlDesign legend(std::string_view name, float left, float top, float height,
                         std::string_view text)
{
    rt::ControlDesign label = notice(name, left, top);
    label.width = 1335;
    label.height = height;
    label.caption = text;
    label.align = rt::Align::Centre;
    return label;
}

rt::ScreenDesign mazeDesign(const MazeLayout& layout)
{
    rt::ScreenDesign design{.caption = layout.caption,
                            .clientWidth = layout.clientWidth,
                            .clientHeight = layout.clientHeight,
                            .back = layout.back,
                            .keyPreview = true};
    std::vector<rt::ControlDesign> boxes = boxesOf(layout);
    assignTabStops(boxes, layout);
    auto& controls = design.controls;
    controls.push_back(
        button("cmdMenu", 960, 5160, 1695, 615, NC_("Quillory", "Menu"), layout.menuTab));
    controls.push_back(
        button("cmdExit", 4440, 5160, 1695, 615, NC_("Quillory", "Exit"), layout.exitTab));
    controls.insert(controls.end(), boxes.begin(), boxes.end());
    rt::ControlDesign time = storyLabel("lblTime", 6240, 0, boxSize, boxSize,
                                        layout.level.startCount, 18, rt::Align::Left, -1);
    if (layout.countdownInBox) {
        time.container = boxName(countdownBox);
        time.left = 0;
    }
    controls.push_back(time);
    controls.push_back(legend("Label1", 480, 4800, 255, NC_("Quillory", "Up = Up Arrow")));
    controls.push_back(legend("Label2", 2280, 4680, 495, NC_("Quillory", "Down = Down Arrow")));
    controls.push_back(legend("Label3", 3720, 4800, 255, NC_("Quillory", "Left = Left Arrow")));
    controls.push_back(legend("Label4", 5280, 4680, 495, NC_("Quillory", "Right = Right Arrow")));
    controls.push_back(notice("Label5", 2280, 5880));
    controls.push_back({.kind = Kind::Line,
                        .name = "Line1",
                        .left = 0,
                        .top = 4320,
                        .width = 7080,
                        .height = 0,
                        .fore = colour::white,
                        .lineWidth = 3});
    controls.push_back({.kind = Kind::Rectangle,
                        .name = "Shape1",
                        .left = 0,
                        .top = 4440,
                        .width = layout.panelWidth,
                        .height = 1815,
                        .back = colour::menuText});
    controls.push_back(
        {.kind = Kind::Timer, .name = "Timer1", .enabled = false, .interval = layout.level.tickMs});
    return design;
}

} // namespace

const rt::ScreenDesign& frmMaze1()
{
    static const rt::ScreenDesign design = mazeDesign({.caption = NC_("Quillory", "Maze - Level 1"),
                                                       .level = core::levels[0],
                                                       .clientWidth = 7185,
                                                       .clientHeight = 6165,
                                                       .back = colour::windowBackground,
                                                       .countdownInBox = true,
                                                       .panelWidth = 7215,
                                                       .snail = SnailStacking::InFront,
                                                       .firstTabStop = "Picture2",
                                                       .menuTab = 65,
                                                       .exitTab = 64});
    return design;
}

const rt::ScreenDesign& frmMaze2()
{
    static const rt::ScreenDesign design = mazeDesign({.caption = NC_("Quillory", "Maze - Level 2"),
                                                       .level = core::levels[1],
                                                       .clientWidth = 7200,
                                                       .clientHeight = 6135,
                                                       .back = colour::white,
                                                       .countdownInBox = false,
                                                       .panelWidth = 7215,
                                                       .snail = SnailStacking::BetweenWallsAndEnd,
                                                       .firstTabStop = "Picture45",
                                                       .menuTab = 16,
                                                       .exitTab = 17});
    return design;
}

const rt::ScreenDesign& frmMAze3()
{
    static const rt::ScreenDesign design = mazeDesign({.caption = NC_("Quillory", "Maze - Level 3"),
                                                       .level = core::levels[2],
                                                       .clientWidth = 7230,
                                                       .clientHeight = 6150,
                                                       .back = colour::white,
                                                       .countdownInBox = false,
                                                       .panelWidth = 7335,
                                                       .snail = SnailStacking::Behind,
                                                       .firstTabStop = "Picture45",
                                                       .menuTab = 16,
                                                       .exitTab = 17});
    return design;
}

} // namespace designs
