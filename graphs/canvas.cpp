#include "graphs/canvas.h"

#include "ui/focusmark.h"

#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace graphs {

namespace {

// Cuts the segment a-b to the rectangle (Liang-Barsky); false when nothing
// of it lies inside. Keeps far-away coordinates away from the painter.
bool clipSegment(QPointF &a, QPointF &b, const QRectF &r)
{
    double t0 = 0.0, t1 = 1.0;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(),
                         r.bottom() - a.y()};
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
    const QPointF start = a;
    a = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
    b = QPointF(start.x() + t1 * dx, start.y() + t1 * dy);
    return true;
}

bool finite(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

} // namespace

Canvas::Canvas(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_size = size();
}

void Canvas::setBackColor(const QColor &c)
{
    // A new background colour erases the drawing, as on a real display.
    m_back = c;
    erase();
}

void Canvas::cls()
{
    erase();
    m_current = m_pixelScale ? QPointF(0, 0) : QPointF(m_x1, m_y1);
}

void Canvas::erase()
{
    m_texts.clear();
    m_drawn.clear();
    m_flushed = 0;
    m_listDropped = false;
    m_erased = true;
    m_size = size();
    update();
}

void Canvas::scale(double x1, double y1, double x2, double y2)
{
    m_pixelScale = false;
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    m_scaleValid = std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) &&
                   std::isfinite(y2) && x1 != x2 && y1 != y2 &&
                   std::isfinite(1.0 / (x2 - x1)) && std::isfinite(1.0 / (y2 - y1));
}

void Canvas::scalePixels()
{
    m_pixelScale = true;
    m_scaleValid = true;
}

void Canvas::setDrawWidth(int pixels)
{
    m_drawWidth = std::max(1, pixels);
}

QPointF Canvas::toPixels(double x, double y) const
{
    if (m_pixelScale)
        return {x, y};
    return {(x - m_x1) * (width() / (m_x2 - m_x1)), (y - m_y1) * (height() / (m_y2 - m_y1))};
}

void Canvas::noteSize() const
{
    if (size() == m_size)
        return;
    m_size = size();
    const QRectF now(QPointF(0, 0), QSizeF(m_size));
    for (Drawn &d : m_drawn)
        d.clip &= now;
    m_keep &= now;
}

void Canvas::record(Drawn d)
{
    d.clip = QRectF(0, 0, width(), height());
    m_drawn.push_back(std::move(d));
    // A canvas drawn on for long while hidden does not put it off for ever.
    if (m_drawn.size() - m_flushed > 4096)
        flush();
    update();
}

void Canvas::flush() const
{
    noteSize();
    const qreal dpr = devicePixelRatioF();
    if (width() <= 0 || height() <= 0) {
        // Nothing of the drawing survives a canvas without area.
        m_image = QImage();
        m_drawn.clear();
        m_flushed = 0;
        m_erased = true;
        return;
    }
    const QSize device(qRound(width() * dpr), qRound(height() * dpr));
    if (m_image.isNull() || m_image.size() != device || m_image.devicePixelRatio() != dpr) {
        QImage next(device, QImage::Format_RGB32);
        next.setDevicePixelRatio(dpr);
        next.fill(m_back);
        if (!m_erased && !m_image.isNull() && !m_keep.isEmpty()) {
            // Growing keeps the drawing at the top-left; the new area is background.
            QPainter p(&next);
            p.setClipRect(m_keep);
            p.drawImage(QPointF(0, 0), m_image);
        }
        m_image = std::move(next);
        m_erased = false;
    }
    if (m_erased) {
        m_image.fill(m_back);
        m_erased = false;
    }
    m_keep = QRectF(0, 0, width(), height());
    if (m_flushed == m_drawn.size())
        return;
    QPainter p(&m_image);
    paintDrawn(p, m_flushed, 1.0);
    m_flushed = m_drawn.size();
    // Far more than any experiment draws between two erases: the list is
    // let go rather than kept without end, and the image stands for it.
    if (m_drawn.size() > 16384) {
        m_drawn.clear();
        m_flushed = 0;
        m_listDropped = true;
    }
}

