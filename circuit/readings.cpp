#include "circuit/readings.h"

#include "circuit/robust.h"

#include <cfloat>
#include <cmath>

namespace circuit {

double ohmsPerStep(double Rmax, int steps)
{
    return Rmax / steps;
}

float rheostatResistance(double KR, int value)
{
    return static_cast<float>(KR * value);
}

std::int16_t thumbOffset(float dlina, int value, int max)
{
    if (max == 0)
        return 0;
    const double q = static_cast<double>(value) / static_cast<double>(max);
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    return static_cast<std::int16_t>(std::nearbyint(static_cast<double>(dlina) * q));
}

float arrowPosition(int scrollLeft, int R_st, int R_dv, std::int16_t X)
{
    return static_cast<float>(scrollLeft + R_st + R_dv / 2.0 + X);
}

Readings meterReadings(double Edc, double r, double Ra, double Rv, float RR, int rabota,
                       int schema)
{
    const bool closed = rabota == 1;
    const bool scheme1 = schema == 1;
    const auto [I, U] = detail::evaluateFinite([&](auto one) {
        using T = decltype(one);
        const T E = Edc, R = static_cast<double>(RR);
        const T ra = Ra, rv = Rv, ri = r;
        T i, u;
        if (closed && scheme1) {
            i = E * rv / (rv * (R + ra) + ri * (R + rv + ra));
            u = (R + ra) * i;
        } else if (closed) {
            i = E / (ri + ra + R * rv / (R + rv));
            u = R * rv * i / (R + rv);
        } else if (scheme1) {
            i = 0;
            u = E * rv / (rv + ri);
        } else {
            i = E / (ra + rv + ri);
            u = rv * i;
        }
        return std::pair<T, T>{i, u};
    });
    return {I, U};
}

float toSingle(double value)
{
    if (std::isnan(value))
        return 0.0f;
    const float f = static_cast<float>(value);
    if (std::isinf(f))
        return value > 0 ? FLT_MAX : -FLT_MAX;
    return f;
}

} // namespace circuit
