// Evaluation of a formula that must give a finite double.
#pragma once

#include <cfloat>
#include <cmath>
#include <utility>

namespace circuit::detail {

// Holds a value inside the finite doubles: NaN becomes 0, +-infinity the
// largest double of that sign.
inline double finiteOrHeld(double v)
{
    if (std::isnan(v))
        return 0.0;
    if (std::isinf(v))
        return v > 0 ? DBL_MAX : -DBL_MAX;
    return v;
}

// Runs `formula` in double precision, as written. Only when that overflows
// somewhere on the way (extreme parameters typed in exponent form) is it run
// again in long double, whose wider exponent range holds the intermediate
// products, and the results are brought back into the finite doubles.
// `formula` takes one argument of the type to compute in and returns a pair
// of values of that type.
template <class Formula>
std::pair<double, double> evaluateFinite(Formula formula)
{
    const std::pair<double, double> exact = formula(1.0);
    if (std::isfinite(exact.first) && std::isfinite(exact.second))
        return exact;
    const std::pair<long double, long double> wide = formula(1.0L);
    return {finiteOrHeld(static_cast<double>(wide.first)),
            finiteOrHeld(static_cast<double>(wide.second))};
}

} // namespace circuit::detail
