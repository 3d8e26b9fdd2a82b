// The axes, grid, tick labels, captions and theoretical curves of the three
// graphs. Each procedure erases its canvas and draws it afresh for the
// present EMF and internal resistance; `axes_1` sets the short-circuit
// current `Ikz` that the other two take their current range from, so it
// always runs first. While the teacher hides the source, the scales stay but
// neither tick values nor curves are drawn.
#pragma once

namespace circuit {
struct SimState;
}

namespace graphs {

class Canvas;

// U(I): terminal voltage against current, the source line U = Edc - r*I.
void axes_1(Canvas &Picture3, circuit::SimState &s);
// Pв(I) and Po(I): the useful-power parabola, then the full-power line.
void axes_2(Canvas &Picture4, circuit::SimState &s);
// h(I): the efficiency 1 - r*I/Edc as a fraction from 0 to 1.
void axes_3(Canvas &Picture5, circuit::SimState &s);

// Whether a graph whose axes end at (Xmax, Ymax) can be drawn at all: every
// coordinate goes to the canvas in single precision, so both ends must be
// ordinary single-precision values. Otherwise the canvas stays blank.
bool scaleDrawable(double Xmax, double Ymax);

} // namespace graphs
