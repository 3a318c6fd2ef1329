#include "runtime/platform.h"

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLocale>
#include <QScreen>

#if defined(Q_OS_WIN)
#include <shellscalingapi.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#elif defined(Q_OS_WASM)
#include "core/texts.h"
#include "runtime/language.h"
#include "runtime/text.h"

#include <QFontDatabase>
#include <QRegularExpression>
#include <QTranslator>
#include <QWidget>

#include <emscripten/val.h>

#include <algorithm>
#include <cmath>
#else
#include "runtime/app_icon.h"

#include <X11/XKBlib.h>
#include <fontconfig/fontconfig.h>
#endif

namespace rt::platform {

#ifndef Q_OS_WASM

// Desktops place the windows, the program ends with its last, and screen readers follow Qt's
// accessibility.
void fitToThePage(QSize) {}

void place(QWidget&) {}

void endProgram()
{
    QCoreApplication::exit(0);
}

LiveRegion liveRegion()
{
    return nullptr;
}

#endif

#if defined(Q_OS_WIN)

// Output that already goes somewhere, as into a pipe or a file, stays there. The program
// writes UTF-8, which the console shows as such while the program runs.
void useParentConsole()
{
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (output == nullptr || output == INVALID_HANDLE_VALUE) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
    static const UINT consoleCodePage = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
    std::atexit([] { SetConsoleOutputCP(consoleCodePage); });
}

// The display language the user chose for Windows.
QStringList preferredLanguages()
{
    return QLocale::system().uiLanguages();
}

void setUp(QApplication&) {}

// The icon the executable carries, at the two sizes a title bar and the task bar take.
QIcon windowIcon()
{
    QIcon icon;
    for (int side : {16, 32}) {
        const auto handle = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), L"AppIcon", IMAGE_ICON, side, side, 0));
        if (handle) {
            icon.addPixmap(QPixmap::fromImage(QImage::fromHICON(handle)));
            DestroyIcon(handle);
        }
    }
    return icon;
}

// Windows sends a key-up message only when the key goes up; Qt marks the releases it makes
// up for the repeated key-down messages of a held key.
bool isPhysicalRelease(const QKeyEvent& release)
{
    return !release.isAutoRepeat();
}

HandOver::Policy handOverPolicy()
{
    return HandOver::Policy::HideAtOnce;
}

bool compositorScales()
{
    return false;
}

// The frame Windows draws at the screen's resolution, its invisible resizing borders
// included. Qt keeps each screen's top left corner in the desktop's own pixels.
QSize frameSize(const QScreen& screen)
{
    const QPoint corner = screen.geometry().topLeft();
    UINT dpi = USER_DEFAULT_SCREEN_DPI;
    UINT unused = 0;
    GetDpiForMonitor(MonitorFromPoint({corner.x(), corner.y()}, MONITOR_DEFAULTTONEAREST),
                     MDT_EFFECTIVE_DPI, &dpi, &unused);
    RECT frame{};
    AdjustWindowRectExForDpi(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0, dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

#elif defined(Q_OS_WASM)

namespace {

using emscripten::val;

QString toQString(const val& text)
{
    return QString::fromStdString(text.as<std::string>());
}

// The canvas the page gives the game, where Qt draws its windows.
val canvas()
{
    return val::module_property("qtContainerElements")[0];
}

} // namespace

// A page prints nowhere the player looks.
void useParentConsole() {}

// The language the page's address asks for (?lang=de), where it is one at all, then the
// browser's, most preferred first.
QStringList preferredLanguages()
{
    QStringList languages;
    const val asked = val::global("URLSearchParams")
                          .new_(val::global("location")["search"])
                          .call<val>("get", std::string("lang"));
    static const QRegularExpression tag("^[A-Za-z]{2,3}([-_][A-Za-z0-9]{2,8})?$");
    if (asked.isString() && tag.match(toQString(asked)).hasMatch())
        languages << toQString(asked);
    const val browsers = val::global("navigator")["languages"];
    for (int i = 0; i < browsers["length"].as<int>(); ++i)
        languages << toQString(browsers[i]);
    return languages;
}

// In the page's own pixels, of which the browser's device pixel ratio makes a device pixel.
void fitToThePage(QSize clientSize)
{
    const val window = val::global("window");
    const double ratio = window["devicePixelRatio"].as<double>();
    const QSize page(int(window["innerWidth"].as<double>() * ratio),
                     int(window["innerHeight"].as<double>() * ratio));
    int factor = std::max(1, int(ratio));
    while (factor > 1 && (clientSize.width() * factor > page.width() ||
                          clientSize.height() * factor > page.height()))
        --factor;
    if (factor != ratio)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(factor / ratio, 'g', 17));
    // Whole pixels of the page, as many as the window needs at least.
    val style = canvas()["style"];
    style.set("width", std::to_string(std::ceil(clientSize.width() * factor / ratio)) + "px");
    style.set("height", std::to_string(std::ceil(clientSize.height() * factor / ratio)) + "px");
}

// The page speaks the player's language, says in it that the game has ended, and draws
// Japanese and Chinese with the font it fetched for them.
void setUp(QApplication&)
{
    // The page moves the canvas, to its middle and as the browser's window changes its size;
    // Qt's windows stand where they were on the page, and go back into the canvas.
    QObject::connect(QGuiApplication::primaryScreen(), &QScreen::geometryChanged, [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible())
                place(*window);
        }
    });
    const QString language = playersTranslation().language().replace('_', '-');
    val::global("document")["documentElement"].set("lang", language.toStdString());
    const val font = val::module_property("trundlexFont");
    if (font.isUndefined())
        return;
    const std::vector<char> bytes =
        emscripten::convertJSArrayToNumberVector<char>(val::global("Uint8Array").new_(font));
    QFontDatabase::addApplicationFontFromData(QByteArray(bytes.data(), qsizetype(bytes.size())));
}

