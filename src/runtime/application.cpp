#include "runtime/application.h"

#include "runtime/accessibility.h"
#include "runtime/colours_and_fonts.h"
#include "runtime/platform.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace rt {

namespace {

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
                QApplication::setWindowIcon(platform::windowIcon());
                deleteLater();
            });
        }
        return false;
    }
};

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
    platform::setUp(app);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setFont(toQFont({}));
    app.installEventFilter(new IconAfterFirstFrame(&app));
    makeControlsAccessible();
    app.setQuitOnLastWindowClosed(false);
}

} // namespace rt
