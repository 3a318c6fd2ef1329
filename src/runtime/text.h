#pragma once

#include "core/texts.h"

#include <QCoreApplication>
#include <QString>

#include <string_view>

namespace rt {

// The designs' texts are UTF-8.
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A text the player reads, in the player's language where the game has it.
inline QString translated(std::string_view text)
{
    return QCoreApplication::translate("Quillory",
                                       QByteArray(text.data(), qsizetype(text.size())).constData());
}

} // namespace rt
