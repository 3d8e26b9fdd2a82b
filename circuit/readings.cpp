#include "readings.h"

#include "robust.h"

#include <cfloat>
#include <cmath>

namespace circuit {

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

namespace {

template <class T>
struct ReadingsIn {
    T I, U;
    bool finite() const { return std::isfinite(I) && std::isfinite(U); }
    Readings toDouble() const
    {
        return {detail::finiteOrHeld(static_cast<double>(I)),
                detail::finiteOrHeld(static_cast<double>(U))};
    }
};

} // namespace

Readings meterReadings(double Edc, double r, double Ra, double Rv, float RR, int rabota,
                       int schema)
{
    const bool closed = rabota == 1;
    const bool scheme1 = schema == 1;
    return detail::evaluateFinite([&](auto one) {
        using T = decltype(one);
        const T E = Edc, R = static_cast<double>(RR);
        const T ra = Ra, rv = Rv, ri = r;
        ReadingsIn<T> out{};
        if (closed && scheme1) {
            out.I = E * rv / (rv * (R + ra) + ri * (R + rv + ra));
            out.U = (R + ra) * out.I;
        } else if (closed) {
            out.I = E / (ri + ra + R * rv / (R + rv));
            out.U = R * rv * out.I / (R + rv);
        } else if (scheme1) {
            out.I = 0;
            out.U = E * rv / (rv + ri);
        } else {
            out.I = E / (ra + rv + ri);
            out.U = rv * out.I;
        }
        return out;
    });
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
