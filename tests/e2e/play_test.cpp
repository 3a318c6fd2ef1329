#include "support/desktop.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include <utility>

namespace {

// Designs give positions and sizes in twips, 15 to the pixel.
constexpr int twipsPerPixel = 15;

// What a screenshot must show over an area of a window.
enum class Paint { White, Black, LightTextOnBlack, Snail };

struct Look {
    Paint paint;
    QRect area;
};

// One screen as the desktop shows it. The splash and the level menu share their
// caption; their client sizes tell them apart.
struct Screen {
    QString caption;
    QSize clientSize;
    QList<Look> looks; // when first shown
    QRect exitButton;  // twips
};

// The snail's sprite shows the top-left 25 x 25 pixels of its picture. Its bottom row is
// left out: on the levels that draw walls in front of the snail, the wall below covers it.
QRect snailAt(QPoint topLeft)
{
    return {topLeft, QSize(25, 24)};
}

const QPoint snailStart{456, 40};
const QPoint snailStep{33, 0};
const QPoint snailOnExit = snailStart - 14 * snailStep;
const QList<Look> snailOneStepLeft = {{Paint::Snail, snailAt(snailStart - snailStep)}};

// The middle of a maze cell, clear of its neighbours' overlapping edges.
QRect insideCell(int x, int y)
{
    return {32 * x + 8, 32 * y + 8, 16, 16};
}

const QList<Look> freshMaze = {
    {Paint::Black, insideCell(0, 0)},
    {Paint::Black, insideCell(3, 1)},
    {Paint::Black, insideCell(9, 4)},
    {Paint::Black, insideCell(14, 8)},
    {Paint::White, insideCell(4, 1)},
    {Paint::White, insideCell(2, 3)},
    {Paint::White, insideCell(8, 5)},
    {Paint::LightTextOnBlack, {416, 0, 32, 32}},  // the countdown on cell (13, 0)
    {Paint::LightTextOnBlack, {32, 320, 89, 17}}, // "Up = Up Arrow"
    {Paint::Black, {10, 390, 40, 10}},            // the panel under the buttons
    {Paint::Snail, snailAt(snailStart)},
};

// The title backdrop where no snail or button covers it: black above the title and
// under the corridor bands, white bands, one of which runs on to the right edge.
QList<Look> backdrop(int clientWidth, int noticeLeft)
{
    return {
        {Paint::Black, {0, 0, clientWidth, 70}},
        {Paint::White, {150, 275, 50, 20}},
        {Paint::White, {225, 358, 100, 20}},
        {Paint::White, {557, 195, clientWidth - 557, 20}},
        {Paint::Black, {140, 455, 290, 15}},
        {Paint::LightTextOnBlack, {noticeLeft, 472, 161, 17}},
    };
}

// A black screen with a white heading.
QList<Look> darkWithHeading(const QRect& blank, const QRect& heading)
{
    return {{Paint::Black, blank}, {Paint::LightTextOnBlack, heading}};
}

const QRect mazeExitButton{4440, 5160, 1695, 615};

const Screen splash{"Maze", {565, 491}, backdrop(565, 208), {}};
const Screen menu{"Maze", {581, 490}, backdrop(581, 200), {4920, 5760, 1695, 615}};
const Screen instructions{"Maze - Instrutions",
                          {386, 302},
                          darkWithHeading({0, 0, 100, 30}, {104, 0, 161, 33}),
                          {3240, 3240, 1455, 735}};
const Screen about{"Maze - About",
                   {312, 206},
                   darkWithHeading({0, 0, 32, 100}, {32, 8, 265, 100}),
                   {2520, 1920, 1455, 495}};
const Screen won{"Congratulations",
                 {312, 206},
                 darkWithHeading({0, 0, 60, 40}, {80, 64, 161, 41}),
                 {2760, 1920, 1455, 735}};
const Screen lost{"Game Over",
                  {312, 206},
                  darkWithHeading({0, 0, 60, 40}, {80, 56, 161, 41}),
                  {2640, 1800, 1455, 735}};
const Screen level1{"Maze - Level 1", {479, 411}, freshMaze, mazeExitButton};
const Screen level2{"Maze - Level 2", {480, 409}, freshMaze, mazeExitButton};
const Screen level3{"Maze - Level 3", {482, 410}, freshMaze, mazeExitButton};

const QRect level1Button{1800, 2880, 1695, 615};
const QRect level2Button{4920, 2880, 1695, 615};
const QRect level3Button{3480, 3720, 1695, 615};
const QRect instructionsButton{3480, 4680, 1695, 615};
const QRect aboutMenuButton{600, 1920, 1455, 495};
const QRect mazeMenuButton{960, 5160, 1695, 615};

// The 21 arrow releases that lead the snail from its start to the exit.
QStringList winningRoute()
{
    const std::pair<const char*, int> runs[] = {{"Left", 6}, {"Down", 4}, {"Left", 5}, {"Up", 1},
                                                {"Left", 1}, {"Up", 3},   {"Left", 1}};
    QStringList keys;
    for (const auto& [key, count] : runs) {
        for (int i = 0; i < count; ++i)
            keys << key;
    }
    return keys;
}

// Keys pressed on one screen and the screen they lead to.
struct Leg {
    QStringList keys;
    const Screen* arrival;
};
using Journey = QList<Leg>;

} // namespace

