#include "runtime/text.h"
#include "runtime/twips.h"
#include "support/desktop.h"
#include "support/languages.h"
#include "support/process.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <utility>

using support::Window;

namespace {

// What a screenshot must show over an area of a window.
enum class Paint { White, Black, BlackOrWhite, LightTextOnBlack, Snail };

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
    {Paint::BlackOrWhite, {0, 32, 96, 32}},       // the END boxes
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

// The size of the desktop's screen, as with-desktop.sh takes it from TRUNDLEX_SCREEN; the
// Wayland desktops have the default.
QSize screenSize()
{
    const QStringList size = qEnvironmentVariable("TRUNDLEX_SCREEN", "1280x1024").split('x');
    return {size.value(0).toInt(), size.value(1).toInt()};
}

// The screen as it shows in the language the test speaks.
Screen translated(const Screen& screen)
{
    Screen shown = screen;
    shown.caption = rt::translated(screen.caption.toStdString());
    return shown;
}

// The key that presses the button: Alt and the letter its caption underlines.
QString accessKey(const char* caption)
{
    const QString shown = rt::translated(caption);
    return "alt+" + shown.mid(shown.indexOf('&') + 1, 1).toLower();
}

// A panel along the bottom of the X screen that keeps its height from other windows, as a
// desktop's panel does; the window manager takes it out of the screen's available area.
std::unique_ptr<QWidget> panelAtTheBottom(int height)
{
    const QSize screen = screenSize();
    auto panel = std::make_unique<QWidget>();
    panel->setAttribute(Qt::WA_X11NetWmWindowTypeDock);
    panel->setGeometry(0, screen.height() - height, screen.width(), height);
    panel->show();
    const QString strut =
        QString("0, 0, 0, %1, 0, 0, 0, 0, 0, 0, 0, %2").arg(height).arg(screen.width() - 1);
    if (!QTest::qWaitForWindowExposed(panel.get()) ||
        !support::run("xprop",
                      {"-id", QString::number(panel->winId()), "-f", "_NET_WM_STRUT_PARTIAL", "32c",
                       "-set", "_NET_WM_STRUT_PARTIAL", strut})
             .succeeded() ||
        !QTest::qWaitFor([&] {
            return support::outputOf("xprop", {"-root", "_NET_WORKAREA"})
                .contains(QString(", %1, %2").arg(screen.width()).arg(screen.height() - height));
        }))
        return {};
    return panel;
}

} // namespace

Q_DECLARE_METATYPE(Journey)

// The real program on a desktop, played with keyboard and mouse. Each case starts the
// program afresh and ends it the way a player would. The desktop is an X server with a
// window manager, or a Wayland compositor (see desktop.h); every desktop plays the route,
// the X server everything.
class PlayTest : public QObject {
    Q_OBJECT

    std::unique_ptr<support::Desktop> desktop;
    QProcess game;
    QElapsedTimer sinceStart;
    // Device pixels to the pixel of the game's windows.
    int scale = 1;
    QStringList urgentWindows;
    // The splash's copyright line, at the desktop's own resolution and a factor of 1.
    QImage plainNotice;

    QList<Window> windows()
    {
        const QList<Window> shown = desktop->windows();
        for (const Window& window : shown) {
            if (window.urgent && !urgentWindows.contains(window.caption))
                urgentWindows << window.caption;
        }
        return shown;
    }

    // The shown window of the screen, with no id when there is none.
    Window windowOf(const Screen& screen)
    {
        for (const Window& window : windows()) {
            if (window.caption == screen.caption &&
                window.clientArea.size() == screen.clientSize * scale)
                return window;
        }
        return {};
    }

    // The shown window with the caption, whatever its size.
    Window windowCalled(const QString& caption)
    {
        for (const Window& window : windows()) {
            if (window.caption == caption)
                return window;
        }
        return {};
    }

    bool isShown(const Window& window)
    {
        const QList<Window> shown = windows();
        return std::any_of(shown.begin(), shown.end(),
                           [&window](const Window& other) { return other.id == window.id; });
    }

    bool waitUntilHidden(const Window& window)
    {
        return QTest::qWaitFor([&] { return !isShown(window); });
    }

