// Where the Authors window stands: centred on the main window.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace info {

// Top-left corner of a window of outer size `outer` centred on the outer
// rectangle `main`, in pixels. The sums are made in twips (15 to the pixel)
// in single precision, and half a pixel rounds away from zero. The result
// may lie off the screen.
QPoint centredOn(const QRect &main, const QSize &outer);

} // namespace info
