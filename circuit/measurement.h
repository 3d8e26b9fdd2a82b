// The quantities recorded into a row of the measurement table.
#pragma once

#include <array>
#include <string>
#include <string_view>

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

// The row's five texts as the table shows them, in the table's column order
// (I, U, Po, Pv, h): the current and voltage from the readings themselves,
// the powers and the efficiency from their single-precision values; `sep`
// is the decimal separator.
std::array<std::string, 5> rowTexts(double I, double U, const MeasuredRow &row, std::string_view sep);

// The header line of the table saved as CSV: the row number, then the five
// columns in the table's order. Spreadsheets and the check of handed-in
// tables read the columns by these names.
constexpr const char *SavedTableHeader = "n,I_A,U_V,Po_W,Pv_W,eta";

} // namespace circuit
