// The teacher's variants: a parameter's value drawn from a range of whole
// steps, the same for the same seed and variant on every machine.
#pragma once

#include "circuit/bounds.h"

#include <cstdint>
#include <string>

namespace circuit {

// SplitMix64 (Steele, Lea and Flood): adds 0x9E3779B97F4A7C15 to `state`
// and returns the mix of the new state. Fully specified in 64-bit unsigned
// arithmetic, so every platform gives the same sequence.
std::uint64_t splitMix64(std::uint64_t &state);

// A range "low..high, step" in whole units of 10^-decimals: "4.5..12, 0.1"
// is {45, 120, 1, 1}. step > 0 and low <= high.
struct StepRange {
    std::int64_t low;
    std::int64_t high;
    std::int64_t step;
    int decimals;
};

// The value of parameter `p` in variant `variant` (1, 2, ...), written as a
// decimal with "." and no trailing zeros ("8.2", "12", "0.5"). The draw is
// output number 5 * (variant - 1) + index(p) + 1 of SplitMix64 started from
// `seed`, where index is 0 to 4 for E, r, Rv, Ra, Rmax; taken modulo the
// number of values in the range, it counts whole steps up from the low end.
// So a parameter's value does not depend on which others are drawn.
std::string drawnText(std::uint64_t seed, int variant, Parameter p, const StepRange &range);

// `units` in units of 10^-decimals as a decimal text: (82, 1) gives "8.2".
std::string decimalText(std::int64_t units, int decimals);

} // namespace circuit