void Canvas::paintDrawn(QPainter &p, std::size_t first, qreal fontScale) const
{
    for (std::size_t i = first; i < m_drawn.size(); ++i) {
        const Drawn &d = m_drawn[i];
        if (d.clip.isEmpty())
            continue;
        p.setClipRect(d.clip);
        switch (d.kind) {
        case Drawn::Segment:
            p.setPen(QPen(d.colour, d.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(d.a, d.b);
            break;
        case Drawn::Dot:
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
        case Drawn::Text:
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

void Canvas::replay(QPainter &painter, const QRectF &target) const
{
    noteSize();
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    painter.fillRect(target, m_back);
    if (width() > 0 && height() > 0) {
        painter.translate(target.topLeft());
        painter.scale(target.width() / width(), target.height() / height());
        if (m_listDropped) {
            painter.drawImage(QRectF(0, 0, width(), height()), image());
        } else {
            // A point size means more device pixels on a finer device; the
            // scale above already makes the drawing as large as the target.
            const qreal dpi = painter.device() ? painter.device()->logicalDpiY() : logicalDpiY();
            paintDrawn(painter, 0, logicalDpiY() / dpi);
        }
    }
    painter.restore();
}

void Canvas::drawSegment(QPointF from, QPointF to, const QColor &c)
{
    noteSize();
    if (width() <= 0 || height() <= 0 || !m_scaleValid || !finite(from) || !finite(to))
        return;
    const double margin = m_drawWidth + 1.0;
    if (!clipSegment(from, to, QRectF(0, 0, width(), height()).adjusted(-margin, -margin, margin, margin)))
        return;
    record({Drawn::Segment, from, to, c, m_drawWidth, {}, {}, {}});
}

void Canvas::line(float x1, float y1, float x2, float y2, const QColor &c)
{
    drawSegment(toPixels(x1, y1), toPixels(x2, y2), c);
    m_current = QPointF(x2, y2);
}

void Canvas::lineTo(float x, float y, const QColor &c)
{
    drawSegment(toPixels(m_current.x(), m_current.y()), toPixels(x, y), c);
    m_current = QPointF(x, y);
}

void Canvas::pset(float x, float y, const QColor &c)
{
    m_current = QPointF(x, y);
    noteSize();
    if (width() <= 0 || height() <= 0 || !m_scaleValid)
        return;
    const QPointF at = toPixels(x, y);
    if (!finite(at) || !QRectF(0, 0, width(), height()).adjusted(-m_drawWidth, -m_drawWidth, m_drawWidth, m_drawWidth).contains(at))
        return;
    record({Drawn::Dot, at, {}, c, m_drawWidth, {}, {}, {}});
}

void Canvas::moveTo(float x, float y)
{
    m_current = QPointF(x, y);
}

void Canvas::print(const QString &text)
{
    const QFontMetricsF metrics(font());
    noteSize();
    if (width() > 0 && height() > 0 && m_scaleValid) {
        const QPointF at = toPixels(m_current.x(), m_current.y());
        if (finite(at) && QRectF(0, 0, width(), height()).adjusted(-1e4, -1e4, 1e4, 1e4).contains(at)) {
            record({Drawn::Text, QPointF(at.x(), at.y() + metrics.ascent()), {}, m_fore, 0, text, font(), {}});
            m_texts.append(text);
        }
    }
    // Next line: back to the left edge, one line height down.
    if (m_pixelScale) {
        m_current = QPointF(0, m_current.y() + metrics.height());
    } else if (m_scaleValid) {
        m_current = QPointF(m_x1, m_current.y() + metrics.height() * (m_y2 - m_y1) / std::max(1, height()));
    }
}

void Canvas::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    noteSize();
}

void Canvas::paintEvent(QPaintEvent *)
{
    flush(); // the window may also have moved to a screen of another ratio
    QPainter p(this);
    if (m_image.isNull())
        return;
    p.drawImage(QPointF(0, 0), m_image);
    // Only an outline along the edge: the drawing itself stays as it is.
    if (hasFocus())
        ui::drawFocusMark(p, rect(), m_fore);
}

void Canvas::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    QWidget::mousePressEvent(event);
}

void Canvas::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click && m_clickable)
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

void Canvas::keyPressEvent(QKeyEvent *event)
{
    if (m_clickable && !event->isAutoRepeat() &&
        (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

namespace {

class CanvasAccessible : public QAccessibleWidget
{
public:
    explicit CanvasAccessible(Canvas *canvas) : QAccessibleWidget(canvas, canvas->accessibleRole()) {}

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (canvas()->isClickable())
            names.prepend(pressAction());
        if (canvas()->contextMenuPolicy() == Qt::CustomContextMenu)
            names.append(showMenuAction());
        return names;
    }
    void doAction(const QString &name) override
    {
        // The click runs once the caller has its answer: the line fit waits
        // ten seconds, and a screen reader must not be kept waiting with it.
        if (name == pressAction() && canvas()->isClickable()) {
            QMetaObject::invokeMethod(canvas(), &Canvas::clicked, Qt::QueuedConnection);
        } else if (name == showMenuAction() && canvas()->contextMenuPolicy() == Qt::CustomContextMenu) {
            // As the Menu key would: the menu opens at the canvas's middle.
            const QPoint middle = canvas()->rect().center();
            QCoreApplication::postEvent(canvas(), new QContextMenuEvent(QContextMenuEvent::Keyboard, middle,
                                                                        canvas()->mapToGlobal(middle)));
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

private:
    Canvas *canvas() const { return static_cast<Canvas *>(widget()); }
};

QAccessibleInterface *canvasFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("graphs::Canvas") && object && object->isWidgetType())
        return new CanvasAccessible(static_cast<Canvas *>(object));
    return nullptr;
}

} // namespace

void installCanvasAccessibility()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(canvasFactory);
        installed = true;
    }
}

} // namespace graphs
