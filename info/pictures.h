// The program's pictures, drawn here rather than taken from files: a
// pictogram of the circuit (a source, an ammeter, a voltmeter, a rheostat
// and a key) for the Authors window and the window icon.
#pragma once

#include <QIcon>
#include <QImage>

namespace info {

// The Authors window's 150 x 180 picture: the circuit and Ohm's law below it.
QImage authorsPicture();

// The circuit alone on a transparent square of `side` pixels.
QImage iconImage(int side);

// The windows' icon, 32 x 32 (with larger sizes for desktops that want them).
QIcon windowIcon();

} // namespace info
