// The quantities recorded into a row of the measurement table.
#pragma once

namespace circuit {

// One row of the measurement table, in single precision.
struct MeasuredRow {
    float I;  // current, A
    float U;  // voltage, V
    float Pv; // useful power, spent in the rheostat, W
    float Po; // full power of the source, W
    float h;  // efficiency Pv / Po as a fraction; 0 when the full power is 0
};

// Derives the row recorded from the present readings, for the scheme in force.
MeasuredRow measuredRow(double I, double U, float RR, double Edc, double Ra, double Rv,
                        int schema);

} // namespace circuit
