// libFuzzer target: the number texts the window shows. The input gives a
// value (raw bits of a double or a float, or a text read by the
// leading-number rule). Whatever the value, the texts keep their shape and
// read back close to it:
//   - the pattern forms "#0.000", "#0.00", "##0.00", "##00.0000": "" for a
//     value that is not finite, else an optional "-" (never on a zero), the
//     pattern's integer digits without a needless leading zero, the separator
//     and exactly its decimals; read back within half a unit of the last
//     decimal plus the rounding to the value's significant digits;
//   - the shortest general form: digits, separator, "E" and signs only, at
//     most seven significant digits, the same single when seven suffice;
//   - the signed form: a blank or "-" first, read back by the leading-number
//     rule to the same double when fifteen digits suffice.
// No text ever contains "inf" or "nan"; reading back is checked up to 1e308.
#include "circuit/leadingnumber.h"
#include "circuit/numberformat.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <locale.h>
#include <regex>

namespace {

void check(bool ok, const char *what, const std::string &text, double value)
{
    if (ok)
        return;
    std::fprintf(stderr, "%s: \"%s\" for %.17g\n", what, text.c_str(), value);
    std::abort();
}

// The text with its separator turned into "." and read by strtod (C locale).
double readBack(std::string text, const std::string &sep)
{
    if (const std::size_t at = text.find(sep); at != std::string::npos)
        text.replace(at, sep.size(), ".");
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(text.c_str(), nullptr, c);
}

// Significant digits of the shortest text that reads back as `v`.
template <class T> int shortestDigits(T v)
{
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific).ptr;
    return static_cast<int>(std::count_if(buf, std::find(buf, end, 'e'), [](char c) { return c >= '0' && c <= '9'; }));
}

void checkPatterns(double v, int significant)
{
    const struct { const char *pattern; int zeros, decimals; } forms[] = {{"#0.000", 1, 3}, {"#0.00", 1, 2}, {"##0.00", 1, 2}, {"##00.0000", 2, 4}};
    // [-]digits, separator, decimals; no needless leading zero.
    auto shape = [](const auto &f, bool comma) {
        return std::regex("(-?)(0{" + std::to_string(f.zeros) + "}|[1-9][0-9]{" + std::to_string(f.zeros - 1) + ",}|0" +
                          (f.zeros == 2 ? "[1-9]" : "") + ")" + (comma ? "," : "\\.") + "[0-9]{" + std::to_string(f.decimals) + "}");
    };
    static const std::regex shapes[2][4] = {{shape(forms[0], 0), shape(forms[1], 0), shape(forms[2], 0), shape(forms[3], 0)},
                                            {shape(forms[0], 1), shape(forms[1], 1), shape(forms[2], 1), shape(forms[3], 1)}};
    for (const std::string sep : {".", ","})
        for (const auto &f : forms) {
            const std::string text = circuit::formatPattern(v, f.pattern, sep, significant);
            if (!std::isfinite(v)) {
                check(text.empty(), "text for a value that is not finite", text, v); // never "inf" or "nan"
                continue;
            }
            std::smatch m;
            check(std::regex_match(text, m, shapes[sep == ","][&f - forms]), "shape", text, v);
            check(m[1].length() == 0 || (v < 0 && text.find_first_of("123456789") != std::string::npos), "minus", text, v);
            const double back = readBack(text, sep);
            check(std::fabs(v) > 1e308 || std::fabs(back - v) <= 0.5 * std::pow(10.0, -f.decimals) + std::fabs(v) * std::pow(10.0, 1 - significant) +
                                                                     4 * DBL_EPSILON * std::fabs(back) + 1e-300,
                  "reads back too far from the value", text, v);
        }
}

void checkGeneral(float f)
{
    for (const std::string sep : {".", ","}) {
        const std::string text = circuit::generalSingle(f, sep);
        if (!std::isfinite(f)) {
            check(text.empty(), "general text for a value that is not finite", text, f);
            continue;
        }
        static const std::regex shapes[2] = {std::regex("-?[0-9]+(\\.[0-9]+)?(E[-+][0-9]+)?"), std::regex("-?[0-9]+(,[0-9]+)?(E[-+][0-9]+)?")};
        check(std::regex_match(text, shapes[sep == ","]),
              "shape of the general text", text, f);
        const std::string mantissa = text.substr(0, text.find('E'));
        const std::size_t first = mantissa.find_first_of("123456789");
        check(first == std::string::npos || std::count_if(mantissa.begin() + std::ptrdiff_t(first), mantissa.end(), [](char c) { return c >= '0' && c <= '9'; }) <= 7,
              "more than seven significant digits", text, f);
        const double back = readBack(text, sep);
        check(shortestDigits(f) <= 7 ? static_cast<float>(back) == f : std::fabs(back - f) <= 6e-7 * std::fabs(f), "general text reads back wrongly", text, f);
    }
}

void checkSigned(double v)
{
    const std::string text = circuit::signedText(v);
    if (!std::isfinite(v))
        return check(text.empty(), "signed text for a value that is not finite", text, v);
    check(text.size() >= 2 && (text[0] == ' ' || text[0] == '-') && (text[0] == '-') == (v < 0) && text.find_first_of("afin") == std::string::npos,
          "sign place, or inf or nan", text, v);
    const double back = circuit::leadingNumber(text);
    check(std::fabs(v) > 1e308 || (shortestDigits(v) <= 15 ? back == v : std::fabs(back - v) <= 6e-15 * std::fabs(v)), "signed text reads back wrongly", text, v);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The first byte chooses: a double's bits, a single's bits, or a typed text as the boxes read it.
    double v = 0;
    float f = 0;
    if (size >= 9 && data[0] % 4 == 0)
        std::memcpy(&v, data + 1, sizeof v), checkPatterns(v, 15), checkSigned(v);
    else if (size >= 5 && data[0] % 4 == 1)
        std::memcpy(&f, data + 1, sizeof f), checkPatterns(f, 7), checkGeneral(f);
    else if (size >= 1 && data[0] % 4 > 1) {
        v = circuit::leadingNumber(std::string_view(reinterpret_cast<const char *>(data + 1), size - 1));
        check(!std::isnan(v) && !(v == 0.0 && std::signbit(v)), "leading number NaN or negative zero", "", v);
        checkPatterns(v, 15), checkSigned(v), checkPatterns(static_cast<float>(v), 7), checkGeneral(static_cast<float>(v));
    }
    return 0;
}
