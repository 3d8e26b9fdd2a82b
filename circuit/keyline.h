// The answer key: the straight line U = kI + b that a scheme's readings lie
// on with the key closed, whatever the rheostat's position.
#pragma once

namespace circuit {

struct KeyLine {
    double k; // ohms
    double b; // volts
};

// Scheme 1 (schema == 1): the voltmeter across the source draws a current of
// its own, U/Rv, besides the ammeter's I, so U = E - r*(I + U/Rv), that is
// U = E*Rv/(Rv + r) - I*r*Rv/(Rv + r). Any other scheme: the ammeter in the
// main line carries the whole current and adds its resistance to the
// source's, U = E - I*(r + Ra). A student who reads E = b and r = -k gets
// the first scheme's E and r too small, the second's r too large.
KeyLine keyLine(double Edc, double r, double Ra, double Rv, int schema);

} // namespace circuit
