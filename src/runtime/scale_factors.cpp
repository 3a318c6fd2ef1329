#include "runtime/scale_factors.h"

#include "runtime/platform.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace rt {

namespace {

// Qt takes the factors given through these variables as they are: one for all screens, and
// one for each screen, in the screens' order or by name ("1.5;2" or "DP-1=1.5;HDMI-1=2").
const char* const globalFactor = "QT_SCALE_FACTOR";
const char* const screenFactors = "QT_SCREEN_SCALE_FACTORS";

void roundFactorsOf(const char* variable)
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

// The factor the variables give the screen, read as Qt reads them: the last entry for it
// counts.
double variablesFactor(const QScreen& screen, qsizetype place)
{
    bool isNumber = false;
    const double global = qEnvironmentVariable(globalFactor).toDouble(&isNumber);
    double listed = 1;
    qsizetype entries = 0;
    for (const QString& entry : qEnvironmentVariable(screenFactors).split(';')) {
        const qsizetype equals = entry.lastIndexOf('=');
        bool isFactor = false;
        const double factor = entry.mid(equals + 1).toDouble(&isFactor);
        if (!isFactor || factor <= 0)
            continue;
        if (equals < 0 ? entries == place : entry.left(equals) == screen.name())
            listed = factor;
        ++entries;
    }
    return (isNumber ? global : 1) * listed;
}

// Qt's factor for the screen. Where the compositor scales windows by a factor of its own,
// Qt's multiplies it and comes from the variables alone.
int qtFactor(const QScreen& screen, qsizetype place)
{
    return int(std::lround(platform::compositorScales() ? variablesFactor(screen, place)
                                                        : screen.devicePixelRatio()));
}

} // namespace

void roundScaleFactors()
{
    qputenv("QT_SCALE_FACTOR_ROUNDING_POLICY", "Round");
    roundFactorsOf(globalFactor);
    roundFactorsOf(screenFactors);
}

QByteArray factorsThatFit(QSize clientSize)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    QStringList factors;
    bool smaller = false;
    for (qsizetype place = 0; place < screens.size(); ++place) {
        const QScreen& screen = *screens[place];
        const int chosen = qtFactor(screen, place);
        // In the desktop's own pixels, of which Qt's factor makes one of its own.
        const QSize available = screen.availableGeometry().size() * chosen;
        const QSize frame = platform::frameSize(screen);
        const auto fits = [&](int factor) {
            const QSize window = clientSize * factor + frame;
            return window.width() <= available.width() && window.height() <= available.height();
        };
        int factor = chosen;
        while (factor > 1 && !fits(factor))
            --factor;
        smaller = smaller || factor < chosen;
        factors << (screen.name().isEmpty() ? "" : screen.name() + "=") + QString::number(factor);
    }
    return smaller ? factors.join(';').toUtf8() : QByteArray();
}

} // namespace rt
