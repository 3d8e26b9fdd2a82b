// Decimal texts of floating-point values, exactly as the standard library's
// <charconv> functions make them, for the libraries that have none for
// floating point (the browser build's). Nothing here depends on the locale.
#pragma once

#include <string>

namespace circuit {

// `value` (finite) in scientific notation with `decimals` digits after the
// point, correctly rounded: "1.235e+03", as std::to_chars with
// chars_format::scientific and a precision writes it.
std::string scientificText(double value, int decimals);

// How many significant digits the shortest text that reads back as the same
// value has, as std::to_chars without a precision finds it: 1 for 0.5f, 17
// for 0.1 + 0.2.
int shortestDigits(double value);
int shortestDigits(float value);

// The double nearest to the decimal number `digits` × 10^`exponent`
// (`digits` holds decimal digits only, at least one): infinity beyond the
// largest double, 0 below the smallest, as std::from_chars and strtod read it.
double decimalValue(const std::string &digits, long long exponent);

// The same, made without <charconv> whatever the library has: what the
// functions above use where the library lacks it; tests hold them to it.
namespace portable {
std::string scientificText(double value, int decimals);
int shortestDigits(double value);
int shortestDigits(float value);
double decimalValue(const std::string &digits, long long exponent);
} // namespace portable

} // namespace circuit
