// libFuzzer target: the number texts the window shows. The input gives a
// value (raw bits of a double or a float, or a text read by the
// leading-number rule) and, for the pattern form, a pattern. Whatever the
// value, the texts must keep their shape and read back close to the value:
//   - the pattern form: "" for a value that is not finite, otherwise an
//     optional "-", at least as many integer digits as the pattern's "0"s and
//     no needless leading zero, the separator and exactly the pattern's
//     decimals; no "-" on a value that shows as zero; read back within half a
//     unit of the last decimal plus the rounding to the value's significant
//     digits;
//   - the shortest general form: digits, separator, "E", signs only, at most
//     seven significant digits, and the same single when seven suffice;
//   - the signed form: a blank or "-" first, and read back by the
//     leading-number rule to the same double when fifteen digits suffice.
// Reading back is checked up to 1e308: rounded to fifteen digits, the largest
// doubles read back as infinity.
// No text ever contains "inf" or "nan". (Rounded to n significant digits a
// value moves by up to half a unit of the n-th digit, 5 * 10^-n of it when
// its first digit is 1; the bounds below allow for that and the reading.)
#include "circuit/leadingnumber.h"
#include "circuit/numberformat.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void fail(const char *what, const std::string &text, double value)
{
    std::fprintf(stderr, "%s: \"%s\" for %.17g\n", what, text.c_str(), value);
    std::abort();
}

bool digit(char c) { return c >= '0' && c <= '9'; }

// The text with its separator turned into "." and read by strtod (C locale).
double readBack(std::string text, std::string_view sep)
{
    if (const std::size_t at = text.find(sep); at != std::string::npos)
        text.replace(at, sep.size(), ".");
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(text.c_str(), nullptr, c);
}

void noInfNan(const std::string &text, double value)
{
    for (const char *bad : {"inf", "INF", "Inf", "nan", "NAN", "NaN"})
        if (text.find(bad) != std::string::npos)
            fail("inf or nan shown", text, value);
}

// Significant digits of the shortest text that reads back as `v`.
template <class T>
int shortestDigits(T v)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
    int n = 0;
    for (const char *p = buf; p != res.ptr && *p != 'e'; ++p)
        n += digit(*p);
    return n;
}

void checkPattern(double v, int hashes, int zeros, int decimals, std::string_view sep, int significant)
{
    std::string pattern(static_cast<std::size_t>(hashes), '#');
    pattern.append(static_cast<std::size_t>(zeros), '0');
    if (decimals > 0)
        pattern += '.' + std::string(static_cast<std::size_t>(decimals), '0');
    const std::string text = circuit::formatPattern(v, pattern, sep, significant);
    noInfNan(text, v);
    if (!std::isfinite(v)) {
        if (!text.empty())
            fail("text for a value that is not finite", text, v);
        return;
    }
    // Shape: [-]digits[sep digits]
    std::size_t i = 0;
    const bool minus = !text.empty() && text[0] == '-';
    i += minus;
    const std::size_t intStart = i;
    while (i < text.size() && digit(text[i]))
        ++i;
    const std::size_t intDigits = i - intStart;
    if (intDigits < static_cast<std::size_t>(zeros) || (zeros > 0 && intDigits == 0))
        fail("too few integer digits", text, v);
    if (intDigits > static_cast<std::size_t>(zeros) && intDigits > 0 && text[intStart] == '0')
        fail("needless leading zero", text, v);
    if (decimals > 0) {
        if (text.compare(i, sep.size(), sep) != 0)
            fail("no separator", text, v);
        i += sep.size();
        const std::size_t fracStart = i;
        while (i < text.size() && digit(text[i]))
            ++i;
        if (i - fracStart != static_cast<std::size_t>(decimals))
            fail("wrong number of decimals", text, v);
    }
    if (i != text.size())
        fail("stray characters", text, v);
    if (intDigits == 0 && decimals == 0)
        return; // a pattern of "#"s shows nothing for a value below one half
    if (minus && text.find_first_of("123456789") == std::string::npos)
        fail("minus on zero", text, v);
    if (minus && !(v < 0))
        fail("minus on a positive value", text, v);

    // Rounded to its significant digits, a value next to the largest double
    // reads back beyond it; the texts themselves are right.
    if (std::fabs(v) > 1e308)
        return;
    const double back = readBack(text, sep);
    const double unit = std::pow(10.0, -decimals);
    const double tolerance = 0.5 * unit + std::fabs(v) * std::pow(10.0, 1 - significant) +
                             4 * DBL_EPSILON * std::fabs(back) + 1e-300;
    if (!(std::fabs(back - v) <= tolerance))
        fail("reads back too far from the value", text, v);
}

