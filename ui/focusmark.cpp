#include "ui/focusmark.h"

#include <QPainter>
#include <QPen>

namespace ui {

void drawFocusMark(QPainter &painter, const QRect &r, const QColor &colour)
{
    painter.save();
    QPen pen(colour, 0);
    pen.setDashPattern({1, 1});
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace ui
