#include "circuit/variants.h"

namespace circuit {

namespace {

constexpr std::uint64_t Golden = 0x9E3779B97F4A7C15u;

} // namespace

std::uint64_t splitMix64(std::uint64_t &state)
{
    std::uint64_t z = (state += Golden);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

std::string drawnText(std::uint64_t seed, int variant, Parameter p, const StepRange &range)
{
    const auto index = static_cast<std::uint64_t>(variant - 1) * 5 + static_cast<std::uint64_t>(p);
    std::uint64_t state = seed + Golden * index; // the stream just before that output
    const auto count = static_cast<std::uint64_t>((range.high - range.low) / range.step) + 1;
    const auto steps = static_cast<std::int64_t>(splitMix64(state) % count);
    return decimalText(range.low + steps * range.step, range.decimals);
}

std::string decimalText(std::int64_t units, int decimals)
{
    std::string digits = std::to_string(units < 0 ? -units : units);
    if (static_cast<int>(digits.size()) <= decimals)
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    if (decimals > 0) {
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
        digits.erase(digits.find_last_not_of('0') + 1);
        if (digits.back() == '.')
            digits.pop_back();
    }
    return units < 0 ? "-" + digits : digits;
}

} // namespace circuit
