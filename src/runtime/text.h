#pragma once

#include <QString>

#include <string_view>

namespace rt {

// The designs' texts are UTF-8.
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace rt
