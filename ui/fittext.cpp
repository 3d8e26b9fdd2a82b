#include "ui/fittext.h"

#include <QFontMetricsF>
#include <QWidget>

namespace ui {

namespace {

bool fits(const QFont &font, const QString &text, qreal room)
{
    return QFontMetricsF(font).horizontalAdvance(text) <= room;
}

QFont sized(QFont font, int quarterPoints)
{
    font.setPointSizeF(quarterPoints / 4.0);
    return font;
}

} // namespace

QFont fittingFont(const QFont &designed, const QString &text, qreal room)
{
    if (fits(designed, text, room))
        return designed;
    // Halving the range of quarter points: the advance grows with the size.
    int small = 1; // a quarter point: the smallest size there is
    int large = static_cast<int>(designed.pointSizeF() * 4) - 1;
    if (large <= small || !fits(sized(designed, small), text, room))
        return sized(designed, small);
    while (small < large) {
        const int middle = (small + large + 1) / 2;
        if (fits(sized(designed, middle), text, room))
            small = middle;
        else
            large = middle - 1;
    }
    return sized(designed, small);
}

void fitFont(QWidget *element, const QFont &designed, const QString &text, qreal room)
{
    const QFont font = fittingFont(designed, text, room);
    if (element->font() != font)
        element->setFont(font);
}

} // namespace ui
