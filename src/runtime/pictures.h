#pragma once

#include <QImage>

#include <string_view>

class QPainter;

namespace rt {

// A picture's rows as the bitmap stores them, bottom row first; drawPicture draws it the
// right way up with its top left corner at the painter's origin.
const QImage& picture(std::string_view name);
void drawPicture(QPainter& painter, std::string_view name);

} // namespace rt
