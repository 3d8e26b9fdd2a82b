#include "circuit/leadingnumber.h"

#include "circuit/floatchars.h"

#include <limits>
#include <string>

namespace circuit {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The first position from `at` on that holds no blank.
std::size_t skipBlanks(std::string_view text, std::size_t at)
{
    while (at < text.size() && isBlank(text[at]))
        ++at;
    return at;
}

// Reads a sign at `at`, if there is one, and moves past it; true for a minus.
bool readSign(std::string_view text, std::size_t &at)
{
    if (at >= text.size() || (text[at] != '+' && text[at] != '-'))
        return false;
    return text[at++] == '-';
}

} // namespace

double leadingNumber(std::string_view text)
{
    const std::size_t n = text.size();
    std::size_t i = skipBlanks(text, 0);
    const bool negative = readSign(text, i);

    std::string intDigits, fracDigits;
    bool seenPoint = false;
    for (;; ++i) {
        i = skipBlanks(text, i);
        if (i >= n)
            break;
        if (isDigit(text[i]))
            (seenPoint ? fracDigits : intDigits) += text[i];
        else if (text[i] == '.' && !seenPoint)
            seenPoint = true;
        else
            break;
    }
    if (intDigits.empty() && fracDigits.empty())
        return 0.0;

    // The exponent counts only when at least one digit follows "e" and its sign.
    long long exponent = 0;
    i = skipBlanks(text, i);
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = skipBlanks(text, i + 1);
        const bool expNegative = readSign(text, j);
        bool anyDigit = false;
        for (;; ++j) {
            j = skipBlanks(text, j);
            if (j >= n || !isDigit(text[j]))
                break;
            anyDigit = true;
            // Held far beyond any count of digits the text can have, so that
            // the digits cannot make up for the part of the exponent dropped.
            if (exponent < 1000000000000000LL)
                exponent = exponent * 10 + (text[j] - '0');
        }
        if (anyDigit && expNegative)
            exponent = -exponent;
        if (!anyDigit)
            exponent = 0;
    }

    // Magnitude of the number in powers of ten, to tell overflow from underflow.
    std::size_t firstNonZero = intDigits.find_first_not_of('0');
    long long magnitude;
    if (firstNonZero != std::string::npos) {
        magnitude = static_cast<long long>(intDigits.size() - firstNonZero);
    } else {
        std::size_t f = fracDigits.find_first_not_of('0');
        if (f == std::string::npos)
            return 0.0;
        magnitude = -static_cast<long long>(f);
    }
    magnitude += exponent;
    if (magnitude > 400)
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    if (magnitude < -400)
        return 0.0;

    // The digits as one whole number, the point moved into the exponent.
    const double value =
        decimalValue(intDigits + fracDigits, exponent - static_cast<long long>(fracDigits.size()));
    if (value == 0.0)
        return 0.0;
    return negative ? -value : value;
}

} // namespace circuit
