#include "runtime/application.h"

#include "runtime/accessibility.h"
#include "runtime/app_icon.h"
#include "runtime/colours_and_fonts.h"
#include "runtime/key_codes.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTimer>

#include <X11/XKBlib.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>

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
// key really goes up. Where it agrees, every release it sends counts.
void reportOnlyRealKeyReleases(QApplication& app)
{
    // The offscreen platform answers as X11 too, but without a display.
    auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>();
    Bool supported = False;
    if (x11 && x11->display() && XkbSetDetectableAutoRepeat(x11->display(), True, &supported) &&
        supported)
        trustEveryKeyRelease();
}

// Qt rounds only the factor it works out from the display's resolution; the factors given
// through its environment variables it takes as they are: one for all screens, or a list
// with a factor for each screen, optionally by name ("1.5" or "DP-1=1.5;HDMI-1=2").
void roundScaleFactors(const char* variable)
{
    if (!qEnvironmentVariableIsSet(variable))
        return;
    QStringList factors = qEnvironmentVariable(variable).split(';');
    for (QString& entry : factors) {
        const qsizetype number = entry.lastIndexOf('=') + 1;
        bool isNumber = false;
        const double factor = entry.mid(number).toDouble(&isNumber);
        if (isNumber)
            entry = entry.left(number) + QString::number(std::max(1L, std::lround(factor)));
    }
    qputenv(variable, factors.join(';').toUtf8());
}

} // namespace

void scaleByWholeFactors()
{
    qputenv("QT_SCALE_FACTOR_ROUNDING_POLICY", "Round");
    roundScaleFactors("QT_SCALE_FACTOR");
    roundScaleFactors("QT_SCREEN_SCALE_FACTORS");
}

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
