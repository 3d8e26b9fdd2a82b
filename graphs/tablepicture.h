// The measurement table's cells painted by one widget beneath them, each as
// its label would paint itself: background, box and text. When the whole
// window is repainted, as at every step of a resize, one widget painting 55
// cells costs a fraction of 55 labels painting themselves. The labels stay
// for all else: their texts, names, tooltips and menus.
#pragma once

#include <QList>
#include <QWidget>

class QLabel;

namespace graphs {

class TablePicture : public QWidget
{
public:
    // Takes over the painting of `cells`, children of `surface` like it.
    TablePicture(QWidget *surface, const QList<QLabel *> &cells);

    // A cell's text or font changed: it is painted again.
    void cellChanged(const QLabel *cell);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<QLabel *> m_cells;
};

} // namespace graphs
