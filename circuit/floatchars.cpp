#include "circuit/floatchars.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <version>

#ifdef __cpp_lib_to_chars
#include <charconv>
#include <system_error>
#endif

namespace circuit {

namespace portable {

namespace {

// A decimal number: mantissa × 10^exponent.
struct Scientific {
    std::uint64_t mantissa = 0;
    long long exponent = 0;
};

// The value of `d` read as a T, correctly rounded. The text has no decimal
// point, so that no locale can change its meaning.
template <class T>
T readBack(Scientific d)
{
    const std::string text = std::to_string(d.mantissa) + 'e' + std::to_string(d.exponent);
    if constexpr (std::is_same_v<T, float>)
        return std::strtof(text.c_str(), nullptr);
    else
        return std::strtod(text.c_str(), nullptr);
}

std::uint64_t powerOfTen(int n)
{
    std::uint64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

template <class T>
int shortest(T value)
{
    if (value == 0)
        return 1;
    constexpr int maxDigits = std::numeric_limits<T>::max_digits10;
    for (int digits = 1; digits < maxDigits; ++digits) {
        // The nearest decimal of `digits` significant digits.
        const std::string text = scientificText(static_cast<double>(value), digits - 1);
        Scientific d;
        std::size_t i = 0;
        for (; i < text.size() && text[i] != 'e'; ++i)
            if (text[i] >= '0' && text[i] <= '9')
                d.mantissa = d.mantissa * 10 + static_cast<std::uint64_t>(text[i] - '0');
        d.exponent = std::atoll(text.c_str() + i + 1) - (digits - 1);
        const T back = readBack<T>(d);
        if (back == value)
            return digits;
        // Where the values read as this one reach farther on one side (just
        // above a power of two), the next decimal towards it may hit where
        // the nearest misses.
        const bool below = back < value;
        if (below && ++d.mantissa == powerOfTen(digits))
            d = {powerOfTen(digits - 1), d.exponent + 1};
        else if (!below && d.mantissa-- == powerOfTen(digits - 1))
            d = {powerOfTen(digits) - 1, d.exponent - 1};
        if (readBack<T>(d) == value)
            return digits;
    }
    return maxDigits;
}

} // namespace

std::string scientificText(double value, int decimals)
{
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%.*e", decimals, value);
    std::string text(buffer, static_cast<std::size_t>(std::min<int>(length, sizeof buffer - 1)));
    if (length >= static_cast<int>(sizeof buffer)) {
        text.resize(static_cast<std::size_t>(length));
        std::snprintf(text.data(), text.size() + 1, "%.*e", decimals, value);
    }
    // The decimal point is the locale's in printf; here it is always ".".
    const std::size_t point = text.find_first_not_of("-0123456789");
    if (point != std::string::npos && text[point] != 'e')
        text[point] = '.';
    return text;
}

int shortestDigits(double value) { return shortest(value < 0 ? -value : value); }
int shortestDigits(float value) { return shortest(value < 0 ? -value : value); }

double decimalValue(const std::string &digits, long long exponent)
{
    return std::strtod((digits + 'e' + std::to_string(exponent)).c_str(), nullptr);
}

} // namespace portable

#ifdef __cpp_lib_to_chars

std::string scientificText(double value, int decimals)
{
    // Made on the stack: the short texts the program asks for then need no
    // memory of their own.
    char buffer[64];
    std::string longer;
    char *text = buffer, *end = buffer + sizeof buffer;
    if (decimals > 40) {
        longer.resize(static_cast<std::size_t>(decimals) + 32);
        text = longer.data();
        end = text + longer.size();
    }
    return std::string(text, std::to_chars(text, end, value, std::chars_format::scientific, decimals).ptr);
}

namespace {

template <class T>
int shortest(T value)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    int digits = 0;
    for (const char *c = buf; c != res.ptr && *c != 'e'; ++c)
        digits += *c >= '0' && *c <= '9';
    return digits;
}

} // namespace

int shortestDigits(double value) { return shortest(value); }
int shortestDigits(float value) { return shortest(value); }

double decimalValue(const std::string &digits, long long exponent)
{
    const std::string text = digits + 'e' + std::to_string(exponent);
    double value = 0;
    // Beyond the range the library leaves the value as it was; strtod tells
    // infinity from 0 there.
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc::result_out_of_range)
        return portable::decimalValue(digits, exponent);
    return value;
}

#else

std::string scientificText(double value, int decimals) { return portable::scientificText(value, decimals); }
int shortestDigits(double value) { return portable::shortestDigits(value); }
int shortestDigits(float value) { return portable::shortestDigits(value); }
double decimalValue(const std::string &digits, long long exponent)
{
    return portable::decimalValue(digits, exponent);
}

#endif

} // namespace circuit
