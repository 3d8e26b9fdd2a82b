// The mark of the keyboard focus on controls the program draws itself.
#pragma once

class QColor;
class QPainter;
class QRect;

namespace ui {

// A 1-pixel dotted outline along the inside of `r`, in `colour`; nothing
// inside it is painted over.
void drawFocusMark(QPainter &painter, const QRect &r, const QColor &colour);

} // namespace ui
