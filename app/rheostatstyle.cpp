#include "app/rheostatstyle.h"

#include "circuit/readings.h"
#include "ui/focusmark.h"

#include <QStyleOptionSlider>

QRect RheostatStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                    SubControl sub, const QWidget *widget) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (control != CC_ScrollBar || !bar || bar->orientation != Qt::Horizontal)
        return QProxyStyle::subControlRect(control, option, sub, widget);

    const QRect r = bar->rect;
    const int travel = std::max(0, r.width() - 2 * circuit::ArrowButtonWidth - circuit::ThumbWidth);
    // The thumb's offset is rounded as the slider arrow's is.
    const int offset = circuit::thumbOffset(static_cast<float>(travel),
                                            bar->sliderPosition - bar->minimum,
                                            bar->maximum - bar->minimum);
    const int thumbLeft = r.left() + circuit::ArrowButtonWidth + offset;
    switch (sub) {
    case SC_ScrollBarSubLine:
        return {r.left(), r.top(), circuit::ArrowButtonWidth, r.height()};
    case SC_ScrollBarAddLine:
        return {r.right() + 1 - circuit::ArrowButtonWidth, r.top(), circuit::ArrowButtonWidth, r.height()};
    case SC_ScrollBarGroove:
        return {r.left() + circuit::ArrowButtonWidth, r.top(), std::max(0, r.width() - 2 * circuit::ArrowButtonWidth), r.height()};
    case SC_ScrollBarSlider:
        return {thumbLeft, r.top(), circuit::ThumbWidth, r.height()};
    case SC_ScrollBarSubPage:
        return {r.left() + circuit::ArrowButtonWidth, r.top(), thumbLeft - r.left() - circuit::ArrowButtonWidth, r.height()};
    case SC_ScrollBarAddPage:
        return {thumbLeft + circuit::ThumbWidth, r.top(),
                std::max(0, r.right() + 1 - circuit::ArrowButtonWidth - thumbLeft - circuit::ThumbWidth), r.height()};
    default:
        return QProxyStyle::subControlRect(control, option, sub, widget);
    }
}

void RheostatStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                       QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ScrollBar && (option->state & State_HasFocus))
        ui::drawFocusMark(*painter, option->rect.adjusted(circuit::ArrowButtonWidth + 1, 2, -circuit::ArrowButtonWidth - 1, -2),
                          option->palette.color(QPalette::WindowText));
}

int RheostatStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                             QStyleHintReturn *returnData) const
{
    switch (hint) {
    case SH_ScrollBar_Transient:
        return 0; // always drawn in full
    case SH_ScrollBar_ContextMenu:
        return 0; // the rheostat has no menu of its own
    case SH_ScrollBar_LeftClickAbsolutePosition:
        return 0; // a click in the trough steps by 10, it does not jump there
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}
