#include "ui/fonts.h"

#include <QFontDatabase>

namespace ui {

QFont timesNewRoman(double points, bool bold)
{
    // Without Times New Roman installed, its metric twin Liberation Serif is
    // asked for by name, as the system's font configuration would choose it:
    // a family that is not there sends Qt through every installed font for
    // a substitute, once for each size and weight.
    static const QString family = [] {
        const QString times = QStringLiteral("Times New Roman");
        const QString twin = QStringLiteral("Liberation Serif");
        return !QFontDatabase::hasFamily(times) && QFontDatabase::hasFamily(twin) ? twin : times;
    }();
    QFont font(family);
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont systemDefaultFont()
{
    static const QFont font = [] {
        QFont f(QStringLiteral("Liberation Sans"));
        f.setStyleHint(QFont::SansSerif);
        f.setPointSize(8);
        return f;
    }();
    return font;
}

} // namespace ui
