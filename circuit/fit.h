// The least-squares line U = k*I + b through the ten rows of the table.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace circuit {

struct LineFit {
    float S_x = 0, S_y = 0, S_xy = 0, S_x2 = 0; // sums over the ten rows
    float KK = 0;                               // slope k, ohms
    float KB = 0;                               // intercept b, volts
    // False when all ten currents are equal (no slope can be fitted) or the
    // sums leave the single-precision range; k and b then mean nothing.
    bool defined = false;
};

// Fits all ten rows (1..10, element 0 unused), recorded or not, always
// counting ten, in single precision and in this order:
// k = (S_xy - S_y*(S_x/10)) / (S_x2 - S_x*(S_x/10)), b = S_y/10 - (S_x*k)/10.
LineFit fitLine(const std::array<float, 11> &I_m, const std::array<float, 11> &U_m);

// k or b as the window shows them, through "##00.0000" (-05.5000, 16.0000);
// `sep` is the decimal separator.
std::string coefficientText(float value, std::string_view sep);

} // namespace circuit
