// What assistive technology reads of a text box.
//
// Qt's own interface reports each character as a text-attribute run of no
// length, which makes a screen reader drop the last character (" 16" read
// as "1"), and its word lookup at the end of the text never returns. This
// one answers every text query from the text as shown, in one pass: the
// masked text of a box in password mode, never its value.
#pragma once

namespace ui {

// Makes text boxes known to assistive technology this way. Called once.
void installLineEditAccessibility();

} // namespace ui
