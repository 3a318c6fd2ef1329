#pragma once

#include "runtime/sentence.h"

#include <string_view>

class QWidget;

namespace rt {

// Tells screen readers what the game's windows and the controls it draws itself show, as
// Qt's own widgets would: a window as its design says to read it, a label's caption as
// static text, a picture box as a picture with a short name. Images, lines and rectangles
// only decorate: screen readers learn nothing of them, not even that they show or hide; nor
// of a picture box without a name. While a screen reader listens, a window says its
// description as it becomes active. Costs nothing until a screen reader asks.
void makeControlsAccessible();

// Says the sentence to a screen reader, if one listens, on behalf of the window, which is
// heard only while it is the active one. A sentence takes the place of one on the same
// topic that the screen reader may still be saying; those on other topics it says again
// after it, until one has had the time to be said whole, so that none is lost by being cut
// short. Sentences with no topic are not said again. The sentence is put into words only
// where a screen reader listens.
void say(QWidget* window, const Sentence& sentence, std::string_view topic);

} // namespace rt
