// A drawing canvas that keeps what is drawn on it: the meters and the graphs.
//
// Lines, dots and texts are kept as a list, each cut to the canvas as it was
// when it was drawn (and to every smaller size since), so the drawing
// survives hiding, covering and minimising, shows when the canvas is made
// visible, and no handler redraws it on a repaint. A user scale maps the
// program's own units (amperes, volts, ...) to pixels.
//
// A drawing made anew is first shown straight from the list, in the exposed
// part only; later repaints show an image of it at the screen's device-pixel
// ratio, into which only what was drawn since goes. The image also serves
// when the drawing is read (a picture to save) and stands for the list when
// the list grows past any real use; it keeps room to grow, so that a canvas
// growing by a few pixels at a time does not get a new one each time. The
// list stays until the next erase, so that the drawing can be drawn again
// elsewhere at any resolution (the lab report).
#pragma once

#include "graphs/drawinglist.h"
#include "ui/clicktracker.h"

#include <QAccessible>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QStringList>
#include <QWidget>

class QPainter;

namespace graphs {

class Canvas : public QWidget
{
    Q_OBJECT
public:
    explicit Canvas(QWidget *parent = nullptr);

    QColor backColor() const { return m_back; }
    QColor foreColor() const { return m_fore; }
    // Sets the background colour and erases the drawing to it.
    void setBackColor(const QColor &c);
    void setForeColor(const QColor &c) { m_fore = c; }

    // Erases to the background colour; the current position goes to the
    // scale's top-left corner.
    void cls();

    // From now on the top-left corner has user coordinates (x1, y1) and the
    // bottom-right corner (x2, y2); with y1 > y2 the vertical axis grows
    // upwards. A scale without extent or with a value that is not finite
    // leaves the canvas unable to draw until the next valid scale.
    void scale(double x1, double y1, double x2, double y2);
    // Back to pixels, origin top-left.
    void scalePixels();
    bool scaleValid() const { return m_scaleValid; }

    // Lines and points drawn afterwards are this many pixels wide.
    void setDrawWidth(int pixels);
    int drawWidth() const { return m_drawWidth; }

    void line(float x1, float y1, float x2, float y2, const QColor &c);
    void lineTo(float x, float y, const QColor &c);
    // A dot as wide as the line width, in `c` or in the fore colour.
    void pset(float x, float y, const QColor &c);
    void pset(float x, float y) { pset(x, y, m_fore); }
    void moveTo(float x, float y);
    // Draws the text in the canvas's font and fore colour with its top-left
    // corner at the current position, then moves to the start of the next line.
    void print(const QString &text);

    QPointF currentPosition() const { return m_current; }
    // The texts printed since the canvas was last erased, in order.
    const QStringList &texts() const { return m_texts; }
    // The drawing as it stands, at the device-pixel ratio of the screen.
    QImage image() const;

    // Draws everything drawn since the last erase onto `painter`, the
    // canvas's rectangle mapped onto `target` and cut to it: lines, dots and
    // texts stay lines, dots and texts at the painter's resolution, texts
    // as large against the drawing as on the screen.
    void replay(QPainter &painter, const QRectF &target) const;

    // Whether a click (or Space/Enter with the focus) is reported by clicked().
    void setClickable(bool on) { m_clickable = on; }
    bool isClickable() const { return m_clickable; }
    void setAccessibleRole(QAccessible::Role role) { m_role = role; }
    QAccessible::Role accessibleRole() const { return m_role; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPointF toPixels(double x, double y) const;
    // Notes a change of the canvas's size since the last drawing: what is
    // drawn so far is cut to the new size (a resize of a hidden canvas is
    // only announced when it is shown, so every drawing call looks).
    void noteSize() const;
    // Erases the drawing to the background colour.
    void erase();
    void record(DrawingList::Item item);
    // Puts everything drawn into the image, at the canvas's present size
    // and the screen's ratio.
    void flush() const;
    void drawSegment(QPointF from, QPointF to, const QColor &c);

    // The drawing up to the last flush, in its top-left part: the image is
    // kept larger than the canvas, so that a canvas growing by a few pixels
    // at a time (a window's border dragged) does not get a new one each time.
    mutable QImage m_image;
    mutable QSize m_shown;        // the part of m_image that is the drawing, in device pixels
    mutable bool m_erased = true; // the image is to be erased before the list goes in
    mutable QRectF m_keep;        // the part of the image that survives resizing
    mutable QSize m_size;         // the canvas's size as last noted
    mutable DrawingList m_list;   // everything since the last erase
    bool m_paintedSinceErase = false;
    QStringList m_texts;
    QColor m_back = Qt::white;
    QColor m_fore = Qt::black;
    double m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
    bool m_pixelScale = true;
    bool m_scaleValid = true;
    int m_drawWidth = 1;
    QPointF m_current; // in user coordinates
    bool m_clickable = false;
    ui::ClickTracker m_click;
    QAccessible::Role m_role = QAccessible::Graphic;
};

} // namespace graphs
