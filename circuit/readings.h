// The rheostat and what the two meters of the drawn circuit show.
#pragma once

#include <cstdint>

namespace circuit {

// The rheostat's scroll bar, in pixels: each of its two arrow buttons and its
// thumb, whatever the desktop's style draws.
constexpr int ArrowButtonWidth = 17;
constexpr int ThumbWidth = 12;
// Its positions run from 0 to this many steps.
constexpr int RheostatSteps = 100;

// Ohms per step of a scroll bar of `steps` steps over the full resistance: Rmax / steps.
double ohmsPerStep(double Rmax, int steps);

// Rheostat resistance for a scroll-bar value: KR * value, kept in single precision.
float rheostatResistance(double KR, int value);

// Offset of the thumb centre from its leftmost position: dlina * value / max,
// rounded to the nearest whole pixel, halves to the even neighbour.
std::int16_t thumbOffset(float dlina, int value, int max);

// x of the slider arrow: the scroll bar's left edge, one arrow button, half
// the thumb and the thumb's offset.
float arrowPosition(int scrollLeft, int R_st, int R_dv, std::int16_t X);

struct Readings {
    double I; // ammeter, A
    double U; // voltmeter, V
};

// What the meters show. Scheme 1 (schema == 1): the voltmeter across the
// source, the ammeter in series with the rheostat; any other scheme: the
// ammeter in the main line, the voltmeter across the rheostat. The key
// (rabota == 1 closed, anything else open) opens the rheostat branch only.
// Both readings are always finite: an intermediate product too large for a
// double is recomputed with a wider range, and a reading that is itself out
// of range is held at the largest double.
Readings meterReadings(double Edc, double r, double Ra, double Rv, float RR, int rabota,
                       int schema);

// A double converted to single precision without leaving the finite range:
// beyond the largest single it is held there, and NaN becomes 0.
float toSingle(double value);

} // namespace circuit