QIcon windowIcon()
{
    return {};
}

// A browser sends a key-up only when the key goes up.
bool isPhysicalRelease(const QKeyEvent& release)
{
    return !release.isAutoRepeat();
}

bool compositorScales()
{
    return false;
}

// Windows have no frames in the page.
QSize frameSize(const QScreen&)
{
    return {};
}

HandOver::Policy handOverPolicy()
{
    return HandOver::Policy::HideAtOnce;
}

void place(QWidget& window)
{
    // The frame alone: a title hint, which a window has by default, still draws a title bar.
    if (!window.windowFlags().testFlag(Qt::FramelessWindowHint))
        window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    const QRect room = window.screen()->geometry();
    window.move(room.x() + (room.width() - window.width()) / 2,
                room.y() + (room.height() - window.height()) / 2);
}

LiveRegion liveRegion()
{
    return [](const QString& text, bool news) {
        val::global("quillorySays")(text.toStdString(), news);
    };
}

// The page can close no tab: it says the game has ended, with a way to play again.
void endProgram()
{
    val::global("quilloryEnded")(translated(NC_("Quillory", "The game has ended.")).toStdString(),
                                 translated(NC_("Quillory", "Play again")).toStdString());
}

#else

namespace {

bool everyKeyReleaseIsPhysical = false;

bool onWayland()
{
    return QGuiApplication::platformName().startsWith("wayland");
}

// Fontconfig's own start also parses every sample configuration it ships, only so that
// tools can list them: a third of its work before the first text. Loading just the
// configuration in effect gives the same fonts and the same settings. A configuration
// that fails to load or names no cache folder is left to fontconfig's own start, which
// knows how to fall back.
void loadFontConfiguration()
{
    FcConfig* config = FcConfigCreate();
    if (FcConfigParseAndLoad(config, nullptr, FcFalse)) {
        FcStrList* caches = FcConfigGetCacheDirs(config);
        if (FcStrListNext(caches))
            FcConfigSetCurrent(config);
        FcStrListDone(caches);
    }
    FcConfigDestroy(config);
}

// A held key repeats as pairs of release and press. Qt tells those releases from the
// final one by looking for the press already queued behind them, which a busy machine
// may not have delivered yet; asked this way, the X server sends no release until the
// key really goes up. Where it agrees, every release it sends counts.
void reportOnlyRealKeyReleases(QApplication& app)
{
    // The offscreen platform answers as X11 too, but without a display.
    auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>();
    Bool supported = False;
    if (x11 && x11->display() && XkbSetDetectableAutoRepeat(x11->display(), True, &supported) &&
        supported)
        everyKeyReleaseIsPhysical = true;
}

} // namespace

// Started from a terminal, the program already writes to it.
void useParentConsole() {}

// As GNU gettext reads the environment: the locale for messages is the first of LC_ALL,
// LC_MESSAGES and LANG that is set. Under the C locale every program speaks plain English;
// under any other, the list in LANGUAGE comes first.
QStringList preferredLanguages()
{
    QString locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qEnvironmentVariable(variable);
        if (!locale.isEmpty())
            break;
    }
    if (locale.isEmpty() || locale == "C" || locale == "POSIX" || locale.startsWith("C."))
        return {};
    return qEnvironmentVariable("LANGUAGE").split(':', Qt::SkipEmptyParts) << locale;
}

void setUp(QApplication& app)
{
    loadFontConfiguration();
    // Ties the windows to the installed desktop entry, which names the icon too.
    QGuiApplication::setDesktopFileName(TRUNDLEX_APP_ID);
    reportOnlyRealKeyReleases(app);
}

QIcon windowIcon()
{
    return appIcon();
}

// Qt takes a release for a repeat when a press of the same key, stamped the same
// millisecond, already waits behind it: that is also how a quick second tap looks to a busy
// program. On Wayland the toolkit repeats keys itself and marks every repeat.
bool isPhysicalRelease(const QKeyEvent& release)
{
    return everyKeyReleaseIsPhysical || !release.isAutoRepeat();
}

bool compositorScales()
{
    return onWayland();
}

// Window managers and compositors draw their frames only round a window they have been
// given, after the game has chosen its scale: a title bar and borders as large as most
// draw them.
QSize frameSize(const QScreen&)
{
    return {8, 36};
}

// On Wayland, a window hidden before the next one is on the screen hands the keyboard for a
// moment to whatever window lies behind it; the toolkit then asks the compositor to
// activate that window, too late, and the compositor marks it urgent. Elsewhere the window
// goes at once: waiting would hold the pixels of both windows at a time.
HandOver::Policy handOverPolicy()
{
    return onWayland() ? HandOver::Policy::HideAfterNextFrame : HandOver::Policy::HideAtOnce;
}

#endif

} // namespace rt::platform
