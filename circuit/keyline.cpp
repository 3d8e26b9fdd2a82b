#include "circuit/keyline.h"

#include "circuit/robust.h"

namespace circuit {

KeyLine keyLine(double Edc, double r, double Ra, double Rv, int schema)
{
    // Resistances typed in exponent form can overflow the products; the
    // line is then worked out again with a wider range, as the readings are.
    const auto [k, b] = detail::evaluateFinite([&](auto one) {
        using T = decltype(one);
        const T e = Edc, ri = r, ra = Ra, rv = Rv;
        if (schema == 1)
            return std::pair<T, T>{-ri * rv / (rv + ri), e * rv / (rv + ri)};
        return std::pair<T, T>{-(ri + ra), e};
    });
    return {k, b};
}

} // namespace circuit
