#include "runtime/application.h"

#include "runtime/accessibility.h"
#include "runtime/app_icon.h"
#include "runtime/widgets.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTimer>

#include <X11/XKBlib.h>
#include <fontconfig/fontconfig.h>

namespace rt {

namespace {

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

// The title bar's icon can wait for the first frame: finding it in the executable and
// handing it to the window system take longer than anything else the splash needs but its
// text.
class IconAfterFirstFrame : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                QApplication::setWindowIcon(appIcon());
                deleteLater();
            });
        }
        return false;
    }
};

// A held key repeats as pairs of release and press. Qt tells those releases from the
// final one by looking for the press already queued behind them, which a busy machine
// may not have delivered yet; asked this way, the X server sends no release until the
// key really goes up.
void reportOnlyRealKeyReleases(QApplication& app)
{
    // The offscreen platform answers as X11 too, but without a display.
    auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->display())
        XkbSetDetectableAutoRepeat(x11->display(), True, nullptr);
}

} // namespace

void setUpApplication(QApplication& app)
{
    loadFontConfiguration();
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setFont(toQFont({}));
    app.installEventFilter(new IconAfterFirstFrame(&app));
    makeControlsAccessible();
    // Ties the windows to the installed desktop entry, which names the icon too.
    QGuiApplication::setDesktopFileName("io.github.trundlex.Trundlex");
    app.setQuitOnLastWindowClosed(false);
    reportOnlyRealKeyReleases(app);
}

} // namespace rt
