#pragma once

#include "core/maze_grid.h"
#include "runtime/form.h"

namespace screens {

// One level of the game: frmMaze1, frmMaze2 and frmMAze3 differ only in their designs.
class MazeScreen : public rt::Form {
public:
    MazeScreen(rt::Registry& registry, std::string_view name, const rt::ScreenDesign& design,
               int level);

    void Form_Load() override;
    void Form_KeyUp(int keyCode, int shift) override;

private:
    void Timer1_Timer();
    void cmdMenu_Click();
    void cmdExit_Click();

    // What a screen reader hears of the level.
    int secondsLeft() const;
    rt::Sentence description() const;
    rt::Sentence openWays() const;
    void tellTheStep(const char* way, core::Step::Outcome outcome);
    void tellTheTime();

    const int level;
    core::MazeGrid grid;
    core::SnailPos snail;
    rt::Control& picSnail;
    rt::Control& Picture1;
    rt::Control& lblTime;
    rt::Control& Timer1;
};

} // namespace screens
