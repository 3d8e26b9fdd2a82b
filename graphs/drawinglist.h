// What is drawn on a canvas since it was last erased, as a list: lines, dots
// and texts in the canvas's pixels, each with the part of the canvas it may
// cover. The canvas paints the list into its image only when the image is
// shown or read, and the whole list again onto any painter (the lab report).
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace graphs {

class DrawingList
{
public:
    struct Item {
        enum Kind { Segment, Dot, Text } kind;
        QPointF a, b; // segment ends; a dot's centre or a text's baseline start
        QColor colour;
        int width;
        QString text;
        QFont font;
        QRectF clip; // the canvas when drawn, cut by every smaller size since
    };

    void clear();
    void add(Item item) { m_items.push_back(std::move(item)); }
    // The canvas became `size`: nothing drawn so far reaches beyond it.
    void cutTo(QSizeF size);

    // Items not painted into the canvas's image yet.
    std::size_t unpainted() const { return m_items.size() - m_painted; }
    // Paints those items and counts them as painted.
    void paintNew(QPainter &painter);
    // Paints every item kept; texts at `fontScale` times their size.
    void paintAll(QPainter &painter, qreal fontScale) const;
    // True when the list grew past any real use and was let go: the canvas's
    // image stands for what it held.
    bool dropped() const { return m_dropped; }

private:
    void paint(QPainter &painter, std::size_t first, qreal fontScale) const;

    std::vector<Item> m_items;
    std::size_t m_painted = 0;
    bool m_dropped = false;
};

} // namespace graphs
