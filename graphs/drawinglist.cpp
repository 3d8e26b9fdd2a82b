#include "graphs/drawinglist.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace graphs {

namespace {

// Far more than any experiment draws between two erases.
constexpr std::size_t MostKept = 16384;

// A device coordinate in 64ths of a pixel, cut toward zero, and the pixel it falls in.
int sixtyFourths(qreal v) { return static_cast<int>(v * 64.); }
int pixelOf(int sixtyFourths) { return sixtyFourths >> 6; }

// A one-pixel line along an axis, filled as the rectangle of the pixels the
// toolkit's line stroker sets for it (its ends, round-capped, in the pixels
// they fall in). The stroker sets them one by one, which for the grid lines of
// a graph the size of a large screen costs more than the rest of the drawing.
// Only where the two agree to the pixel: a raster device without scaling, no
// antialiasing, an opaque colour painted over. False for any other line.
bool fillAxisLine(QPainter &p, const DrawingList::Item &d)
{
    const QTransform &t = p.deviceTransform();
    if (d.width > 1 || d.colour.alpha() != 255 || t.type() > QTransform::TxTranslate || !p.paintEngine() ||
        p.paintEngine()->type() != QPaintEngine::Raster || p.testRenderHint(QPainter::Antialiasing) ||
        p.compositionMode() != QPainter::CompositionMode_SourceOver || p.opacity() != 1.0 ||
        t.dx() != std::round(t.dx()) || t.dy() != std::round(t.dy()) || d.a == d.b) // (ends that nearly meet: a dot)
        return false;
    // Ends beyond the clip, moved to just outside it: what is drawn stays the same.
    const QRectF room = d.clip.adjusted(-2, -2, 2, 2);
    const auto inRoom = [&](QPointF v) {
        return t.map(QPointF(std::clamp(v.x(), room.left(), room.right()), std::clamp(v.y(), room.top(), room.bottom())));
    };
    const QPointF a = inRoom(d.a), b = inRoom(d.b);
    const int x1 = sixtyFourths(a.x()), y1 = sixtyFourths(a.y()), x2 = sixtyFourths(b.x()), y2 = sixtyFourths(b.y());
    QRect pixels;
    if (x1 == x2 && y1 != y2)
        pixels.setCoords(pixelOf(x1), pixelOf(std::min(y1, y2)), pixelOf(x1), pixelOf(std::max(y1, y2)));
    else if (y1 == y2 && x1 != x2)
        pixels.setCoords(pixelOf(std::min(x1, x2)), pixelOf(y1), pixelOf(std::max(x1, x2)), pixelOf(y1));
    else
        return false;
    p.fillRect(pixels.translated(-static_cast<int>(t.dx()), -static_cast<int>(t.dy())), d.colour);
    return true;
}

} // namespace

void DrawingList::clear()
{
    m_items.clear();
    m_painted = 0;
    m_dropped = false;
}

void DrawingList::cutTo(QSizeF size)
{
    const QRectF now(QPointF(0, 0), size);
    for (Item &item : m_items)
        item.clip &= now;
}

void DrawingList::paintNew(QPainter &painter)
{
    paint(painter, m_painted, 1.0);
    m_painted = m_items.size();
    if (m_items.size() > MostKept) {
        m_items.clear();
        m_painted = 0;
        m_dropped = true;
    }
}

void DrawingList::paintAll(QPainter &painter, qreal fontScale) const
{
    paint(painter, 0, fontScale);
}

void DrawingList::paint(QPainter &p, std::size_t first, qreal fontScale) const
{
    for (std::size_t i = first; i < m_items.size(); ++i) {
        const Item &d = m_items[i];
        if (d.clip.isEmpty())
            continue;
        p.setClipRect(d.clip);
        switch (d.kind) {
        case Item::Segment:
            if (fillAxisLine(p, d))
                break;
            p.setPen(QPen(d.colour, d.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(d.a, d.b);
            break;
        case Item::Dot:
            if (d.width <= 1) {
                // One pixel: the one the point falls in.
                p.fillRect(QRectF(std::floor(d.a.x()), std::floor(d.a.y()), 1, 1), d.colour);
            } else {
                p.setPen(Qt::NoPen);
                p.setBrush(d.colour);
                const double radius = d.width / 2.0;
                p.drawEllipse(d.a, radius, radius);
                p.setBrush(Qt::NoBrush);
            }
            break;
        case Item::Text:
            if (fontScale != 1.0 && d.font.pointSizeF() > 0) {
                QFont font = d.font;
                font.setPointSizeF(font.pointSizeF() * fontScale);
                p.setFont(font);
            } else {
                p.setFont(d.font);
            }
            p.setPen(d.colour);
            p.drawText(d.a, d.text);
            break;
        }
    }
}

} // namespace graphs
