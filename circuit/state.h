// The simulator's state: every variable that outlives one event, as one
// record owned by the main window. Handlers read and write it directly.
#pragma once

#include <array>
#include <cstdint>

namespace circuit {

struct SimState {
    // Circuit parameters, volts and ohms.
    double Edc = 0; // EMF of the source
    double r = 0;   // internal resistance of the source
    double Ra = 0;  // ammeter resistance
    double Rv = 0;  // voltmeter resistance
    double Rmax = 0; // full resistance of the rheostat

    // Rheostat: the scroll bar is the rheostat.
    float RR = 0;        // present rheostat resistance, KR * scroll-bar value
    std::int16_t R_st = 0; // width of one arrow button of the scroll bar, px
    std::int16_t R_dv = 0; // width of the scroll bar's thumb, px
    float dlina = 0;     // travel of the thumb, px
    double KR = 0;       // ohms per scroll-bar step
    std::int16_t X = 0;  // offset of the thumb centre from its leftmost position, px

    // Key (1 closed, 0 open), scheme (1 or 2) and the two meter readings.
    std::int16_t rabota = 0;
    std::int16_t schema = 0;
    double I = 0; // ammeter reading, A
    double U = 0; // voltmeter reading, V

    // Measurement table, rows 1..10 (element 0 unused); an unrecorded row is all 0.
    std::int16_t Nomer = 0;
    std::array<float, 11> I_m{};
    std::array<float, 11> U_m{};
    std::array<float, 11> Po_m{};
    std::array<float, 11> Pv_m{};
    std::array<float, 11> h_m{};

    // The teacher hides the source's EMF or internal resistance: the graphs,
    // whose scales come from them, show neither tick values nor the source's
    // theoretical curves.
    bool sourceHidden = false;

    // Scale of the graph being drawn; Ikz is set by the U(I) graph only.
    double Ikz = 0;
    double I_id = 0;
    double U_id = 0;
    int Xmin = 0;
    double Xmax = 0;
    float Ymin = 0;
    double Ymax = 0;

    // Results of the last line fit U = KK * I + KB.
    float S_x = 0, S_y = 0, S_xy = 0, S_x2 = 0;
    float KK = 0, KB = 0;
};

} // namespace circuit
