// The fonts the windows ask for by name.
#pragma once

#include <QFont>

namespace ui {

// Times New Roman (Cyrillic) at a point size such as 11.25.
QFont timesNewRoman(double points, bool bold = false);

} // namespace ui
