#include "circuit/fit.h"

#include "circuit/numberformat.h"

#include <cmath>

namespace circuit {

LineFit fitLine(const std::array<float, 11> &I_m, const std::array<float, 11> &U_m)
{
    LineFit f;
    for (std::size_t i = 1; i <= 10; ++i) {
        const float I = I_m[i], U = U_m[i];
        f.S_x = f.S_x + I;
        f.S_y = f.S_y + U;
        f.S_xy = f.S_xy + U * I;
        f.S_x2 = f.S_x2 + I * I;
    }
    const float numerator = f.S_xy - f.S_y * (f.S_x / 10);
    const float denominator = f.S_x2 - f.S_x * (f.S_x / 10);
    // Equal currents leave no slope; rounding need not bring the denominator
    // to exactly 0 then, so they are looked at themselves.
    bool allEqual = true;
    for (std::size_t i = 2; i <= 10; ++i)
        allEqual = allEqual && I_m[i] == I_m[1];
    if (allEqual || denominator == 0.0f)
        return f;
    f.KK = numerator / denominator;
    f.KB = f.S_y / 10 - (f.S_x * f.KK) / 10;
    f.defined = std::isfinite(f.KK) && std::isfinite(f.KB);
    return f;
}

std::string coefficientText(float value, std::string_view sep)
{
    return formatSingle(value, "##00.0000", sep);
}

} // namespace circuit