Q_DECLARE_METATYPE(Journey)

namespace {

// Runs a desktop tool to its end and returns what it printed.
QString outputOf(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

struct WindowState {
    QRect clientArea; // screen coordinates
    bool shown = false;
};

// A window that is gone reads as an empty area, not shown.
WindowState stateOf(WId window)
{
    const QString info = outputOf("xwininfo", {"-id", QString::number(window)});
    const auto number = [&info](const QString& field) {
        return QRegularExpression(field + R"(:\s+(-?\d+))").match(info).captured(1).toInt();
    };
    return {QRect(number("Absolute upper-left X"), number("Absolute upper-left Y"), number("Width"),
                  number("Height")),
            info.contains("IsViewable")};
}

// The shown window of the screen, 0 when there is none.
WId windowOf(const Screen& screen)
{
    const QStringList ids =
        outputOf("xdotool", {"search", "--onlyvisible", "--name", '^' + screen.caption + '$'})
            .split('\n', Qt::SkipEmptyParts);
    for (const QString& id : ids) {
        if (stateOf(id.toULongLong()).clientArea.size() == screen.clientSize)
            return id.toULongLong();
    }
    return 0;
}

bool waitUntilHidden(WId window)
{
    return QTest::qWaitFor([window] { return !stateOf(window).shown; });
}

// Clicks the middle of a button whose design rectangle is in twips.
bool click(WId window, const QRect& button)
{
    const QPoint middle =
        stateOf(window).clientArea.topLeft() + (QRectF(button).center() / twipsPerPixel).toPoint();
    return desktop::xdotool(
        {"mousemove", QString::number(middle.x()), QString::number(middle.y()), "click", "1"});
}

// As the close button of the window's frame does.
bool closeByFrame(WId window)
{
    return QProcess::execute("wmctrl", {"-i", "-c", "0x" + QString::number(window, 16)}) == 0;
}

QImage screenshot(WId window)
{
    return QGuiApplication::primaryScreen()->grabWindow(window).toImage().convertToFormat(
        QImage::Format_RGB32);
}

QImage countdownOf(WId window)
{
    return screenshot(window).copy(416, 0, 33, 33);
}

// Calls the test with every pixel of the area that lies inside the image, while it passes.
template<typename Test> bool everyPixel(const QImage& image, const QRect& area, Test test)
{
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (!test(QPoint(x, y), image.pixel(x, y)))
                return false;
        }
    }
    return !inside.isEmpty();
}

bool isTextOnBlack(const QImage& image, const QRect& area)
{
    int light = 0;
    int dark = 0;
    everyPixel(image, area, [&](QPoint, QRgb pixel) {
        light += qGray(pixel) > 160;
        dark += qGray(pixel) < 96;
        return true;
    });
    return light >= 20 && dark > light;
}

bool shows(const QImage& image, const Look& look)
{
    switch (look.paint) {
    case Paint::White:
        return everyPixel(image, look.area,
                          [](QPoint, QRgb pixel) { return pixel == qRgb(255, 255, 255); });
    case Paint::Black:
        return everyPixel(image, look.area,
                          [](QPoint, QRgb pixel) { return pixel == qRgb(0, 0, 0); });
    case Paint::LightTextOnBlack:
        return isTextOnBlack(image, look.area);
    case Paint::Snail: {
        static const QImage snail = QImage(SNAIL_PICTURE).convertToFormat(QImage::Format_RGB32);
        return everyPixel(image, look.area, [&look](QPoint at, QRgb pixel) {
            return pixel == snail.pixel(at - look.area.topLeft());
        });
    }
    }
    return false;
}

// The looks the image does not show, described; empty when it shows them all.
QString faultsIn(const QImage& image, const QList<Look>& looks)
{
    static const char* const paints[] = {"white", "black", "light text on black", "the snail"};
    QStringList faults;
    for (const Look& look : looks) {
        if (!shows(image, look)) {
            const QRect& area = look.area;
            faults << QString("no %1 at %2,%3 %4x%5")
                          .arg(paints[int(look.paint)])
                          .arg(area.x())
                          .arg(area.y())
                          .arg(area.width())
                          .arg(area.height());
        }
    }
    return faults.join("; ");
}

