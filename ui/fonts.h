// The fonts the windows ask for by name.
#pragma once

#include <QFont>

namespace ui {

// Times New Roman (Cyrillic) at a point size such as 11.25.
QFont timesNewRoman(double points, bool bold = false);

// The font of the controls that have none of their own (the graphs and their
// tick labels, the measurement buttons, the rheostat's value, the Authors
// text): 8 pt Liberation Sans, Arial's metric twin (on Windows, Arial
// itself), whatever the desktop's font. The window is laid out in pixels for a small sans-serif font whose
// digits are about 6 pixels wide; a larger desktop font would run the tick
// labels together and clip the captions.
QFont systemDefaultFont();

// In a web page, which has no fonts of its own, makes the fonts the windows
// ask for known (Liberation Sans and Serif come with the program), and gives
// the menus and message boxes the font a Linux desktop without settings
// gives them, 9 pt DejaVu Sans. The desktop's fonts are the system's.
void setUpPageFonts();

} // namespace ui
