#include "circuit/bounds.h"

#include <cmath>

// The messages are translated where they are shown, in the context
// "Parameters"; the mark lets the translation tools find them here, in a
// library without Qt.
#define QT_TRANSLATE_NOOP(context, text) text

namespace circuit {

namespace {

//: A typed value below the parameter's bounds (colloquial).
const char *const TooLittle = QT_TRANSLATE_NOOP("Parameters", "Маловато будет!");
//: A typed value above the parameter's bounds (colloquial).
const char *const TooMuch = QT_TRANSLATE_NOOP("Parameters", "Многовато будет!");
//: An EMF above 220 V.
const char *const Dangerous = QT_TRANSLATE_NOOP("Parameters", "Опасно для жизни!");

Verdict reject(const char *message, double resetValue) { return {false, message, resetValue}; }

} // namespace

Verdict checkParameter(Parameter p, double v)
{
    const Verdict ok{true, nullptr, 0.0};
    switch (p) {
    case Parameter::Edc: // volts, 1 to 220
        if (v < 1)
            return reject(TooLittle, 16);
        if (v > 220)
            return reject(Dangerous, 16);
        return ok;
    case Parameter::r: // ohms, any positive value
        if (v <= 0)
            return reject(TooLittle, 20);
        if (std::isinf(v))
            return reject(TooMuch, 20);
        return ok;
    case Parameter::Rv: // ohms, any positive value
        if (v <= 0)
            return reject(TooLittle, 200);
        if (std::isinf(v))
            return reject(TooMuch, 200);
        return ok;
    case Parameter::Ra: // ohms, 0 (an ideal ammeter) up to below 100
        if (v >= 100)
            return reject(TooMuch, 1);
        if (v < 0)
            return reject(TooLittle, 1);
        return ok;
    case Parameter::Rmax: // ohms, 1 to 100000
        if (v > 100000)
            return reject(TooMuch, 100);
        if (v < 1)
            return reject(TooLittle, 100);
        return ok;
    }
    return ok;
}

const char *initialText(Parameter p)
{
    switch (p) {
    case Parameter::Edc:
        return "16";
    case Parameter::r:
        return "20";
    case Parameter::Rv:
        return "75";
    case Parameter::Ra:
        return "5";
    case Parameter::Rmax:
        return "100";
    }
    return "";
}

} // namespace circuit
