#include "designs/designs.h"
#include "designs/styles.h"

namespace designs {

namespace {

// The splash snails sit on the white bands of the backdrop, facing its middle.
rt::ControlDesign snail(std::string_view name, int index, float left, float top)
{
    const bool facesRight = name == "Image1";
    return {.kind = rt::Kind::Image,
            .name = name,
            .index = index,
            .left = left,
            .top = top,
            .width = 540,
            .height = 450,
            .picture = facesRight ? "SnailRight" : "SnailLeft",
            .visible = !facesRight};
}

} // namespace

const rt::ScreenDesign& frmSplash()
{
    static const rt::ScreenDesign design{
        .caption = NC_("Quillory", "Maze"),
        .clientWidth = 8475,
        .clientHeight = 7365,
        .picture = "TitleBackdrop",
        .readAs = rt::ReadAs::Dialog,
        .controls = {
            {.kind = rt::Kind::Timer, .name = "Timer1", .interval = 2500},
            {.kind = rt::Kind::Timer, .name = "Timer2", .interval = 200},
            notice("Label1", 3120, 7080, 0),
            snail("Image1", 0, 120, 2880),
            snail("Image1", 1, 1560, 4080),
            snail("Image1", 2, 2760, 5280),
            snail("Image2", 0, 7800, 2880),
            snail("Image2", 1, 6600, 4080),
            snail("Image2", 2, 5160, 5280),
        }};
    return design;
}

} // namespace designs
