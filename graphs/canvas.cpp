#include "graphs/canvas.h"

#include "graphs/clipping.h"
#include "ui/focusmark.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace graphs {

namespace {

// Room an image keeps beyond its canvas, in device pixels.
constexpr int Slack = 128;

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
    m_list.clear();
    m_erased = true;
    m_paintedSinceErase = false;
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
    m_list.cutTo(QSizeF(m_size));
    m_keep &= QRectF(QPointF(0, 0), QSizeF(m_size));
}

void Canvas::record(DrawingList::Item item)
{
    item.clip = QRectF(0, 0, width(), height());
    m_list.add(std::move(item));
    // A canvas drawn on for long while hidden does not put it off for ever.
    if (m_list.unpainted() > 4096)
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
        m_shown = QSize();
        m_list.clear();
        m_erased = true;
        return;
    }
    const QSize device(qRound(width() * dpr), qRound(height() * dpr));
    const bool fits = !m_image.isNull() && m_image.devicePixelRatio() == dpr &&
                      m_image.width() >= device.width() && m_image.height() >= device.height();
    // Larger than what survived since the last flush (a shrink in between
    // cut the rest, which the image still holds).
    const bool grown = !m_keep.contains(QRectF(0, 0, width(), height()));
    if (!fits || (grown && !m_erased)) {
        // A new image, with room to grow; what is kept of the drawing stays
        // at the top-left and the rest is background.
        const QSize room = fits ? m_image.size() : device + QSize(Slack, Slack);
        QImage next(room, QImage::Format_RGB32);
        next.setDevicePixelRatio(dpr);
        QPainter p(&next);
        p.fillRect(QRectF(0, 0, width(), height()), m_back);
        if (!m_erased && !m_image.isNull() && !m_keep.isEmpty()) {
            p.setClipRect(m_keep);
            p.drawImage(QPointF(0, 0), m_image);
        }
        p.end();
        m_image = std::move(next);
        m_erased = false;
    }
    if (m_erased) {
        QPainter(&m_image).fillRect(QRectF(0, 0, width(), height()), m_back);
        m_erased = false;
    }
    m_shown = device;
    m_keep = QRectF(0, 0, width(), height());
    if (m_list.unpainted() == 0)
        return;
    QPainter p(&m_image);
    m_list.paintNew(p);
}

QImage Canvas::image() const
{
    flush();
    if (m_image.isNull() || m_image.size() == m_shown)
        return m_image;
    return m_image.copy(QRect(QPoint(0, 0), m_shown));
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
        if (m_list.dropped()) {
            painter.drawImage(QRectF(0, 0, width(), height()), image());
        } else {
            // A point size means more device pixels on a finer device; the
            // scale above already makes the drawing as large as the target.
            const qreal dpi = painter.device() ? painter.device()->logicalDpiY() : logicalDpiY();
            m_list.paintAll(painter, logicalDpiY() / dpi);
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
    record({DrawingList::Item::Segment, from, to, c, m_drawWidth, {}, {}, {}});
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
    record({DrawingList::Item::Dot, at, {}, c, m_drawWidth, {}, {}, {}});
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
            record({DrawingList::Item::Text, QPointF(at.x(), at.y() + metrics.ascent()), {}, m_fore, 0, text, font(), {}});
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

void Canvas::paintEvent(QPaintEvent *event)
{
    noteSize();
    QPainter p(this);
    if (width() <= 0 || height() <= 0)
        return;
    if (!m_paintedSinceErase && !m_list.dropped()) {
        // A drawing made anew (after every resize, for one) is first shown
        // straight from the list, in the exposed part only: putting it into
        // the image first would cost a pass more.
        p.fillRect(event->rect(), m_back);
        m_list.paintAll(p, 1.0);
    } else {
        // Later the image: what is new goes into it, and it is shown.
        flush(); // the window may also have moved to a screen of another ratio
        p.drawImage(QPointF(0, 0), m_image, QRectF(QPointF(0, 0), QSizeF(m_shown)));
    }
    m_paintedSinceErase = true;
    // Only an outline along the edge: the drawing itself stays as it is.
    if (hasFocus())
        ui::drawFocusMark(p, rect(), m_fore);
}

void Canvas::mousePressEvent(QMouseEvent *event)
{
    m_click.press(*event);
    QWidget::mousePressEvent(event);
}

void Canvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_click.release(*event, *this) && m_clickable)
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

} // namespace graphs
