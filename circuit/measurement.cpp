#include "measurement.h"

#include "readings.h"
#include "robust.h"

#include <cmath>

namespace circuit {

namespace {

template <class T>
struct Powers {
    T Pv, Po;
    bool finite() const { return std::isfinite(Pv) && std::isfinite(Po); }
    Powers<double> toDouble() const
    {
        return {detail::finiteOrHeld(static_cast<double>(Pv)),
                detail::finiteOrHeld(static_cast<double>(Po))};
    }
};

} // namespace

MeasuredRow measuredRow(double I, double U, float RR, double Edc, double Ra, double Rv,
                        int schema)
{
    const bool scheme1 = schema == 1;
    // In scheme 1 the rheostat carries the ammeter's current and the source
    // also feeds the voltmeter; in scheme 2 the ammeter carries the source
    // current and the rheostat only its share beside the voltmeter.
    const Powers<double> p = detail::evaluateFinite([&](auto one) {
        using T = decltype(one);
        const T i = I, R = static_cast<double>(RR), e = Edc, ra = Ra, rv = Rv;
        Powers<T> out{};
        if (scheme1) {
            out.Pv = i * i * R;
            out.Po = (1 + (ra + R) / rv) * (i * e);
        } else {
            const T rheostatCurrent = rv * i / (rv + R);
            out.Pv = rheostatCurrent * rheostatCurrent * R;
            out.Po = i * e;
        }
        return out;
    });

    MeasuredRow row{};
    row.I = toSingle(I);
    row.U = toSingle(U);
    row.Pv = toSingle(p.Pv);
    row.Po = toSingle(p.Po);
    // A full power of 0 leaves the efficiency undefined; it is shown as 0.
    const float h = row.Po == 0.0f ? 0.0f : row.Pv / row.Po;
    row.h = std::isfinite(h) ? h : 0.0f;
    return row;
}

} // namespace circuit
