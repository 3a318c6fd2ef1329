#include "runtime/application.h"
#include "runtime/registry.h"
#include "screens/screens.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    rt::scaleByWholeFactors();
    QApplication app(argc, argv);
    rt::setUpApplication(app);
    rt::Registry registry([] { QCoreApplication::exit(0); });
    screens::addAll(registry);
    registry.load("frmSplash");
    registry.show("frmSplash");
    return QApplication::exec();
}