// Waits until the window shows the looks, since a window draws after it appears;
// returns the looks it still does not show.
QString missingLooks(WId window, const QList<Look>& looks)
{
    QString faults;
    const bool shown = QTest::qWaitFor([&] {
        faults = faultsIn(screenshot(window), looks);
        return faults.isEmpty();
    });
    if (!shown) {
        // Kept in the working directory for whoever reads the failure.
        const QString file = QString("%1-screenshot.png").arg(QTest::currentTestFunction());
        screenshot(window).save(file);
        qWarning() << "The window as it was is in" << file;
    }
    return faults;
}

} // namespace

// The real program on a desktop with a window manager, played with mouse and keyboard.
// Each case starts the program afresh and ends it the way a player would.
class PlayTest : public QObject {
    Q_OBJECT

    QProcess game;
    QElapsedTimer sinceStart;

    // Waits until the screen's window is shown and has the keyboard.
    WId waitForScreen(const Screen& screen, int timeoutMs = 10000)
    {
        WId window = 0;
        const bool active = QTest::qWaitFor(
            [&] {
                window = windowOf(screen);
                return window != 0 &&
                       window == outputOf("xdotool", {"getactivewindow"}).trimmed().toULongLong();
            },
            timeoutMs);
        if (!active)
            qWarning() << screen.caption << screen.clientSize << "is not the active window";
        return active ? window : 0;
    }

    void startGame()
    {
        game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        game.start(TRUNDLEX_PATH, {});
        sinceStart.start();
    }

    WId startAndReachMenu()
    {
        startGame();
        // Start-up plus the splash's two and a half seconds.
        return waitForScreen(menu, 20000);
    }

    WId pressToReach(const QStringList& keys, const Screen& screen)
    {
        if (!desktop::xdotool(QStringList{"key"} + keys))
            return 0;
        return waitForScreen(screen);
    }

    WId clickToReach(WId window, const QRect& button, const Screen& screen)
    {
        if (!click(window, button))
            return 0;
        return waitForScreen(screen);
    }

    void expectCleanEnd()
    {
        QTRY_COMPARE_WITH_TIMEOUT(game.state(), QProcess::NotRunning, 10000);
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), 0);
    }

