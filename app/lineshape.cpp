#include "app/lineshape.h"
#include "ui/colours.h"

#include <QPainter>
#include <QWidget>

LineShape::LineShape(const char *name, double x1, double y1, double x2, double y2, int width,
                     QWidget *surface)
    : QObject(surface), m_a(x1, y1), m_b(x2, y2), m_width(width), m_surface(surface)
{
    setObjectName(QString::fromLatin1(name));
}

void LineShape::paint(QPainter &painter) const
{
    painter.setPen(QPen(ui::colours::Black, m_width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(m_a, m_b);
}

QRect LineShape::bounds() const
{
    const int pad = m_width + 2;
    return QRectF(m_a, m_b).normalized().toAlignedRect().adjusted(-pad, -pad, pad, pad);
}

void LineShape::move(QPointF a, QPointF b)
{
    if (a == m_a && b == m_b)
        return;
    const QRect before = bounds();
    m_a = a;
    m_b = b;
    m_surface->update(before.united(bounds()));
}
