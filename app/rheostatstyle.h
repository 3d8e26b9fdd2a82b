// The look of the rheostat's scroll bar: arrow buttons and thumb of the
// rheostat's widths whatever the desktop's style, so that the slider arrow
// drawn above the bar stands over the thumb's centre.
#pragma once

#include <QProxyStyle>

class RheostatStyle : public QProxyStyle
{
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                         SubControl sub, const QWidget *widget = nullptr) const override;
    // The bar as the style draws it, with a dotted outline inside it while
    // it has the keyboard focus.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
};
