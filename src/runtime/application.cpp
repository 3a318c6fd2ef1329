#include "runtime/application.h"

#include "runtime/widgets.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

#include <X11/XKBlib.h>

namespace rt {

namespace {

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
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setFont(toQFont({}));
    QApplication::setWindowIcon(QIcon(":/pictures/AppIcon.ico"));
    // Ties the windows to the installed desktop entry, which names the icon too.
    QGuiApplication::setDesktopFileName("io.github.trundlex.Trundlex");
    app.setQuitOnLastWindowClosed(false);
    reportOnlyRealKeyReleases(app);
}

} // namespace rt
