#include "graphs/axes.h"

#include "circuit/state.h"
#include "graphs/canvas.h"
#include "ui/colours.h"
#include "ui/numbertexts.h"

#include <QCoreApplication>

#include <cfloat>
#include <cmath>
#include <functional>

namespace graphs {

namespace {

const QColor GridGreen(128, 255, 128);
constexpr int Divisions = 10;
constexpr int CurveSegments = 20;
constexpr int ThickWidth = 3; // axes and curves
constexpr int ThinWidth = 1;  // grid lines and label anchors
constexpr int LoopLimit = 1000; // far above the 21 steps of a curve

float f(double v) { return static_cast<float>(v); }

// The captions are translated with the graph choice's texts.
QString caption(const char *text)
{
    return QCoreApplication::translate("graphs::Plots", text);
}

// The grid lines at divisions 1 to 9 with their tick labels (none while the
// source is hidden). The vertical step is single precision in h(I), double
// elsewhere.
void drawGrid(Canvas &pic, circuit::SimState &s, bool singleDy)
{
    const double dx = (s.Xmax - s.Xmin) / Divisions;
    const double dyDouble = (s.Ymax - s.Ymin) / Divisions;
    const float dySingle = (f(s.Ymax) - s.Ymin) / Divisions;
    pic.setDrawWidth(ThinWidth);
    for (int j = 1; j <= Divisions - 1; ++j) {
        const double y = singleDy ? static_cast<double>(j * dySingle) : j * dyDouble;
        pic.line(f(s.Xmin), f(y), f(s.Xmax), f(y), GridGreen);
        pic.line(f(j * dx), f(s.Ymax), f(j * dx), s.Ymin, GridGreen);
        if (s.sourceHidden)
            continue;
        pic.pset(f(j * dx), f(0.06 * s.Ymax));
        pic.print(ui::formatNumber(j * dx, "#0.00"));
        pic.pset(0, f(y));
        pic.print(singleDy ? ui::formatSingle(j * dySingle, "#0.00") : ui::formatNumber(y, "#0.00"));
    }
}

// Steps 1 to 11 of every graph: erase, scale, axes, grid, labels, captions.
// False when the scale cannot be drawn; the canvas is then left blank.
bool drawFrame(Canvas &pic, circuit::SimState &s, const char *vertical, bool singleDy)
{
    pic.cls();
    if (!scaleDrawable(s.Xmax, s.Ymax)) {
        pic.scale(0, 0, 0, 0); // no scale: points plotted later are not drawn either
        return false;
    }
    pic.scale(s.Xmin, f(s.Ymax), f(s.Xmax), s.Ymin);
    pic.setDrawWidth(ThickWidth);
    pic.line(0, f(s.Ymax), 0, s.Ymin, ui::colours::Black);
    pic.line(0, 0, f(s.Xmax), 0, ui::colours::Black);
    drawGrid(pic, s, singleDy);
    pic.moveTo(f(0.03 * (s.Xmax - s.Xmin)), f(s.Ymax));
    pic.print(caption(vertical));
    pic.moveTo(f(s.Xmax - 0.05 * (s.Xmax - s.Xmin)), f(0.1 * s.Ymax));
    //: The current axis's caption: I in amperes.
    pic.print(caption(QT_TRANSLATE_NOOP("graphs::Plots", "I, A")));
    return true;
}

// One theoretical curve: from Ikz/20 in steps of Ikz/20 while the counter
// stays within Ikz + Ikz/20, all three evaluated once; the counter advances by
// repeated addition, so rounding decides whether a 21st step is taken.
void drawCurve(Canvas &pic, circuit::SimState &s, const std::function<double(double)> &ordinate)
{
    const double start = s.Ikz / CurveSegments;
    const double step = s.Ikz / CurveSegments;
    const double limit = s.Ikz + s.Ikz / CurveSegments;
    int guard = 0;
    for (s.I_id = start; s.I_id <= limit && guard < LoopLimit; s.I_id += step, ++guard)
        pic.lineTo(f(s.I_id), f(ordinate(s.I_id)), ui::colours::Black);
}

} // namespace

bool scaleDrawable(double Xmax, double Ymax)
{
    auto ordinary = [](double v) {
        const float single = static_cast<float>(v);
        return std::isfinite(single) && std::fabs(single) >= FLT_MIN;
    };
    return ordinary(Xmax) && ordinary(Ymax) && ordinary(Xmax / CurveSegments);
}

void axes_1(Canvas &Picture3, circuit::SimState &s)
{
    s.Xmin = 0;
    s.Ymin = 0;
    s.Ikz = s.Edc / s.r;
    s.Xmax = s.Ikz;
    s.Ymax = s.Edc;
    //: The voltage axis's caption: U in volts (a Latin B, as the Russian В).
    if (!drawFrame(Picture3, s, QT_TRANSLATE_NOOP("graphs::Plots", "U, B"), false) || s.sourceHidden)
        return;
    Picture3.pset(0, f(s.Edc), ui::colours::Black);
    Picture3.setDrawWidth(ThickWidth);
    drawCurve(Picture3, s, [&](double i) { return s.U_id = s.Edc - s.r * i; });
}

void axes_2(Canvas &Picture4, circuit::SimState &s)
{
    s.Xmin = 0;
    s.Ymin = 0;
    s.Xmax = s.Ikz;
    s.Ymax = s.Ikz * s.Edc;
    //: The power axis's caption: the useful power Pв and the total power Po, in watts.
    if (!drawFrame(Picture4, s, QT_TRANSLATE_NOOP("graphs::Plots", "Pв,Po, Bт"), false) || s.sourceHidden)
        return;
    Picture4.pset(0, 0, ui::colours::Black);
    Picture4.setDrawWidth(ThickWidth);
    drawCurve(Picture4, s, [&](double i) { return (s.Edc - s.r * i) * i; });
    Picture4.pset(0, 0, ui::colours::Black);
    drawCurve(Picture4, s, [&](double i) { return s.Edc * i; });
}

void axes_3(Canvas &Picture5, circuit::SimState &s)
{
    s.Xmin = 0;
    s.Ymin = 0;
    s.Xmax = s.Ikz;
    s.Ymax = 1;
    //: The efficiency axis's caption; the efficiency runs from 0 to 1.
    if (!drawFrame(Picture5, s, QT_TRANSLATE_NOOP("graphs::Plots", "h, %"), true) || s.sourceHidden)
        return;
    Picture5.pset(0, 1, ui::colours::Black);
    Picture5.setDrawWidth(ThickWidth);
    drawCurve(Picture5, s, [&](double i) { return 1 - s.r * i / s.Edc; });
}

} // namespace graphs
