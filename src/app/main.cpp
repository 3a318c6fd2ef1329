#include "runtime/application.h"
#include "runtime/command_line.h"
#include "runtime/registry.h"
#include "screens/screens.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (const auto status = rt::answerCommandLine(argc, argv))
        return *status;
    // Whole device pixels to the pixel, so the pixel art stays crisp on any display.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    rt::setUpApplication(app);
    rt::Registry registry([] { QCoreApplication::exit(0); });
    screens::addAll(registry);
    registry.load("frmSplash");
    registry.show("frmSplash");
    return QApplication::exec();
}