private slots:
    void cleanup()
    {
        if (game.state() != QProcess::NotRunning) {
            game.kill();
            game.waitForFinished();
        }
    }

    void splashMenuAndInformationScreens()
    {
        startGame();
        const WId splashWindow = waitForScreen(splash);
        QVERIFY(splashWindow);
        QCOMPARE(missingLooks(splashWindow, splash.looks), QString());

        WId menuWindow = waitForScreen(menu);
        QVERIFY(menuWindow);
        QVERIFY2(sinceStart.elapsed() >= 2400, "the splash stays for two and a half seconds");
        QVERIFY(waitUntilHidden(splashWindow));
        QCOMPARE(missingLooks(menuWindow, menu.looks), QString());

        const WId instructionsWindow = clickToReach(menuWindow, instructionsButton, instructions);
        QVERIFY(instructionsWindow);
        QCOMPARE(missingLooks(instructionsWindow, instructions.looks), QString());
        // A hidden window gives up its native window, so the menu comes back in a new one.
        menuWindow = pressToReach({"alt+m"}, menu);
        QVERIFY(menuWindow);
        QVERIFY(waitUntilHidden(instructionsWindow));

        const WId aboutWindow = pressToReach({"alt+a"}, about);
        QVERIFY(aboutWindow);
        QCOMPARE(missingLooks(aboutWindow, about.looks), QString());
        menuWindow = clickToReach(aboutWindow, aboutMenuButton, menu);
        QVERIFY(menuWindow);
        QVERIFY(waitUntilHidden(aboutWindow));

        // The splash is still loaded, but hidden: closing the menu leaves nothing on view.
        QVERIFY(closeByFrame(menuWindow));
        expectCleanEnd();
    }

    void holdingAnArrowMovesOneStep()
    {
        QVERIFY(startAndReachMenu());
        const WId second = pressToReach({"alt+2"}, level2);
        QVERIFY(second);
        QCOMPARE(missingLooks(second, level2.looks), QString());
        // The held key repeats; only its release counts.
        QVERIFY(desktop::xdotool({"keydown", "Left", "sleep", "2", "keyup", "Left"}));
        QCOMPARE(missingLooks(second, snailOneStepLeft), QString());
        QTest::qWait(250); // a second step would show by now
        QCOMPARE(faultsIn(screenshot(second), snailOneStepLeft), QString());
        QVERIFY(click(second, level2.exitButton));
        expectCleanEnd();
    }

    void winningLevelOneThenClosingWindows()
    {
        WId menuWindow = startAndReachMenu();
        QVERIFY(menuWindow);
        const WId first = clickToReach(menuWindow, level1Button, level1);
        QVERIFY(first);
        QCOMPARE(missingLooks(first, level1.looks), QString());

        const WId wonWindow = pressToReach(winningRoute(), won);
        QVERIFY(wonWindow);
        QCOMPARE(missingLooks(wonWindow, won.looks), QString());
        // On level 1 the snail is drawn in front of the END boxes.
        QCOMPARE(missingLooks(first, {{Paint::Snail, snailAt(snailOnExit)}}), QString());

        // The result's Menu button leaves the level on view.
        menuWindow = pressToReach({"alt+m"}, menu);
        QVERIFY(menuWindow);
        QVERIFY(waitUntilHidden(wonWindow));
        QVERIFY(stateOf(first).shown);

        const WId second = clickToReach(menuWindow, level2Button, level2);
        QVERIFY(second);
        QCOMPARE(missingLooks(second, level2.looks), QString());
        menuWindow = clickToReach(second, mazeMenuButton, menu);
        QVERIFY(menuWindow);
        QVERIFY(waitUntilHidden(second));

        // With level 1 still on view, closing the menu's window keeps the game going:
        // the won level still moves the snail.
        QVERIFY(closeByFrame(menuWindow));
        QVERIFY(waitUntilHidden(menuWindow));
        QVERIFY(
            desktop::xdotool({"windowactivate", "--sync", QString::number(first), "key", "Right"}));
        QCOMPARE(missingLooks(first, {{Paint::Snail, snailAt(snailOnExit + snailStep)}}),
                 QString());

        QVERIFY(closeByFrame(first));
        expectCleanEnd();
    }

    void levelThreeRunsOutAndStartsAfreshOnceClosed()
    {
        WId menuWindow = startAndReachMenu();
        QVERIFY(menuWindow);
        const WId third = pressToReach({"alt+3"}, level3);
        QVERIFY(third);
        QElapsedTimer running;
        running.start();
        QCOMPARE(missingLooks(third, level3.looks), QString());
        const QImage startingCount = countdownOf(third);
        QVERIFY(desktop::xdotool({"key", "Left"}));
        QCOMPARE(missingLooks(third, snailOneStepLeft), QString());

        const WId lostWindow = waitForScreen(lost, 20000);
        QVERIFY(lostWindow);
        QVERIFY2(running.elapsed() >= 9000, "level 3 allows ten seconds");
        QCOMPARE(missingLooks(lostWindow, lost.looks), QString());
        menuWindow = pressToReach({"alt+m"}, menu);
        QVERIFY(menuWindow);
        QVERIFY(waitUntilHidden(lostWindow));
        QVERIFY(stateOf(third).shown);
        QVERIFY(countdownOf(third) != startingCount);

        // Closed through its frame, the level starts afresh when opened again: its countdown
        // comes round to what it showed when the level was first opened.
        QVERIFY(closeByFrame(third));
        QVERIFY(waitUntilHidden(third));
        const WId again = clickToReach(menuWindow, level3Button, level3);
        QVERIFY(again);
        QCOMPARE(missingLooks(again, level3.looks), QString());
        QTRY_VERIFY(countdownOf(again) == startingCount);

        // Hidden, the level goes on counting down, and its loss shows the lose screen again.
        QVERIFY(clickToReach(again, mazeMenuButton, menu));
        QVERIFY(waitUntilHidden(again));
        const WId lostAgain = waitForScreen(lost, 20000);
        QVERIFY(lostAgain);
        QVERIFY(click(lostAgain, lost.exitButton));
        expectCleanEnd();
    }

    void exitEndsTheProgram_data()
    {
        QTest::addColumn<Journey>("journey");
        QTest::newRow("level menu") << Journey{};
        QTest::newRow("instructions") << Journey{{{"alt+i"}, &instructions}};
        QTest::newRow("about") << Journey{{{"alt+a"}, &about}};
        QTest::newRow("level 1") << Journey{{{"alt+1"}, &level1}};
        QTest::newRow("level 3") << Journey{{{"alt+3"}, &level3}};
        QTest::newRow("won") << Journey{{{"alt+1"}, &level1}, {winningRoute(), &won}};
    }

    void exitEndsTheProgram()
    {
        QFETCH(Journey, journey);
        WId window = startAndReachMenu();
        const Screen* screen = &menu;
        for (const Leg& leg : journey) {
            QVERIFY(window);
            window = pressToReach(leg.keys, *leg.arrival);
            screen = leg.arrival;
        }
        QVERIFY(window);
        QVERIFY(click(window, screen->exitButton));
        expectCleanEnd();
    }
};

QTEST_MAIN(PlayTest)
#include "play_test.moc"
