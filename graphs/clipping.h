// Cutting a line to a rectangle, so that far-away coordinates never reach
// the painter.
#pragma once

#include <QPointF>
#include <QRectF>

namespace graphs {

// Cuts the segment a-b to the rectangle `r` (Liang-Barsky): a and b become
// the ends of the part inside. False, and a and b unchanged, when nothing of
// it lies inside.
bool clipSegment(QPointF &a, QPointF &b, const QRectF &r);

} // namespace graphs