    // Waits until the screen's window is shown and has the keyboard.
    Window waitForScreen(const Screen& screen, int timeoutMs = 10000)
    {
        Window window;
        const bool active =
            QTest::qWaitFor([&] { return (window = windowOf(screen)).active; }, timeoutMs);
        if (!active) {
            qWarning() << screen.caption << screen.clientSize * scale << "is not the active window";
            for (const Window& shown : windows())
                qWarning() << "on view:" << shown.caption << shown.clientArea
                           << (shown.active ? "active" : "");
        }
        return active ? window : Window{};
    }

    // Where the window is now: a compositor may move a new window after it first shows it.
    Window current(const Window& window)
    {
        for (const Window& shown : windows()) {
            if (shown.id == window.id)
                return shown;
        }
        return window;
    }

    QImage screenshot(const Window& window) { return desktop->screenshot(current(window)); }

    QImage countdownOf(const Window& window)
    {
        return screenshot(window).copy(QRect(QPoint(416, 0) * scale, QSize(33, 33) * scale));
    }

    bool shows(const QImage& image, const Look& look)
    {
        const QRect area(look.area.topLeft() * scale, look.area.size() * scale);
        switch (look.paint) {
        case Paint::White:
            return everyPixel(image, area,
                              [](QPoint, QRgb pixel) { return pixel == qRgb(255, 255, 255); });
        case Paint::Black:
            return everyPixel(image, area,
                              [](QPoint, QRgb pixel) { return pixel == qRgb(0, 0, 0); });
        case Paint::BlackOrWhite:
            return everyPixel(image, area, [](QPoint, QRgb pixel) {
                return pixel == qRgb(0, 0, 0) || pixel == qRgb(255, 255, 255);
            });
        case Paint::LightTextOnBlack:
            return isTextOnBlack(image, area);
        case Paint::Snail: {
            // Each picture pixel a block of whole device pixels, the same everywhere.
            static const QImage picture =
                QImage(SNAIL_PICTURE).convertToFormat(QImage::Format_RGB32);
            const QImage snail = picture.scaled(picture.size() * scale);
            return everyPixel(image, area, [&](QPoint at, QRgb pixel) {
                return pixel == snail.pixel(at - area.topLeft());
            });
        }
        }
        return false;
    }

    // The looks the image does not show, described; empty when it shows them all.
    QString faultsIn(const QImage& image, const QList<Look>& looks)
    {
        static const char* const paints[] = {"white", "black", "black or white",
                                             "light text on black", "the snail"};
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
    QString missingLooks(const Window& window, const QList<Look>& looks)
    {
        QString faults;
        const bool shown = QTest::qWaitFor([&] {
            faults = faultsIn(screenshot(window), looks);
            return faults.isEmpty();
        });
        if (!shown) {
            // Kept for whoever reads the failure.
            const QString file = QDir::temp().filePath(
                QString("%1-%2-screenshot.png").arg(desktop->name(), QTest::currentTestFunction()));
            screenshot(window).save(file);
            qWarning() << "The window as it was is in" << file;
        }
        return faults;
    }

    // The variables given as "NAME=value" set, or unset where the value is empty.
    void startGame(const QStringList& variables = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString& variable : variables) {
            const QString name = variable.section('=', 0, 0);
            const QString value = variable.section('=', 1);
            if (value.isEmpty())
                environment.remove(name);
            else
                environment.insert(name, value);
        }
        game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        desktop->launch(game, qEnvironmentVariable("TRUNDLEX_PROGRAM", TRUNDLEX_PATH), environment);
        sinceStart.start();
    }

    Window startAndReachMenu()
    {
        startGame();
        // Start-up plus the splash's two and a half seconds.
        return waitForScreen(menu, 20000);
    }

    Window pressToReach(const QStringList& keys, const Screen& screen)
    {
        if (!desktop->type(keys))
            return {};
        return waitForScreen(screen);
    }

    // Clicks the middle of a button whose design rectangle is in twips.
    bool click(const Window& window, const QRect& button)
    {
        return desktop->click(current(window),
                              (QRectF(button).center() / rt::twipsPerPixel).toPoint() * scale);
    }

    Window clickToReach(const Window& window, const QRect& button, const Screen& screen)
    {
        if (!click(window, button))
            return {};
        return waitForScreen(screen);
    }

