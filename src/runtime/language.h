#pragma once

#include <QStringList>

class QTranslator;

namespace rt {

// The game's translation into the player's language, read from the executable the first time
// it is asked for. Where the player reads English, the language of the designs, or a language
// the game does not have, it holds English's plural forms alone.
const QTranslator& playersTranslation();

// Has the application show the game's texts in the player's language.
void useThePlayersLanguage();

// The translation to show, of those available ("de", "pt_BR"), for the languages the player
// prefers, most preferred first, as locale names ("de_AT.UTF-8", "pt-PT"): the first of them
// the game has, in the player's region or else in another; "" for English.
QString translationFor(const QStringList& preferred, const QStringList& available);

} // namespace rt
