// The program's pictures, drawn here rather than taken from files: a
// pictogram of the circuit (a source, an ammeter, a voltmeter, a rheostat
// and a key) for the Authors window and the window icon.
#pragma once

#include <QIcon>
#include <QImage>

class QPainter;

namespace info {

// The Authors window's 150 x 180 picture: the circuit and Ohm's law below it.
QImage authorsPicture();

// The icon: the circuit on a light rounded plate filling a square of `side`
// pixels from (0, 0); the corners stay as they were.
void paintIcon(QPainter &p, int side);

// The icon on a transparent square of `side` pixels.
QImage iconImage(int side);

// The windows' icon, 32 x 32 and 64 x 64 (any other size a desktop asks
// for is drawn at that size), each drawn when first asked for.
QIcon windowIcon();

} // namespace info