    // Leads the snail of a fresh level 1 to the exit, one release at a time, watching it
    // arrive on every cell it passes; the last release carries it on into the exit. Each
    // step is the key's release, or what release makes of the key and its way.
    using Release = std::function<bool(const QString& key, QPoint way)>;
    Window walkToTheExit(const Window& level, const Screen& arrival = won,
                         const Release& release = {})
    {
        QPoint snail = snailStart;
        const QStringList route = winningRoute();
        for (qsizetype step = 0; step < route.size(); ++step) {
            const QString& key = route[step];
            const QPoint direction = key == "Left"   ? QPoint(-1, 0)
                                     : key == "Up"   ? QPoint(0, -1)
                                     : key == "Down" ? QPoint(0, 1)
                                                     : QPoint(1, 0);
            snail += (step == route.size() - 1 ? 2 : 1) * 33 * direction;
            if (!(release ? release(key, direction) : desktop->type({key})))
                return {};
            const QString faults = missingLooks(level, {{Paint::Snail, snailAt(snail)}});
            if (!faults.isEmpty()) {
                qWarning() << "after release" << step + 1 << faults;
                return {};
            }
        }
        return waitForScreen(arrival);
    }

    // From the menu, opens level 1 and wins it.
    void winLevelOne(Window& level, Window& result)
    {
        level = pressToReach({"alt+1"}, level1);
        QVERIFY(!level.id.isEmpty());
        QCOMPARE(missingLooks(level, level1.looks), QString());
        result = walkToTheExit(level);
        QVERIFY(!result.id.isEmpty());
        QCOMPARE(missingLooks(result, won.looks), QString());
    }

    void expectCleanEnd()
    {
        const support::Finished finished = support::finish(game, 10000);
        QVERIFY2(finished.succeeded(), qPrintable(finished.all()));
        QCOMPARE(urgentWindows, QStringList());
    }

private slots:
    void initTestCase()
    {
        desktop = support::openDesktop();
        qInfo() << "Playing on" << desktop->name();
    }

    void cleanup()
    {
        if (game.state() != QProcess::NotRunning) {
            game.kill();
            game.waitForFinished();
        }
        scale = 1;
        urgentWindows.clear();
        desktop->setResolution(96);
    }

    // What every desktop must play, with the keyboard alone.
    void route()
    {
        startGame();
        const Window splashWindow = waitForScreen(splash);
        QVERIFY(!splashWindow.id.isEmpty());
        const qint64 splashSeen = sinceStart.elapsed();
        QCOMPARE(missingLooks(splashWindow, splash.looks), QString());

        Window menuWindow = waitForScreen(menu);
        QVERIFY(!menuWindow.id.isEmpty());
        QVERIFY2(sinceStart.elapsed() >= 2400, "the splash stays for two and a half seconds");
        QVERIFY2(sinceStart.elapsed() - splashSeen < 4500, "the splash hands over by itself");
        QVERIFY(waitUntilHidden(splashWindow));
        QCOMPARE(missingLooks(menuWindow, menu.looks), QString());

        // The menu has the keyboard, and the focus is on Level 2.
        QElapsedTimer sinceLevelTwo;
        sinceLevelTwo.start();
        const Window second = pressToReach({"space"}, level2);
        QVERIFY(!second.id.isEmpty());
        QCOMPARE(missingLooks(second, level2.looks), QString());
        // The held key repeats; only its release counts.
        QVERIFY(desktop->hold("Left", 1500));
        QCOMPARE(missingLooks(second, snailOneStepLeft), QString());
        QTest::qWait(250); // a second step would show by now
        QCOMPARE(faultsIn(screenshot(second), snailOneStepLeft), QString());
        // Two quick taps are two steps.
        QVERIFY(desktop->type({"Left", "Left"}));
        QCOMPARE(missingLooks(second, {{Paint::Snail, snailAt(snailStart - 3 * snailStep)}}),
                 QString());

        // The level's Menu button is sixteen tab stops on from the first.
        menuWindow = pressToReach(QStringList(16, "Tab") << "space", menu);
        QVERIFY(!menuWindow.id.isEmpty());
        QVERIFY(waitUntilHidden(second));

        Window first;
        Window wonWindow;
        winLevelOne(first, wonWindow);
        if (QTest::currentTestFailed())
            return;

        // The result's Menu button leaves the level on view, and no window asks for attention.
        menuWindow = pressToReach({"alt+m"}, menu);
        QVERIFY(!menuWindow.id.isEmpty());
        QVERIFY(waitUntilHidden(wonWindow));
        QVERIFY(isShown(first));
        QCOMPARE(urgentWindows, QStringList());

        // Level 2, left for the menu, has gone on counting down: its twenty seconds run out
        // while the menu is in front.
        const Window lostWindow = waitForScreen(lost, 20000);
        QVERIFY(!lostWindow.id.isEmpty());
        QVERIFY2(
            sinceLevelTwo.elapsed() >= 19500 && sinceLevelTwo.elapsed() < 22500,
            qPrintable(
                QString("level 2 allows twenty seconds, not %1 ms").arg(sinceLevelTwo.elapsed())));

        // The splash and level 2 are loaded but hidden: the last window closed ends the game.
        for (const Window& window : {lostWindow, menuWindow, first}) {
            QVERIFY2(desktop->close(current(window)), qPrintable(window.caption));
            QVERIFY2(waitUntilHidden(window), qPrintable(window.caption));
        }
        expectCleanEnd();
    }

