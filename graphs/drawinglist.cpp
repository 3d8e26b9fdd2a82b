#include "graphs/drawinglist.h"

#include <QPainter>

#include <cmath>

namespace graphs {

namespace {

// Far more than any experiment draws between two erases.
constexpr std::size_t MostKept = 16384;

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
