#include "designs/designs.h"
#include "runtime/application.h"
#include "runtime/command_line.h"
#include "runtime/platform.h"
#include "runtime/registry.h"
#include "screens/screens.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (const auto status = rt::answerCommandLine(argc, argv))
        return *status;
    const auto app = rt::startApplication(
        argc, argv, {designs::largestClientWidth, designs::largestClientHeight});
    rt::Registry registry(rt::platform::endProgram, rt::platform::handOverPolicy());
    screens::addAll(registry);
    registry.load("frmSplash");
    registry.show("frmSplash");
    return QApplication::exec();
}
