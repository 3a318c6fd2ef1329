#pragma once

#include "runtime/design.h"

#include <QColor>
#include <QFont>

namespace rt {

QColor toQColor(Colour colour);
QFont toQFont(const Font& font);

} // namespace rt
