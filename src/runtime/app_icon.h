#pragma once

#include <QIcon>

namespace rt {

// The program's icon at every size the build drew for the icon theme.
QIcon appIcon();

} // namespace rt
