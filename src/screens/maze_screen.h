#pragma once

#include "core/maze_grid.h"
#include "runtime/form.h"

#include <string>

namespace screens {

// One level of the game: frmMaze1, frmMaze2 and frmMAze3 differ only in their designs.
class MazeScreen : public rt::Form {
public:
    MazeScreen(rt::Registry& registry, const rt::ScreenDesign& design);

    void Form_Load() override;
    void Form_KeyUp(int keyCode, int shift) override;

private:
    void Timer1_Timer();
    void cmdMenu_Click();
    void cmdExit_Click();

    // What a screen reader hears of the level.
    std::string description() const;
    std::string openWays() const;
    void tellTheStep(int keyCode, core::SnailPos before);
    void tellTheTime();

    core::MazeGrid grid;
    core::SnailPos snail;
    rt::Control& picSnail;
    rt::Control& Picture1;
    rt::Control& lblTime;
    rt::Control& Timer1;
};

} // namespace screens
