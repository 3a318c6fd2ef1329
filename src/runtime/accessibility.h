#pragma once

namespace rt {

// Tells screen readers what the controls the game draws itself show, as Qt's own widgets
// would: a label's caption as static text, a picture box as a picture with a short name.
// Costs nothing until a screen reader asks.
void makeControlsAccessible();

} // namespace rt
