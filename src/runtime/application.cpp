#include "runtime/application.h"

#include "runtime/widgets.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

namespace rt {

void setUpApplication(QApplication& app)
{
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setFont(toQFont({}));
    QApplication::setWindowIcon(QIcon(":/pictures/AppIcon.ico"));
    // Ties the windows to the installed desktop entry, which names the icon too.
    QGuiApplication::setDesktopFileName("io.github.trundlex.Trundlex");
    app.setQuitOnLastWindowClosed(false);
}

} // namespace rt
