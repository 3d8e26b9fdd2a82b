// Number texts as the window shows them, with the decimal separator of the
// user's locale.
#pragma once

#include <QString>

#include <string>

namespace ui {

// The locale's decimal separator, as the number formats take it.
std::string decimalSeparator();

// A double-precision value through a pattern such as "#0.000".
QString formatNumber(double value, const char *pattern);
// A single-precision value through a pattern such as "##0.00".
QString formatSingle(float value, const char *pattern);
// The shortest general form of a single-precision value (100, 55.5, 0.21).
QString generalSingle(float value);

} // namespace ui
