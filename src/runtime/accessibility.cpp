#include "runtime/accessibility.h"

#include "runtime/control.h"
#include "runtime/text.h"
#include "runtime/widgets.h"

#include <QAccessibleWidget>

namespace rt {

namespace {

class AccessibleControl : public QAccessibleWidget {
public:
    AccessibleControl(ControlView* view, QAccessible::Role role)
        : QAccessibleWidget(view, role)
        , control_(view->control())
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        if (control_.kind() == Kind::Label)
            return QString::fromStdString(control_.caption());
        return translated(control_.design().accessibleName);
    }

private:
    const Control& control_;
};

// Images, lines and rectangles are left to Qt: they only decorate.
QAccessibleInterface* accessibleControl(const QString&, QObject* object)
{
    auto* view = dynamic_cast<ControlView*>(object);
    if (!view)
        return nullptr;
    switch (view->control().kind()) {
    case Kind::Label:
        return new AccessibleControl(view, QAccessible::StaticText);
    case Kind::PictureBox:
        return new AccessibleControl(view, QAccessible::Graphic);
    default:
        return nullptr;
    }
}

} // namespace

void makeControlsAccessible()
{
    QAccessible::installFactory(accessibleControl);
}

} // namespace rt
