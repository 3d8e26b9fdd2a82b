// libFuzzer target: the number texts the window shows. The input gives a
// value: the raw bits of a double, or a text read by the leading-number rule;
// the value is shown as a double and as a single. No text ever says "inf" or "nan" (a value that is not
// finite gives ""), and every text reads back close to its value: the
// patterns within half a unit of their last decimal plus the value's own
// rounding to 15 (double) or 7 (single) significant digits, the general form
// of a single within 7 digits, the signed form of a double (read by the
// leading-number rule, after its blank or "-") within 15. Reading back is
// checked up to 1e308.
#include "circuit/leadingnumber.h"
#include "circuit/numberformat.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <locale.h>

namespace {

void check(const std::string &text, double value, double back, double room, const char *form)
{
    const bool shape = !text.empty() && text.find_first_of("aAfFiInN") == std::string::npos;
    const bool close = std::fabs(value) > 1e308 || std::fabs(back - value) <= room;
    if (std::isfinite(value) ? shape && close : text.empty())
        return;
    std::fprintf(stderr, "%s: \"%s\" for %.17g reads back as %.17g\n", form, text.c_str(), value, back);
    std::abort();
}

// The text read by strtod under the C locale, a decimal comma as a point.
double readBack(std::string text)
{
    std::replace(text.begin(), text.end(), ',', '.');
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(text.c_str(), nullptr, c);
}

void checkTexts(double v, int significant)
{
    const std::pair<const char *, int> patterns[] = {{"#0.000", 3}, {"#0.00", 2}, {"##0.00", 2}, {"##00.0000", 4}};
    const double rounding = std::fabs(v) * std::pow(10.0, 1 - significant);
    for (const char *sep : {".", ","}) {
        for (const auto &[pattern, decimals] : patterns) {
            const std::string text = circuit::formatPattern(v, pattern, sep, significant);
            const double back = readBack(text);
            const double room = 0.5 * std::pow(10.0, -decimals) + rounding + 4 * DBL_EPSILON * std::fabs(back) + 1e-300;
            check(text, v, back, room, pattern);
        }
        if (significant == 7) {
            const std::string text = circuit::generalSingle(float(v), sep);
            const double back = readBack(text); // the same single is exact, subnormal ones included
            check(text, v, float(back) == float(v) ? v : back, 6e-7 * std::fabs(v), "general");
        }
    }
    if (significant == 15) {
        const std::string text = circuit::signedText(v);
        const bool signPlace = text.empty() || text[0] == (v < 0 ? '-' : ' ');
        check(signPlace ? text : "", v, circuit::leadingNumber(text), 6e-15 * std::fabs(v), "signed");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The first byte chooses: a double's bits, or a typed text as the boxes read it.
    if (size < 1)
        return 0;
    double v = 0;
    if (data[0] % 2 == 0 && size >= 9)
        std::memcpy(&v, data + 1, sizeof v);
    else
        v = circuit::leadingNumber(std::string_view(reinterpret_cast<const char *>(data + 1), size - 1));
    checkTexts(v, 15);
    checkTexts(float(v), 7);
    return 0;
}