    // At a fractional scale, the game takes the nearest whole one.
    void picturesStayWholeAtFractionalScales_data()
    {
        QTest::addColumn<QString>("scaling");
        QTest::addColumn<int>("wholeScale");
        QTest::newRow("1.25") << "QT_SCALE_FACTOR=1.25" << 1;
        QTest::newRow("1.5, as a desktop sets it") << "QT_SCREEN_SCALE_FACTORS=1.5" << 2;
    }

    void picturesStayWholeAtFractionalScales()
    {
        QFETCH(QString, scaling);
        QFETCH(int, wholeScale);
        scale = wholeScale;
        startGame({scaling});
        const Window menuWindow = waitForScreen(menu, 20000);
        QVERIFY(!menuWindow.id.isEmpty());
        Window first;
        Window wonWindow;
        winLevelOne(first, wonWindow);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(click(wonWindow, won.exitButton));
        expectCleanEnd();
    }

    // The game takes the whole factor nearest the desktop's scale, or a smaller one where its
    // largest windows would not fit the screen's available area with their frames. The rows
    // are those of the desktop's screen size.
    void windowsFitTheScreen_data()
    {
        QTest::addColumn<QString>("scaling"); // a scale variable, or "dpi" for the desktop's
        QTest::addColumn<int>("panel");       // the height a panel keeps at the bottom
        QTest::addColumn<int>("wholeScale");
        const QSize screen = screenSize();
        if (screen == QSize(1280, 1024)) {
            QTest::newRow("told 2.5") << "QT_SCALE_FACTOR=2.5" << 0 << 2;
        } else if (screen == QSize(1920, 1000)) {
            QTest::newRow("at 100 %") << "" << 0 << 1;
            QTest::newRow("at 150 %") << "dpi" << 0 << 1;
        } else if (screen == QSize(1920, 1200)) {
            QTest::newRow("at 150 %") << "dpi" << 0 << 2;
            QTest::newRow("at 150 %, beside a panel") << "dpi" << 250 << 1;
        }
    }

    void windowsFitTheScreen()
    {
        QFETCH(QString, scaling);
        QFETCH(int, panel);
        QFETCH(int, wholeScale);
        scale = wholeScale;
        const bool byDesktop = scaling == "dpi";
        if (byDesktop && !desktop->setResolution(144))
            QSKIP("The test cannot set this desktop's resolution");
        const auto panelWindow = panel > 0 ? panelAtTheBottom(panel) : nullptr;
        QVERIFY(panel == 0 || panelWindow);
        // Wine reads the free area as its server starts.
        if (panel > 0 && desktop->name() == "Wine")
            support::run("wineserver", {"-k"});
        startGame({byDesktop ? QString() : scaling});
        const Window splashWindow = waitForScreen(splash);
        QVERIFY(!splashWindow.id.isEmpty());
        // A window manager places a new window inside the available area; sway centres it on
        // the output without its title bar.
        const QRect available(QPoint(), screenSize() - QSize(0, panel));
        QVERIFY(desktop->name() == "sway" || available.contains(splashWindow.clientArea));

        // Shown at a factor below the desktop's scale, text keeps its size in pixels.
        const QImage notice =
            screenshot(splashWindow).copy(QRect(QPoint(208, 472) * scale, QSize(161, 17) * scale));
        if (scaling.isEmpty())
            plainNotice = notice;
        else if (wholeScale == 1 && !plainNotice.isNull())
            QCOMPARE(notice, plainNotice);
        QVERIFY(desktop->close(splashWindow));
        expectCleanEnd();
    }

