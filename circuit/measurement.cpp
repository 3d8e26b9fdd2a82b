#include "circuit/measurement.h"

#include "circuit/numberformat.h"
#include "circuit/readings.h"
#include "circuit/robust.h"

#include <cmath>

namespace circuit {

MeasuredRow measuredRow(double I, double U, float RR, double Edc, double Ra, double Rv,
                        int schema)
{
    const bool scheme1 = schema == 1;
    // In scheme 1 the rheostat carries the ammeter's current and the source
    // also feeds the voltmeter; in scheme 2 the ammeter carries the source
    // current and the rheostat only its share beside the voltmeter.
    const auto [Pv, Po] = detail::evaluateFinite([&](auto one) {
        using T = decltype(one);
        const T i = I, R = static_cast<double>(RR), e = Edc, ra = Ra, rv = Rv;
        if (scheme1)
            return std::pair<T, T>{i * i * R, (1 + (ra + R) / rv) * (i * e)};
        const T rheostatCurrent = rv * i / (rv + R);
        return std::pair<T, T>{rheostatCurrent * rheostatCurrent * R, i * e};
    });

    MeasuredRow row{};
    row.I = toSingle(I);
    row.U = toSingle(U);
    row.Pv = toSingle(Pv);
    row.Po = toSingle(Po);
    // A full power of 0 leaves the efficiency undefined; it is shown as 0.
    const float h = row.Po == 0.0f ? 0.0f : row.Pv / row.Po;
    row.h = std::isfinite(h) ? h : 0.0f;
    return row;
}

std::array<std::string, 5> rowTexts(double I, double U, const MeasuredRow &row, std::string_view sep)
{
    return {formatPattern(I, "#0.000", sep), formatPattern(U, "##0.00", sep), formatSingle(row.Po, "##0.00", sep),
            formatSingle(row.Pv, "##0.00", sep), formatSingle(row.h, "##0.00", sep)};
}

} // namespace circuit
