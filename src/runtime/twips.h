#pragma once

// Designs lay screens out in twips, fifteen to the pixel.

#include "runtime/design.h"

#include <QRect>

#include <cmath>

namespace rt {

inline constexpr float twipsPerPixel = 15;

inline int pixels(float twips)
{
    return int(std::lround(twips / twipsPerPixel));
}

// Where a control stands, in pixels. A line's rectangle holds the line at its width.
inline QRect pixelRect(Kind kind, float left, float top, float width, float height, int lineWidth)
{
    if (kind != Kind::Line)
        return {pixels(left), pixels(top), pixels(width), pixels(height)};
    const QPoint from(pixels(left), pixels(top));
    const QPoint to(pixels(left + width), pixels(top + height));
    const int half = lineWidth / 2;
    const int rest = lineWidth - 1 - half;
    return QRect(from, to).normalized().adjusted(-half, -half, rest, rest);
}

} // namespace rt
