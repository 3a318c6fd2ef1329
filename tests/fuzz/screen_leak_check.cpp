// Opens every screen and closes it again through its window frame, round after round,
// each round in a fresh game. Under LeakSanitizer anything a screen leaves behind
// shows as a leak when the program ends; a window left behind is still listed by the
// application, so the rounds count the widgets as well.
//
//     screen_leak_check [ROUNDS]

#include "support/game.h"

#include "designs/designs.h"

#include <QApplication>
#include <QWidget>

#include <cstdlib>
#include <iostream>

namespace {

void openAndCloseEveryScreen()
{
    Game game;
    startGame(game);
    game.tick("frmSplash", "Timer1"); // the hand-over to the level menu
    for (const designs::Screen& screen : designs::screens) {
        game.registry.show(screen.name);
        support::settle();
    }
    for (const designs::Screen& screen : designs::screens) {
        game.closeByFrame(screen.name);
        support::settle();
    }
    if (!game.ended)
        std::cout << "The game went on after its last window was closed\n";
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 1000;
    const auto widgetsBefore = QApplication::allWidgets().size();
    for (int round = 0; round < rounds; ++round)
        openAndCloseEveryScreen();
    support::settle();
    const auto widgetsLeft = QApplication::allWidgets().size() - widgetsBefore;
    std::cout << "screen_leak_check: opened and closed all " << designs::screens.size()
              << " screens " << rounds << " times; " << widgetsLeft << " widgets left\n";
    return widgetsLeft == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
