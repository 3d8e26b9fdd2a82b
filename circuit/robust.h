// Evaluation of a formula that must give a finite double.
#pragma once

#include <cfloat>
#include <cmath>

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
// products, and the result is brought back into the finite doubles.
// `formula` takes one argument of the type to compute in.
template <class Formula>
auto evaluateFinite(Formula formula)
{
    const auto exact = formula(1.0);
    if (exact.finite())
        return exact.toDouble();
    return formula(1.0L).toDouble();
}

} // namespace circuit::detail
