#include "ui/numbertexts.h"

#include "circuit/numberformat.h"

#include <QLocale>

namespace ui {

std::string decimalSeparator()
{
    return QLocale().decimalPoint().toStdString();
}

QString formatNumber(double value, const char *pattern)
{
    return QString::fromStdString(circuit::formatPattern(value, pattern, decimalSeparator()));
}

QString formatSingle(float value, const char *pattern)
{
    return QString::fromStdString(circuit::formatSingle(value, pattern, decimalSeparator()));
}

QString generalSingle(float value)
{
    return QString::fromStdString(circuit::generalSingle(value, decimalSeparator()));
}

} // namespace ui
