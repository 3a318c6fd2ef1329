#include "designs/designs.h"
#include "designs/styles.h"

namespace designs {

namespace {

using rt::Align;
using rt::Kind;
namespace colour = rt::colour;

constexpr std::string_view storyOpening =
    NC_("Quillory",
        "This game is based upon the adventure of \"Tiblo The Stuck Snail\" and you must help "
        "him out with the use of the arrow keys. ");

// The win and lose screens share their layout; only a few places differ.
struct ResultLayout {
    std::string_view caption;
    std::string_view headline;
    float headlineTop;
    float buttonTop;
    float exitLeft;
    int menuTab;
    int exitTab;
};

rt::ScreenDesign resultDesign(const ResultLayout& layout)
{
    return {.caption = layout.caption,
            .clientWidth = 4680,
            .clientHeight = 3090,
            .back = colour::menuText,
            .readAs = rt::ReadAs::Alert,
            .controls = {
                storyLabel("Label1", 1200, layout.headlineTop, 2415, 615, layout.headline, 20.25,
                           Align::Left, 2),
                button("cmdMain", 720, layout.buttonTop, 1455, 735, NC_("Quillory", "&Menu"),
                       layout.menuTab),
                button("cmdExit", layout.exitLeft, layout.buttonTop, 1455, 735,
                       NC_("Quillory", "&Exit"), layout.exitTab),
                notice("Label2", 1080, 2760, 3),
            }};
}

} // namespace

const rt::ScreenDesign& frmLevel()
{
    static const rt::ScreenDesign design{
        .caption = NC_("Quillory", "Maze"),
        .clientWidth = 8715,
        .clientHeight = 7350,
        .picture = "TitleBackdrop",
        .controls = {
            button("cmdLevel1", 1800, 2880, 1695, 615, NC_("Quillory", "Level &1"), 6, 0),
            button("cmdLevel2", 4920, 2880, 1695, 615, NC_("Quillory", "Level &2"), 0),
            button("cmdLevel3", 3480, 3720, 1695, 615, NC_("Quillory", "Level &3"), 1),
            button("cmdInst", 3480, 4680, 1695, 615, NC_("Quillory", "&Instructions"), 5, 1),
            button("cmdAbout", 2040, 5760, 1695, 615, NC_("Quillory", "&About"), 2),
            button("cmdExit", 4920, 5760, 1695, 615, NC_("Quillory", "&Exit"), 3),
            notice("Label1", 3000, 7080, 4),
        }};
    return design;
}

const rt::ScreenDesign& frmInst()
{
    static const rt::ScreenDesign design{
        .caption = NC_("Quillory", "Maze - Instrutions"),
        .clientWidth = 5790,
        .clientHeight = 4530,
        .back = colour::menuText,
        .readAs = rt::ReadAs::Dialog,
        .controls = {
            storyLabel("Label1", 1560, 0, 2415, 495, NC_("Quillory", "Instructions"), 20.25,
                       Align::Left, 3),
            storyLabel("Label3", 240, 600, 5295, 855, storyOpening, 11.25, Align::Centre, 4),
            storyLabel("Label4", 240, 1560, 5295, 855,
                       NC_("Quillory",
                           "Each level is the same maze but the higher the level is the less "
                           "time you have to resucue Tiblo."),
                       11.25, Align::Centre, 5),
            storyLabel("Label5", 240, 2520, 5295, 855,
                       NC_("Quillory", "REMEMBER TIBLOS LIFE IS IN YOUR HANDS!!!"), 11.25,
                       Align::Centre, 6),
            button("cmdMain", 960, 3240, 1455, 735, NC_("Quillory", "&Menu"), 1),
            button("cmdExit", 3240, 3240, 1455, 735, NC_("Quillory", "&Exit"), 0),
            notice("Label2", 1680, 4080, 2),
        }};
    return design;
}

const rt::ScreenDesign& frmAbout()
{
    static const rt::ScreenDesign design{
        .caption = NC_("Quillory", "Maze - About"),
        .clientWidth = 4680,
        .clientHeight = 3090,
        .back = colour::black,
        .readAs = rt::ReadAs::Dialog,
        .controls = {
            {.kind = Kind::Label,
             .name = "Label1",
             .left = 480,
             .top = 120,
             .width = 3975,
             .height = 2415,
             .caption = NC_("Quillory", "Quillory was made by the Trundlex team."),
             .back = colour::black,
             .fore = colour::white,
             .font = president(24),
             .tabIndex = 0},
            button("cmdMain", 600, 1920, 1455, 495, NC_("Quillory", "&Menu"), 1),
            button("cmdExit", 2520, 1920, 1455, 495, NC_("Quillory", "&Exit"), 2),
            notice("Label2", 960, 2760, 3),
        }};
    return design;
}

const rt::ScreenDesign& frmWon()
{
    static const rt::ScreenDesign design =
        resultDesign({.caption = NC_("Quillory", "Congratulations"),
                      .headline = NC_("Quillory", "YOU WON"),
                      .headlineTop = 960,
                      .buttonTop = 1920,
                      .exitLeft = 2760,
                      .menuTab = 0,
                      .exitTab = 1});
    return design;
}

const rt::ScreenDesign& frmLost()
{
    static const rt::ScreenDesign design = resultDesign({.caption = NC_("Quillory", "Game Over"),
                                                         .headline = NC_("Quillory", "YOU LOST"),
                                                         .headlineTop = 840,
                                                         .buttonTop = 1800,
                                                         .exitLeft = 2640,
                                                         .menuTab = 1,
                                                         .exitTab = 0});
    return design;
}

} // namespace designs