    // Where the desktop speaks German, so does the game, its access keys too. Under Wine the
    // splash and the menu show it.
    void playedInGerman()
    {
        const support::InLanguage german("de");
        startGame({"LANG=de_DE.UTF-8", "LC_ALL=", "LC_MESSAGES=", "LANGUAGE="});
        QVERIFY(!waitForScreen(translated(splash)).id.isEmpty());
        Window menuWindow = waitForScreen(translated(menu));
        QVERIFY(!menuWindow.id.isEmpty());
        if (desktop->name() == "Wine") {
            QVERIFY(desktop->close(menuWindow));
            expectCleanEnd();
            return;
        }
        // "&Anleitung": Alt+A, which in English opens the about screen.
        QVERIFY(!pressToReach({accessKey("&Instructions")}, translated(instructions)).id.isEmpty());
        menuWindow = pressToReach({accessKey("&Menu")}, translated(menu));
        QVERIFY(!menuWindow.id.isEmpty());
        const Window first = pressToReach({accessKey("Level &1")}, translated(level1));
        QVERIFY(!first.id.isEmpty());
        const Window wonWindow = walkToTheExit(first, translated(won));
        QVERIFY(!wonWindow.id.isEmpty());
        menuWindow = pressToReach({accessKey("&Menu")}, translated(menu));
        QVERIFY(!menuWindow.id.isEmpty());
        for (const Window& window : {menuWindow, first})
            QVERIFY(desktop->close(current(window)));
        expectCleanEnd();
    }

    // Hidden and shown again, a screen comes back where the player left it, as large as
    // the player made it.
    void screensComeBackWhereThePlayerLeftThem()
    {
        Window menuWindow = startAndReachMenu();
        QVERIFY(!menuWindow.id.isEmpty());
        const QRect menuPlace(QPoint(300, 300), menu.clientSize);
        if (!desktop->place(menuWindow, menuPlace))
            QSKIP("This compositor places every window itself");
        QTRY_COMPARE(windowOf(menu).clientArea, menuPlace);
        QVERIFY(!pressToReach({"alt+i"}, instructions).id.isEmpty());
        menuWindow = pressToReach({"alt+m"}, menu);
        QCOMPARE(menuWindow.clientArea, menuPlace);

        Window first = pressToReach({"alt+1"}, level1);
        QVERIFY(!first.id.isEmpty());
        const QRect levelPlace(20, 30, 500, 450);
        QVERIFY(desktop->place(first, levelPlace));
        QTRY_COMPARE(windowCalled(level1.caption).clientArea, levelPlace);
        menuWindow = clickToReach(windowCalled(level1.caption), mazeMenuButton, menu);
        QCOMPARE(menuWindow.clientArea, menuPlace);
        QVERIFY(desktop->type({"alt+1"}));
        QTRY_VERIFY(windowCalled(level1.caption).active);
        first = windowCalled(level1.caption);
        QCOMPARE(first.clientArea, levelPlace);
        QVERIFY(desktop->close(first));
        expectCleanEnd();
    }

    void splashMenuAndInformationScreens()
    {
        Window menuWindow = startAndReachMenu();
        QVERIFY(!menuWindow.id.isEmpty());

        const Window instructionsWindow =
            clickToReach(menuWindow, instructionsButton, instructions);
        QVERIFY(!instructionsWindow.id.isEmpty());
        QCOMPARE(missingLooks(instructionsWindow, instructions.looks), QString());
        menuWindow = pressToReach({"alt+m"}, menu);
        QVERIFY(!menuWindow.id.isEmpty());
        QVERIFY(waitUntilHidden(instructionsWindow));

        const Window aboutWindow = pressToReach({"alt+a"}, about);
        QVERIFY(!aboutWindow.id.isEmpty());
        QCOMPARE(missingLooks(aboutWindow, about.looks), QString());
        menuWindow = clickToReach(aboutWindow, aboutMenuButton, menu);
        QVERIFY(!menuWindow.id.isEmpty());
        QVERIFY(waitUntilHidden(aboutWindow));

        // The splash is still loaded, but hidden: closing the menu leaves nothing on view.
        QVERIFY(desktop->close(menuWindow));
        expectCleanEnd();
    }

