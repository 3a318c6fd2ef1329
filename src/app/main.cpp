#include "runtime/application.h"
#include "runtime/command_line.h"
#include "runtime/registry.h"
#include "screens/screens.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (const auto status = rt::answerCommandLine(argc, argv))
        return *status;
    rt::scaleByWholeFactors();
    QApplication app(argc, argv);
    rt::setUpApplication(app);
    rt::Registry registry([] { QCoreApplication::exit(0); });
    screens::addAll(registry);
    registry.load("frmSplash");
    registry.show("frmSplash");
    return QApplication::exec();
}
