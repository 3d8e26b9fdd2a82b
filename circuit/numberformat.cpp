#include "circuit/numberformat.h"

#include "circuit/floatchars.h"

#include <cmath>
#include <cstdlib>

namespace circuit {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Decimal digits of a value with its power of ten: value = 0.d1d2d3... * 10^pointPos.
struct Decimal {
    std::string digits; // no leading zero unless the value is 0
    int pointPos = 0;
};

// `value` (finite, >= 0) rounded to `significant` significant digits.
Decimal toDecimal(double value, int significant)
{
    const std::string text = scientificText(value, significant - 1);
    const std::string_view s = text;
    Decimal d;
    std::size_t e = s.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (isDigit(s[i]))
            d.digits += s[i];
    d.pointPos = std::atoi(std::string(s.substr(e + 1)).c_str()) + 1;
    return d;
}

// Removes trailing zeros of the digits (the value stays the same).
void trimZeros(Decimal &d)
{
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
}

// The fewest digits that read back as the same value of its own type
// (single or double), but never more than `maxDigits`: beyond that the value
// is rounded to `maxDigits` significant digits.
template <class T>
Decimal shortestDecimal(T magnitude, int maxDigits)
{
    const int digits = shortestDigits(magnitude);
    return toDecimal(static_cast<double>(magnitude), digits < maxDigits ? digits : maxDigits);
}

// Writes a decimal as the shortest general text: fixed notation for
// moderate exponents, "d.dddE+XX" otherwise.
std::string generalText(Decimal d, int maxDigits, std::string_view sep)
{
    trimZeros(d);
    if (d.digits == "0")
        return "0";
    const int exp10 = d.pointPos - 1;
    std::string out;
    if (exp10 < -4 || exp10 >= maxDigits) {
        out += d.digits[0];
        if (d.digits.size() > 1) {
            out += sep;
            out += d.digits.substr(1);
        }
        out += exp10 < 0 ? "E-" : "E+";
        std::string e = std::to_string(std::abs(exp10));
        if (e.size() < 2)
            e.insert(0, "0");
        return out + e;
    }
    if (d.pointPos <= 0) {
        out = "0";
        out += sep;
        out.append(static_cast<std::size_t>(-d.pointPos), '0');
        return out + d.digits;
    }
    const auto intLen = static_cast<std::size_t>(d.pointPos);
    if (d.digits.size() <= intLen) {
        out = d.digits;
        out.append(intLen - d.digits.size(), '0');
        return out;
    }
    out = d.digits.substr(0, intLen);
    out += sep;
    return out + d.digits.substr(intLen);
}

} // namespace

std::string formatPattern(double value, std::string_view pattern, std::string_view sep,
                          int significant)
{
    if (!std::isfinite(value))
        return {};

    const std::size_t point = pattern.find('.');
    const std::string_view intPattern = pattern.substr(0, point);
    const int decimals =
        point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
    int minIntDigits = 0;
    for (char c : intPattern)
        if (c == '0')
            ++minIntDigits;

    // Round half away from zero at the last decimal of the pattern, working on
    // the value's decimal digits so that what reads as a half is a half.
    std::string kept; // the digits of |value| * 10^decimals, rounded
    if (value != 0.0) {
        Decimal d = toDecimal(std::fabs(value), significant);
        const int keep = d.pointPos + decimals;
        if (keep >= 0) {
            kept = d.digits.substr(0, static_cast<std::size_t>(std::min<int>(keep, static_cast<int>(d.digits.size()))));
            if (static_cast<int>(kept.size()) < keep)
                kept.append(static_cast<std::size_t>(keep) - kept.size(), '0');
            const bool roundUp = keep < static_cast<int>(d.digits.size()) &&
                                 d.digits[static_cast<std::size_t>(keep)] >= '5';
            if (roundUp) {
                int k = static_cast<int>(kept.size()) - 1;
                for (; k >= 0 && kept[static_cast<std::size_t>(k)] == '9'; --k)
                    kept[static_cast<std::size_t>(k)] = '0';
                if (k >= 0)
                    ++kept[static_cast<std::size_t>(k)];
                else
                    kept.insert(0, "1");
            }
        }
    }
    if (kept.size() < static_cast<std::size_t>(decimals))
        kept.insert(0, static_cast<std::size_t>(decimals) - kept.size(), '0');

    std::string intPart = kept.substr(0, kept.size() - static_cast<std::size_t>(decimals));
    const std::string fracPart = kept.substr(intPart.size());
    intPart.erase(0, std::min(intPart.find_first_not_of('0'), intPart.size()));
    if (intPart.size() < static_cast<std::size_t>(minIntDigits))
        intPart.insert(0, static_cast<std::size_t>(minIntDigits) - intPart.size(), '0');

    const bool zero = kept.find_first_not_of('0') == std::string::npos;
    std::string out = (value < 0 && !zero) ? "-" : "";
    out += intPart;
    if (decimals > 0) {
        out += sep;
        out += fracPart;
    }
    return out;
}

std::string generalSingle(float value, std::string_view sep)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0.0f)
        return "0";
    return (value < 0 ? "-" : "") + generalText(shortestDecimal(std::fabs(value), 7), 7, sep);
}

std::string signedText(double value)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        return " 0";
    return (value < 0 ? "-" : " ") + generalText(shortestDecimal(std::fabs(value), 15), 15, ".");
}

} // namespace circuit
