#include "support/screen_reader.h"

#include "support/events.h"

#include <QAccessible>
#include <QWidget>

namespace support {

ScreenReader::ScreenReader()
{
    QAccessible::setActive(true);
}

ScreenReader::~ScreenReader()
{
    QAccessible::setActive(false);
}

// A window says its description once it has settled into its activation. Its sentences
// are the children without an object of their own.
QString ScreenReader::saying(QWidget* window)
{
    settle();
    settle();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(window);
    for (int i = 0; i < accessible->childCount(); ++i) {
        QAccessibleInterface* child = accessible->child(i);
        if (!child->object() && child->state().focused)
            return child->text(QAccessible::Name);
    }
    return {};
}

} // namespace support
