#include "support/game.h"

#include "runtime/application.h"
#include "screens/screens.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

Game::Game(rt::HandOver::Policy handOver)
    : registry([this] { ended = true; }, handOver)
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

rt::Screen& Game::screen(std::string_view name)
{
    rt::Screen* loaded = registry.screen(name);
    if (!loaded)
        QTest::qFail(qPrintable("not loaded: " + QString::fromUtf8(name.data(), name.size())),
                     __FILE__, __LINE__);
    return *loaded;
}

rt::Control& Game::control(std::string_view screen, std::string_view name, int index)
{
    return index < 0 ? this->screen(screen).control(name)
                     : this->screen(screen).control(name, index);
}

QString Game::activeScreen() const
{
    support::settle();
    for (const std::string& name : registry.loadedScreens()) {
        if (registry.screen(name)->window() == QApplication::activeWindow())
            return QString::fromStdString(name);
    }
    return {};
}

void Game::tick(std::string_view screen, std::string_view timer, int times)
{
    for (int i = 0; i < times; ++i)
        control(screen, timer).tick();
}

void Game::closeByFrame(std::string_view screen)
{
    this->screen(screen).window()->close();
}

void startGame(Game& game)
{
    game.registry.load("frmSplash");
    game.registry.show("frmSplash");
}
