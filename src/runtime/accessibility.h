#pragma once

#include <QString>

#include <string_view>

class QWidget;

namespace rt {

// Tells screen readers what the game's windows and the controls it draws itself show, as
// Qt's own widgets would: a window as its design says to read it, a label's caption as
// static text, a picture box as a picture with a short name. Images, lines and rectangles
// only decorate: screen readers learn nothing of them, not even that they show or hide.
// Costs nothing until a screen reader asks.
void makeControlsAccessible();

// Says the sentence to a screen reader, if one listens, on behalf of the window, which is
// heard only while it is the active one. A sentence takes the place of one on the same
// topic that the screen reader may still be saying; those on other topics it says again
// after it, until one has had the time to be said whole, so that none is lost by being cut
// short. Sentences with no topic are not said again.
void say(QWidget* window, const QString& sentence, std::string_view topic);
bool screenReaderListensTo(const QWidget* window);

} // namespace rt
