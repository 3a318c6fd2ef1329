// Draws the screens the browser test meets as the desktop game draws them, on Qt's offscreen
// platform, into PNG files of the folder given: the splash and the menu as they come, level 1
// fresh and one step on, and the win and lose screens; in the language given, English if none.
//   desktop_screens FOLDER [LANGUAGE]

#include "runtime/application.h"
#include "support/events.h"
#include "support/game.h"
#include "support/languages.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? argv[1] : ".");
    const support::InLanguage speaking(argc > 2 ? argv[2] : "");
    Game game;
    const auto save = [&](std::string_view screen, const QString& name) {
        game.registry.show(screen);
        support::settle();
        return game.screen(screen).window()->grab().save(folder.filePath(name + ".png"));
    };
    bool saved =
        save("frmSplash", "splash") && save("frmLevel", "menu") && save("frmMaze1", "level");
    support::type(Qt::Key_Left);
    saved = saved && save("frmMaze1", "step") && save("frmWon", "won") && save("frmLost", "lost");
    return saved ? 0 : 1;
}