void checkProgramPatterns(double v, int significant)
{
    // "#0.000" (current), "#0.00" (voltage, ticks), "##0.00" (table), "##00.0000" (fit).
    for (std::string_view sep : {".", ","}) {
        checkPattern(v, 1, 1, 3, sep, significant);
        checkPattern(v, 1, 1, 2, sep, significant);
        checkPattern(v, 2, 1, 2, sep, significant);
        checkPattern(v, 2, 2, 4, sep, significant);
    }
}

void checkGeneral(float f)
{
    for (std::string_view sep : {".", ","}) {
        const std::string text = circuit::generalSingle(f, sep);
        noInfNan(text, f);
        if (!std::isfinite(f)) {
            if (!text.empty())
                fail("general text for a value that is not finite", text, f);
            continue;
        }
        if (text.empty() || text[0] == ' ')
            fail("general text empty or with a blank", text, f);
        int significantDigits = 0;
        bool leading = true;
        const std::size_t e = text.find('E');
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (digit(c)) {
                if (i < e) {
                    leading = leading && c == '0';
                    significantDigits += !leading;
                }
            } else if (text.compare(i, sep.size(), sep) == 0) {
                i += sep.size() - 1;
            } else if (c != 'E' && c != '+' && c != '-') {
                fail("stray character in general text", text, f);
            }
        }
        if (significantDigits > 7)
            fail("more than seven significant digits", text, f);
        const double back = readBack(text, sep);
        if (shortestDigits(f) <= 7 ? static_cast<float>(back) != f
                                   : !(std::fabs(back - f) <= 6e-7 * std::fabs(f)))
            fail("general text reads back to another value", text, f);
    }
}

void checkSigned(double v)
{
    const std::string text = circuit::signedText(v);
    noInfNan(text, v);
    if (!std::isfinite(v)) {
        if (!text.empty())
            fail("signed text for a value that is not finite", text, v);
        return;
    }
    if (text.size() < 2 || (text[0] != ' ' && text[0] != '-') || ((text[0] == '-') != (v < 0)))
        fail("signed text without its sign place", text, v);
    if (std::fabs(v) > 1e308)
        return;
    const double back = circuit::leadingNumber(text);
    if (shortestDigits(v) <= 15 ? back != v : !(std::fabs(back - v) <= 6e-15 * std::fabs(v)))
        fail("signed text reads back to another value", text, v);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::uint8_t mode = data[0];
    ++data;
    --size;
    switch (mode % 4) {
    case 0: { // a double's bits, a pattern of the input's choosing
        if (size < 11)
            return 0;
        double v;
        std::memcpy(&v, data, sizeof v);
        checkPattern(v, data[8] % 4, data[9] % 4, data[10] % 8, data[10] & 8 ? "," : ".", 15);
        checkProgramPatterns(v, 15);
        checkSigned(v);
        return 0;
    }
    case 1: { // a single's bits
        if (size < 4)
            return 0;
        float f;
        std::memcpy(&f, data, sizeof f);
        checkProgramPatterns(f, 7);
        checkGeneral(f);
        return 0;
    }
    default: { // a typed text, as the boxes read it
        const double v = circuit::leadingNumber(std::string_view(reinterpret_cast<const char *>(data), size));
        if (std::isnan(v) || (v == 0.0 && std::signbit(v)))
            fail("leading number NaN or negative zero", "", v);
        checkProgramPatterns(v, 15);
        checkSigned(v);
        checkProgramPatterns(static_cast<float>(v), 7);
        checkGeneral(static_cast<float>(v));
        return 0;
    }
    }
}
