#include "ui/fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

namespace ui {

namespace {

// `family` where it is installed, else its metric twin where that is, else
// `family` for the system to substitute. The installed families are listed
// as they are: unlike hasFamily(), looking through the list resolves no
// aliases through fontconfig.
QString familyOrTwin(const QString &family, const QString &twin)
{
    const QStringList installed = QFontDatabase::families();
    return !installed.contains(family) && installed.contains(twin) ? twin : family;
}

} // namespace

QFont timesNewRoman(double points, bool bold)
{
    // Without Times New Roman installed, its metric twin Liberation Serif is
    // asked for by name, as the system's font configuration would choose it:
    // a family that is not there sends Qt through every installed font for
    // a substitute, once for each size and weight.
    static const QString family =
        familyOrTwin(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont font(family);
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont systemDefaultFont()
{
    static const QFont font = [] {
#ifdef Q_OS_WIN
        // Every Windows has Arial, whose metrics Liberation Sans copies.
        QFont f(familyOrTwin(QStringLiteral("Arial"), QStringLiteral("Liberation Sans")));
#else
        QFont f(QStringLiteral("Liberation Sans"));
#endif
        f.setStyleHint(QFont::SansSerif);
        f.setPointSize(8);
        return f;
    }();
    return font;
}

void setUpPageFonts()
{
#ifdef Q_OS_WASM
    for (const char *face : {"LiberationSans-Regular", "LiberationSerif-Regular", "LiberationSerif-Bold"})
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/%1.ttf").arg(QLatin1String(face)));
    QGuiApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
#endif
}

} // namespace ui
