// libFuzzer targets, one chosen by DCSIM_FUZZ_TARGET when the run starts:
// - "leadingnumber": the leading-number rule of the parameter boxes against a
//   reference written here independently of it. The reference copies the
//   characters that belong to the leading number (blanks left out) into a
//   plain C literal and lets strtod read it under the C locale. Both give the
//   same double, bit for bit (a negative zero reads as 0), for every input.
// - "formats": the number texts the window shows. The input gives a value (the
//   raw bits of a double, or a text read by the leading-number rule), shown
//   as a double and as a single. No text says "inf" or "nan" (a value that is
//   not finite gives ""), and every text reads back close to its value: the
//   patterns within half a unit of their last decimal plus the value's own
//   rounding to 15 (double) or 7 (single) significant digits, the general
//   form of a single within 7 digits, the signed form of a double (read by
//   the leading-number rule, after its blank or "-") within 15; up to 1e308.
// - "tablecheck": the check of a handed-in table, fed any bytes, against the
//   example task's variant 7. Every input ends in status 0, 1 or 2. Status 2
//   (not a table) gives one reason, tied to a line the input has ("строка N:
//   ...") unless the input is too large. Otherwise the report has one line
//   for every row read, in the file's order, each naming its own line;
//   status 0 means rows and every one genuine.
#include "circuit/leadingnumber.h"
#include "circuit/numberformat.h"
#include "task/tablecheck.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace {

[[noreturn]] void fail(const QString &what)
{
    std::fprintf(stderr, "%s\n", what.toUtf8().constData());
    std::abort();
}

// A text read by strtod under the C locale, a decimal comma as a point.
double cNumber(std::string text)
{
    std::replace(text.begin(), text.end(), ',', '.');
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(text.c_str(), nullptr, c);
}

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
    const double v = cNumber(literal);
    return v == 0.0 ? 0.0 : v;
}

void leadingNumber(std::string_view text)
{
    const double got = circuit::leadingNumber(text), want = reference(text);
    if (std::memcmp(&got, &want, sizeof got) != 0)
        fail(QString::asprintf("leadingNumber(\"%.*s\") = %.17g, reference %.17g", int(std::min<std::size_t>(text.size(), 200)),
                               text.data(), got, want));
}

void check(const std::string &text, double value, double back, double room, const char *form)
{
    const bool shape = !text.empty() && text.find_first_of("aAfFiInN") == std::string::npos;
    const bool close = std::fabs(value) > 1e308 || std::fabs(back - value) <= room;
    if (std::isfinite(value) ? !(shape && close) : !text.empty())
        fail(QString::asprintf("%s: \"%s\" for %.17g reads back as %.17g", form, text.c_str(), value, back));
}

void checkTexts(double v, int significant)
{
    const std::pair<const char *, int> patterns[] = {{"#0.000", 3}, {"#0.00", 2}, {"##0.00", 2}, {"##00.0000", 4}};
    const double rounding = std::fabs(v) * std::pow(10.0, 1 - significant);
    for (const char *sep : {".", ","}) {
        for (const auto &[pattern, decimals] : patterns) {
            const std::string text = circuit::formatPattern(v, pattern, sep, significant);
            const double back = cNumber(text);
            const double room = 0.5 * std::pow(10.0, -decimals) + rounding + 4 * DBL_EPSILON * std::fabs(back) + 1e-300;
            check(text, v, back, room, pattern);
        }
        if (significant == 7) {
            const std::string text = circuit::generalSingle(float(v), sep);
            const double back = cNumber(text); // the same single is exact, subnormal ones included
            check(text, v, float(back) == float(v) ? v : back, 6e-7 * std::fabs(v), "general");
        }
    }
    if (significant == 15) {
        const std::string text = circuit::signedText(v);
        const bool signPlace = text.empty() || text[0] == (v < 0 ? '-' : ' ');
        check(signPlace ? text : "", v, circuit::leadingNumber(text), 6e-15 * std::fabs(v), "signed");
    }
}

// The first byte chooses: a double's bits, or a typed text as the boxes read it.
void formats(std::string_view input)
{
    if (input.empty())
        return;
    double v = 0;
    if (input[0] % 2 == 0 && input.size() >= 9)
        std::memcpy(&v, input.data() + 1, sizeof v);
    else
        v = circuit::leadingNumber(input.substr(1));
    checkTexts(v, 15);
    checkTexts(float(v), 7);
}

void tableCheck(std::string_view input)
{
    static const task::Values variant7 = task::parameterValues({"9.9", "1.7", "150", "0.5", "100"});
    const QByteArray bytes(input.data(), static_cast<qsizetype>(input.size()));
    const task::CheckResult result = task::checkTable(bytes, variant7);
    auto check = [&result](bool holds, const char *what) {
        if (!holds)
            fail(QStringLiteral("%1:\n%2").arg(QLatin1String(what), result.text));
    };
    if (result.status == 2) {
        const int line = result.text.section(QLatin1Char(':'), 0, 0).section(QLatin1Char(' '), 1).toInt();
        check(bytes.size() > task::MaxTableBytes || (line >= 1 && line <= bytes.count('\n') + 1),
              "not a table, but no line of the input named");
        return;
    }
    const QList<task::TableRow> rows = task::readTable(bytes).rows;
    qsizetype told = 0;
    for (const QString &line : result.text.split(QLatin1Char('\n'))) {
        if (!line.startsWith(QStringLiteral("строка ")))
            continue;
        const task::TableRow row = rows.value(told++);
        check(line.startsWith(QStringLiteral("строка %1, n = %2: ").arg(row.line).arg(row.n)), "a row told out of place");
    }
    const bool allGenuine = !rows.isEmpty() && !result.text.contains(QStringLiteral("НЕ НАСТОЯЩАЯ"));
    check(told == rows.size() && result.status == (allGenuine ? 0 : 1), "rows told, or the status, unlike the rows read");
}

void (*target)(std::string_view) = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    const char *name = std::getenv("DCSIM_FUZZ_TARGET");
    const std::string chosen = name ? name : "";
    target = chosen == "leadingnumber" ? leadingNumber : chosen == "formats" ? formats
           : chosen == "tablecheck"    ? tableCheck    : nullptr;
    if (!target)
        fail(QStringLiteral("DCSIM_FUZZ_TARGET: leadingnumber, formats or tablecheck"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    target(std::string_view(reinterpret_cast<const char *>(data), size));
    return 0;
}
