// A line shape of the drawn schematic: two end points and a width, painted
// on the window's own surface beneath every control.
#pragma once

#include <QObject>
#include <QPointF>
#include <QRect>

class QPainter;
class QWidget;

class LineShape : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double X1 READ X1 WRITE setX1)
    Q_PROPERTY(double Y1 READ Y1 WRITE setY1)
    Q_PROPERTY(double X2 READ X2 WRITE setX2)
    Q_PROPERTY(double Y2 READ Y2 WRITE setY2)
public:
    LineShape(const char *name, double x1, double y1, double x2, double y2, int width,
              QWidget *surface);

    double X1() const { return m_a.x(); }
    double Y1() const { return m_a.y(); }
    double X2() const { return m_b.x(); }
    double Y2() const { return m_b.y(); }
    int borderWidth() const { return m_width; }
    void setX1(double v) { move(QPointF(v, m_a.y()), m_b); }
    void setY1(double v) { move(QPointF(m_a.x(), v), m_b); }
    void setX2(double v) { move(m_a, QPointF(v, m_b.y())); }
    void setY2(double v) { move(m_a, QPointF(m_b.x(), v)); }

    void paint(QPainter &painter) const;

private:
    void move(QPointF a, QPointF b);
    QRect bounds() const;

    QPointF m_a, m_b;
    int m_width;
    QWidget *m_surface;
};
