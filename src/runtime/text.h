#pragma once

#include "core/texts.h"
#include "runtime/sentence.h"

#include <QCoreApplication>
#include <QString>

#include <string_view>

namespace rt {

// The designs' texts are UTF-8.
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A text the player reads, in the player's language where the game has it; with a count, in the
// language's form for it. The disambiguation tells apart two uses of the same English text.
inline QString translated(std::string_view text, int count = -1,
                          const char* disambiguation = nullptr)
{
    return QCoreApplication::translate("Quillory",
                                       QByteArray(text.data(), qsizetype(text.size())).constData(),
                                       disambiguation, count);
}

// The sentence in the player's language, its values filled in.
QString spoken(const Sentence& sentence);

} // namespace rt
