// Text that keeps every digit and letter: a number too wide for its element,
// or a translated caption too wide for its control, is drawn smaller rather
// than cut.
#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace ui {

// The font to draw `text` in within `room` pixels of advance: `designed`
// itself when the text fits, else the largest smaller size of the same face
// that fits, in quarter points (never eliding, never wrapping).
QFont fittingFont(const QFont &designed, const QString &text, qreal room);

// Gives `element` the fitting font for `text` (it keeps its font when that
// is the same).
void fitFont(QWidget *element, const QFont &designed, const QString &text, qreal room);

// Gives a label, a radio button or a group box the fitting font for its
// caption: within a label's contents, beside a radio button's indicator,
// within a group box's frame. Any other control, or an empty caption, is
// left as it is.
void fitCaption(QWidget *control);

} // namespace ui
