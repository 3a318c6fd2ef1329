#include "support/game.h"

#include "runtime/application.h"
#include "screens/screens.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

Game::Game()
    : registry([this] { ended = true; })
{
    static bool setUp = [] {
        rt::setUpApplication(*qApp);
        return true;
    }();
    Q_UNUSED(setUp);
    screens::addAll(registry);
}

Game::~Game()
{
    registry.end();
}

rt::Form& Game::form(std::string_view screen)
{
    rt::Form* form = registry.form(screen);
    if (!form)
        QTest::qFail(qPrintable("not loaded: " + QString::fromUtf8(screen.data(), screen.size())),
                     __FILE__, __LINE__);
    return *form;
}

rt::Control& Game::control(std::string_view screen, std::string_view name, int index)
{
    return index < 0 ? form(screen).control(name) : form(screen).control(name, index);
}

QString Game::activeScreen() const
{
    settle();
    for (const std::string& name : registry.loadedScreens()) {
        if (registry.form(name)->window() == QApplication::activeWindow())
            return QString::fromStdString(name);
    }
    return {};
}

// Window activation arrives as an event, so let pending events through first, as they
// would between two keys of a player.
static QWidget* keyboardTarget()
{
    Game::settle();
    QWidget* target = QApplication::focusWidget();
    return target ? target : QApplication::activeWindow();
}

// With no window left (after End), a key reaches nothing of the game.
void Game::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (QWidget* target = keyboardTarget())
        QTest::keyPress(target, key, modifiers);
}

void Game::release(Qt::Key key, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    QWidget* target = keyboardTarget();
    if (!target)
        return;
    if (!autoRepeat) {
        QTest::keyRelease(target, key, modifiers);
        return;
    }
    QKeyEvent event(QEvent::KeyRelease, key, modifiers, QString(), true);
    QApplication::sendEvent(target, &event);
}

void Game::type(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    press(key, modifiers);
    release(key, modifiers);
}

void Game::tick(std::string_view screen, std::string_view timer, int times)
{
    for (int i = 0; i < times; ++i)
        control(screen, timer).tick();
}

void Game::closeByFrame(std::string_view screen)
{
    form(screen).window()->close();
}

void Game::settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void startGame(Game& game)
{
    game.registry.load("frmSplash");
    game.registry.show("frmSplash");
}
