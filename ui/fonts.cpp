#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace ui {

QFont timesNewRoman(double points, bool bold)
{
    // Without Times New Roman installed, its metric twin Liberation Serif is
    // asked for by name, as the system's font configuration would choose it:
    // a family that is not there sends Qt through every installed font for
    // a substitute, once for each size and weight.
    // The installed families are listed as they are: unlike hasFamily(),
    // looking through the list resolves no aliases through fontconfig.
    static const QString family = [] {
        const QString times = QStringLiteral("Times New Roman");
        const QString twin = QStringLiteral("Liberation Serif");
        const QStringList installed = QFontDatabase::families();
        return !installed.contains(times) && installed.contains(twin) ? twin : times;
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
