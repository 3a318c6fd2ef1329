#include "runtime/application.h"

#include "runtime/accessibility.h"
#include "runtime/colours_and_fonts.h"
#include "runtime/language.h"
#include "runtime/platform.h"
#include "runtime/scale_factors.h"
#include "runtime/text.h"
#include "runtime/twips.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

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

// What Qt reports while it looks for a display waits until it has found one, so that where
// it finds none the player first reads what to do, then what Qt found; not Qt's advice to
// reinstall the program, nor an abort.
struct Report {
    QtMsgType type;
    QByteArray category;
    QString message;

    QMessageLogContext context() const { return {nullptr, 0, nullptr, category.constData()}; }
};
QtMessageHandler qtsOwnHandler = nullptr;
QList<Report> heldBack;

void passOnHeldBack()
{
    for (const Report& report : std::exchange(heldBack, {}))
        qtsOwnHandler(report.type, report.context(), report.message);
}

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg && message.contains("no Qt platform plugin could be initialized")) {
        // The application object is not there yet to translate it.
        const char* const noDisplay = NC_(
            "Quillory", "no display can be reached; start the game from a desktop session, or set "
                        "DISPLAY (X11) or WAYLAND_DISPLAY (Wayland). Qt reported:");
        const QString translation = playersTranslation().translate("Quillory", noDisplay);
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(QCoreApplication::applicationName()),
                     qUtf8Printable(translation.isEmpty() ? QString(noDisplay) : translation));
        for (const Report& report : heldBack)
            std::fprintf(
                stderr, "%s\n",
                qUtf8Printable(qFormatLogMessage(report.type, report.context(), report.message)));
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldBack.append({type, context.category, message});
    if (type == QtFatalMsg)
        passOnHeldBack();
}

std::unique_ptr<QApplication> reachDisplay(int& argc, char** argv)
{
    qtsOwnHandler = qInstallMessageHandler(holdBack);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(qtsOwnHandler);
    passOnHeldBack();
    return app;
}

} // namespace

std::unique_ptr<QApplication> startApplication(int& argc, char** argv, QSize largestClientArea)
{
    const QSize largest(pixels(float(largestClientArea.width())),
                        pixels(float(largestClientArea.height())));
    roundScaleFactors();
    platform::fitToThePage(largest);
    // The application object takes Qt's own options out of the command line; a second one
    // needs them again.
    const int count = argc;
    const std::vector<char*> arguments(argv, argv + argc + 1);
    auto app = reachDisplay(argc, argv);
    // Qt knows the screens once it has started, and reads its factors only as it starts. The
    // second time they are the game's alone: where Qt works out a factor from a screen's
    // resolution, it takes that one instead of a listed factor of 1.
    if (const QByteArray factors = factorsThatFit(largest); !factors.isEmpty()) {
        app.reset();
        qunsetenv("QT_SCALE_FACTOR");
        qputenv("QT_SCREEN_SCALE_FACTORS", factors);
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
        argc = count;
        std::copy(arguments.begin(), arguments.end(), argv);
        app = reachDisplay(argc, argv);
    }
    useThePlayersLanguage();
    setUpApplication(*app);
    return app;
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
