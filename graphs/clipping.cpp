#include "graphs/clipping.h"

#include <algorithm>

namespace graphs {

bool clipSegment(QPointF &a, QPointF &b, const QRectF &r)
{
    double t0 = 0.0, t1 = 1.0;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            if (t > t1)
                return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0)
                return false;
            t1 = std::min(t1, t);
        }
    }
    // Each end is moved from where it stands, and only when it lies outside:
    // an end inside stays exactly as given, however far away the other one is.
    const QPointF start = a, end = b;
    if (t0 > 0.0)
        a = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
    if (t1 < 1.0)
        b = QPointF(end.x() - (1.0 - t1) * dx, end.y() - (1.0 - t1) * dy);
    return true;
}

} // namespace graphs
