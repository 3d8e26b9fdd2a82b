#include "graphs/tablepicture.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace graphs {

namespace {

// Where a label draws its text: inside its frame, short of its indent on the
// aligned side (half an "x" of its font when it has a frame but no indent).
QRect textArea(const QLabel &label, Qt::Alignment align)
{
    QRect area = label.contentsRect().adjusted(label.margin(), label.margin(), -label.margin(), -label.margin());
    int indent = label.indent();
    if (indent < 0 && label.frameWidth())
        indent = label.fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - label.margin();
    if (indent > 0) {
        if (align & Qt::AlignLeft)
            area.setLeft(area.left() + indent);
        if (align & Qt::AlignRight)
            area.setRight(area.right() - indent);
        if (align & Qt::AlignTop)
            area.setTop(area.top() + indent);
        if (align & Qt::AlignBottom)
            area.setBottom(area.bottom() - indent);
    }
    return area;
}

// What a label with a frame and a filled background paints, in its own coordinates.
void paintLabel(QPainter &p, const QLabel &label)
{
    const QPalette &palette = label.palette();
    p.fillRect(label.rect(), palette.brush(label.backgroundRole()));
    p.setFont(label.font());
    p.setPen(palette.color(label.foregroundRole()));
    QStyleOptionFrame frame;
    frame.initFrom(&label);
    frame.rect = label.frameRect();
    frame.frameShape = label.frameShape();
    frame.lineWidth = label.lineWidth();
    frame.midLineWidth = label.midLineWidth();
    if (label.frameShadow() == QFrame::Sunken)
        frame.state |= QStyle::State_Sunken;
    else if (label.frameShadow() == QFrame::Raised)
        frame.state |= QStyle::State_Raised;
    label.style()->drawControl(QStyle::CE_ShapedFrame, &frame, &p, &label);
    const Qt::LayoutDirection direction = label.text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    const Qt::Alignment align = QStyle::visualAlignment(direction, label.alignment());
    const int flags = int(align) | (direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft);
    label.style()->drawItemText(&p, textArea(label, align), flags, palette, label.isEnabled(), label.text(),
                                label.foregroundRole());
}

} // namespace

TablePicture::TablePicture(QWidget *surface, const QList<QLabel *> &cells) : QWidget(surface), m_cells(cells)
{
    setObjectName(QStringLiteral("tablePicture"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QRect area;
    for (QLabel *cell : cells) {
        area |= cell->geometry();
        // The label keeps its place, texts and events; this widget paints it.
        cell->setAutoFillBackground(false);
        cell->setUpdatesEnabled(false);
    }
    setGeometry(area);
    lower();
}

void TablePicture::cellChanged(const QLabel *cell)
{
    update(cell->geometry().translated(-pos()));
}

void TablePicture::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    for (const QLabel *cell : m_cells) {
        const QRect area = cell->geometry().translated(-pos());
        if (!event->region().intersects(area))
            continue;
        p.save();
        p.translate(area.topLeft());
        p.setClipRect(cell->rect());
        paintLabel(p, *cell);
        p.restore();
    }
}

} // namespace graphs
