// The program's colours, each named once.
#pragma once

#include <QColor>

namespace ui::colours {

inline const QColor WindowGrey(224, 224, 224); // the main window's background
inline const QColor Yellowish(255, 255, 192);  // parameter boxes; current and voltage columns
inline const QColor Bluish(192, 255, 255);     // k and b; the power and efficiency columns
inline const QColor Red(255, 0, 0);            // measured points and the fitted line
inline const QColor Black(0, 0, 0);            // wires, axes, curves; the meters' face
inline const QColor MeterGreen(0, 255, 0);     // the meters' digits
inline const QColor White(255, 255, 255);      // the U(I) graph's background

} // namespace ui::colours
