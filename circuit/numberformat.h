// Number to text: the pattern, general and signed forms the window shows.
#pragma once

#include <string>
#include <string_view>

namespace circuit {

// Writes `value` through a format pattern such as "#0.000", "##0.00" or
// "##00.0000": as many decimals as the pattern has after its ".", at least as
// many integer digits as it has "0"s before it, all further integer digits,
// a leading "-" for negative values, and `sep` as the decimal separator.
// Halves round away from zero on the value's shortest decimal form, so what
// reads 1.005 shows as 1.01. `significant` is the precision of that form:
// 15 for double-precision values, 7 for single-precision ones. A value that
// rounds to zero has no minus sign; a value that is not finite gives "".
std::string formatPattern(double value, std::string_view pattern,
                          std::string_view sep, int significant = 15);

// formatPattern for a single-precision value.
inline std::string formatSingle(float value, std::string_view pattern,
                                std::string_view sep)
{
    return formatPattern(value, pattern, sep, 7);
}

// The shortest general form of a single-precision value: the fewest
// significant digits (at most 7) that read back as the same value, no
// trailing zeros, no leading blank (100, 55.5, 0.21). Very large or very
// small magnitudes use an exponent ("1E+07", "1E-05").
std::string generalSingle(float value, std::string_view sep);

// The signed form of a number: a blank before a non-negative number, "-"
// before a negative one (" 16", "-5"); up to 15 significant digits, "." as
// the decimal point, the form a parameter box is reset to.
std::string signedText(double value);

} // namespace circuit