    void winningLevelOneThenClosingWindows()
    {
        Window menuWindow = startAndReachMenu();
        QVERIFY(!menuWindow.id.isEmpty());
        const Window first = clickToReach(menuWindow, level1Button, level1);
        QVERIFY(!first.id.isEmpty());
        const Window wonWindow = pressToReach(winningRoute(), won);
        QVERIFY(!wonWindow.id.isEmpty());
        // On level 1 the snail is drawn in front of the END boxes.
        QCOMPARE(missingLooks(first, {{Paint::Snail, snailAt(snailOnExit)}}), QString());

        menuWindow = pressToReach({"alt+m"}, menu);
        QVERIFY(!menuWindow.id.isEmpty());
        const Window second = clickToReach(menuWindow, level2Button, level2);
        QVERIFY(!second.id.isEmpty());
        QCOMPARE(missingLooks(second, level2.looks), QString());
        menuWindow = clickToReach(second, mazeMenuButton, menu);
        QVERIFY(!menuWindow.id.isEmpty());
        QVERIFY(waitUntilHidden(second));

        // With level 1 still on view, closing the menu's window keeps the game going:
        // the won level, clicked on, still moves the snail.
        QVERIFY(desktop->close(menuWindow));
        QVERIFY(waitUntilHidden(menuWindow));
        QVERIFY(click(first, QRect(2400, 0, 495, 495)));
        QVERIFY(desktop->type({"Right"}));
        QCOMPARE(missingLooks(first, {{Paint::Snail, snailAt(snailOnExit + snailStep)}}),
                 QString());

        QVERIFY(desktop->close(first));
        expectCleanEnd();
    }

    // A drag of the mouse across the maze is the arrow key of its way.
    void dragsPlayLevelOne()
    {
        QVERIFY(!startAndReachMenu().id.isEmpty());
        const Window level = pressToReach({"alt+1"}, level1);
        QVERIFY(!level.id.isEmpty());
        const QPoint middle = QPoint(240, 200) * scale;
        const Window result = walkToTheExit(level, won, [&](const QString&, QPoint way) {
            return desktop->drag(current(level), middle, middle + 40 * scale * way);
        });
        QVERIFY(!result.id.isEmpty());
        QVERIFY(desktop->type({"alt+e"}));
        expectCleanEnd();
    }

    void levelThreeRunsOutAndStartsAfreshOnceClosed()
    {
        Window menuWindow = startAndReachMenu();
        QVERIFY(!menuWindow.id.isEmpty());
        const Window third = pressToReach({"alt+3"}, level3);
        QVERIFY(!third.id.isEmpty());
        QCOMPARE(missingLooks(third, level3.looks), QString());
        const QImage startingCount = countdownOf(third);
        QVERIFY(desktop->type({"Left"}));
        QCOMPARE(missingLooks(third, snailOneStepLeft), QString());

        const Window lostWindow = waitForScreen(lost, 20000);
        QVERIFY(!lostWindow.id.isEmpty());
        menuWindow = pressToReach({"alt+m"}, menu);
        QVERIFY(!menuWindow.id.isEmpty());
        QVERIFY(waitUntilHidden(lostWindow));
        QVERIFY(isShown(third));
        QVERIFY(countdownOf(third) != startingCount);

        // Closed through its frame, the level starts afresh when opened again: its countdown
        // comes round to what it showed when the level was first opened.
        QVERIFY(desktop->close(third));
        QVERIFY(waitUntilHidden(third));
        const Window again = clickToReach(menuWindow, level3Button, level3);
        QVERIFY(!again.id.isEmpty());
        QCOMPARE(missingLooks(again, level3.looks), QString());
        QTRY_VERIFY(countdownOf(again) == startingCount);

        // Hidden, the level goes on counting down, and its loss shows the lose screen again.
        QVERIFY(!clickToReach(again, mazeMenuButton, menu).id.isEmpty());
        QVERIFY(waitUntilHidden(again));
        const Window lostAgain = waitForScreen(lost, 20000);
        QVERIFY(!lostAgain.id.isEmpty());
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
        Window window = startAndReachMenu();
        const Screen* screen = &menu;
        for (const Leg& leg : journey) {
            QVERIFY(!window.id.isEmpty());
            window = pressToReach(leg.keys, *leg.arrival);
            screen = leg.arrival;
        }
        QVERIFY(!window.id.isEmpty());
        QVERIFY(click(window, screen->exitButton));
        expectCleanEnd();
    }
};

QTEST_MAIN(PlayTest)
#include "play_test.moc"
