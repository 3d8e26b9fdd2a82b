// libFuzzer target: the leading-number rule of the parameter boxes against a
// reference written here independently of it. The reference walks the text
// character by character, copies the characters that belong to the leading
// number (blanks left out) into a plain C literal, and lets strtod read that
// literal under the C locale. Both must give the same double, bit for bit
// (a negative zero reads as 0), for every input.
#include "circuit/leadingnumber.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>

namespace {

bool digit(char c) { return c >= '0' && c <= '9'; }

double reference(std::string_view t)
{
    std::size_t i = 0;
    auto next = [&](std::size_t from) { // the next character that is not a blank, from `from` on
        for (i = from; i < t.size() && (t[i] == ' ' || t[i] == '\t' || t[i] == '\n');)
            ++i;
        return i < t.size();
    };
    std::string literal;
    if (next(0) && (t[i] == '+' || t[i] == '-'))
        literal += t[i++];
    bool point = false, anyDigit = false;
    for (; next(i) && (digit(t[i]) || (t[i] == '.' && !point)); ++i) {
        point = point || t[i] == '.';
        anyDigit = anyDigit || digit(t[i]);
        literal += t[i];
    }
    if (!anyDigit)
        return 0.0;
    // An exponent counts only with at least one digit after "e" and its sign.
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::string exponent = "e";
        if (next(i + 1) && (t[i] == '+' || t[i] == '-'))
            exponent += t[i++];
        for (; next(i) && digit(t[i]); ++i)
            exponent += t[i];
        literal += exponent.back() == 'e' || exponent.back() == '+' || exponent.back() == '-' ? "" : exponent;
    }
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    const double v = strtod_l(literal.c_str(), nullptr, c);
    return v == 0.0 ? 0.0 : v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const double got = circuit::leadingNumber(text), want = reference(text);
    if (std::memcmp(&got, &want, sizeof got) == 0)
        return 0;
    std::fprintf(stderr, "leadingNumber(\"%.*s\") = %.17g, reference %.17g\n", int(size > 200 ? 200 : size),
                 text.data(), got, want);
    std::abort();
}
