#include "runtime/application.h"

#include "runtime/widgets.h"

#include <QApplication>
#include <QStyleFactory>

namespace rt {

void setUpApplication(QApplication& app)
{
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setFont(toQFont({}));
    app.setQuitOnLastWindowClosed(false);
}

} // namespace rt
