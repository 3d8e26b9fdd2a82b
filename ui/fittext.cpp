#include "ui/fittext.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

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

void fitCaption(QWidget *control)
{
    // The room the style gives the caption, a pixel short of its edge.
    QString text;
    int room = 0;
    if (auto *label = qobject_cast<QLabel *>(control)) {
        text = label->text();
        room = label->contentsRect().width() - 2 * label->margin();
        if (!(label->alignment() & Qt::AlignHCenter) && label->indent() > 0)
            room -= label->indent();
    } else if (auto *button = qobject_cast<QRadioButton *>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        text = option.text = button->text();
        room = button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button).width();
    } else if (auto *box = qobject_cast<QGroupBox *>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        text = option.text = box->title();
        option.textAlignment = box->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        room = box->width() - 2 * title.left(); // as far from the frame's right side as from its left
    }
    if (!text.isEmpty())
        fitFont(control, control->font(), text, room - 1);
}

} // namespace ui
