#include "runtime/platform.h"

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLocale>
#include <QScreen>

#ifdef Q_OS_WIN
#include <shellscalingapi.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#else
#include "runtime/app_icon.h"

#include <X11/XKBlib.h>
#include <fontconfig/fontconfig.h>
#endif

namespace rt::platform {

#ifdef Q_OS_WIN

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
