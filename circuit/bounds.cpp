#include "circuit/bounds.h"

#include <cfloat>
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

// The highest EMF a student may set, in volts.
constexpr double HighestEdc = 220;

// Every value of a row is recorded as a single. The largest single stands in
// for anything beyond it, so what the circuit gives must stay below it: at
// most the single next to it.
constexpr double LargestRecorded = FLT_MAX - 0x1p104;

// The smallest resistance a source or a voltmeter may have. The most power
// the circuit can take from its source is E^2 / r (the rheostat at 0, an
// ideal ammeter), so at the highest EMF this r keeps every reading, power and
// efficiency a single can hold. A voltmeter below it, beside a source this
// small, makes the meters' formulas lose their digits below the doubles'
// range, so that a power can come out beyond a single just the same.
constexpr double SmallestResistance = HighestEdc * HighestEdc / LargestRecorded;

} // namespace

Verdict checkParameter(Parameter p, double v)
{
    const Verdict ok{true, nullptr, 0.0};
    switch (p) {
    case Parameter::Edc: // volts, 1 to 220
        if (v < 1)
            return reject(TooLittle, 16);
        if (v > HighestEdc)
            return reject(Dangerous, 16);
        return ok;
    case Parameter::r: // ohms, any value a circuit's numbers can hold
        if (v < SmallestResistance)
            return reject(TooLittle, 20);
        if (std::isinf(v))
            return reject(TooMuch, 20);
        return ok;
    case Parameter::Rv: // ohms, as for r
        if (v < SmallestResistance)
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
