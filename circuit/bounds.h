// The bounds of the five circuit parameters and what a rejected entry gets.
#pragma once

namespace circuit {

enum class Parameter { Edc, r, Rv, Ra, Rmax };

struct Verdict {
    bool accepted;
    const char *message; // UTF-8, in Russian (translated in the context "Parameters"); null when accepted
    double resetValue;   // the value the parameter goes back to when rejected
};

// Tests a value typed for a parameter, its bounds in a fixed order; the
// first failing test gives the message. A meter or source cannot have a
// negative resistance, and a value too large to be a number is never kept.
Verdict checkParameter(Parameter p, double value);

// The text a parameter's box starts with: "16", "20", "75", "5", "100".
const char *initialText(Parameter p);

} // namespace circuit
