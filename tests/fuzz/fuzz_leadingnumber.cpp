// libFuzzer target: the leading-number rule of the parameter boxes against a
// reference written here independently of it. The reference walks the text
// character by character, copies the characters that belong to the leading
// number (blanks left out) into a plain C literal, and lets strtod read that
// literal under the C locale. Both must give the same double, bit for bit
// (a negative zero reads as 0), for every input.
#include "circuit/leadingnumber.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>
#include <string_view>

namespace {

bool blank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool digit(char c) { return c >= '0' && c <= '9'; }

// The index of the next character that is not a blank, from `i` on.
std::size_t skip(std::string_view t, std::size_t i)
{
    while (i < t.size() && blank(t[i]))
        ++i;
    return i;
}

double reference(std::string_view t)
{
    std::string literal;
    std::size_t i = skip(t, 0);
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        literal += t[i++];
    bool point = false, anyDigit = false;
    for (i = skip(t, i); i < t.size(); i = skip(t, i + 1)) {
        if (digit(t[i])) {
            literal += t[i];
            anyDigit = true;
        } else if (t[i] == '.' && !point) {
            literal += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0.0;
    // An exponent counts only with at least one digit after "e" and its sign.
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::string exponent = "e";
        std::size_t j = skip(t, i + 1);
        if (j < t.size() && (t[j] == '+' || t[j] == '-'))
            exponent += t[j++];
        bool expDigit = false;
        for (j = skip(t, j); j < t.size() && digit(t[j]); j = skip(t, j + 1)) {
            exponent += t[j];
            expDigit = true;
        }
        if (expDigit)
            literal += exponent;
    }
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    char *end = nullptr;
    const double v = strtod_l(literal.c_str(), &end, c);
    if (end != literal.c_str() + literal.size()) {
        std::fprintf(stderr, "reference literal not read whole: %s\n", literal.c_str());
        std::abort();
    }
    return v == 0.0 ? 0.0 : v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const double got = circuit::leadingNumber(text);
    const double want = reference(text);
    if (std::memcmp(&got, &want, sizeof got) != 0) {
        std::fprintf(stderr, "leadingNumber(\"%.*s\") = %.17g, reference %.17g\n",
                     static_cast<int>(size > 200 ? 200 : size), text.data(), got, want);
        std::abort();
    }
    return 0;
}
