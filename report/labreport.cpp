#include "report/labreport.h"

#include "graphs/canvas.h"
#include "graphs/table.h"
#include "ui/fonts.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace report {

namespace {

// The report's own texts' translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(LabReport)
};

// Writes and measures texts on the page, in the painter's device pixels.
class Page
{
public:
    Page(QPainter &painter, const QRectF &area)
        : p(painter), area(area), mm(painter.device()->logicalDpiY() / 25.4)
    {
    }

    // Writes `text` into `box` (wrapped at its width) and returns the
    // height it took.
    qreal write(const QRectF &box, const QString &text, const QFont &font, int flags = Qt::AlignLeft)
    {
        p.setFont(font);
        QRectF used;
        p.drawText(box, flags | Qt::AlignTop | Qt::TextWordWrap, text, &used);
        return used.height();
    }
    // A text across the page at `y`.
    qreal line(qreal y, const QString &text, const QFont &font, int flags = Qt::AlignLeft)
    {
        return write(QRectF(area.left(), y, area.width(), area.bottom() - y), text, font, flags);
    }
    qreal lineHeight(const QFont &font) const { return QFontMetricsF(font, p.device()).height(); }
    void frame(const QRectF &r)
    {
        p.setPen(QPen(Qt::black, 0.25 * mm));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
    }

    QPainter &p;
    const QRectF area;
    const qreal mm;
};

const QFont &titleFont()
{
    static const QFont font = ui::timesNewRoman(15, true);
    return font;
}
const QFont &headingFont()
{
    static const QFont font = ui::timesNewRoman(12.5, true);
    return font;
}
const QFont &bodyFont()
{
    static const QFont font = ui::timesNewRoman(11.5);
    return font;
}
const QFont &boldBodyFont()
{
    static const QFont font = ui::timesNewRoman(11.5, true);
    return font;
}

// The circuit: the surface's own drawing (the line shapes), then every
// control lying wholly in the part shown, the meters replayed as drawings.
void paintSchematic(QPainter &p, const QRectF &target, QWidget &surface, const QRect &part)
{
    p.save();
    p.translate(target.topLeft());
    p.scale(target.width() / part.width(), target.height() / part.height());
    p.translate(-QPointF(part.topLeft()));
    surface.render(&p, part.topLeft(), QRegion(part), {});
    for (QObject *object : surface.children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (!child || !child->isVisibleTo(&surface) || !part.contains(child->geometry()))
            continue;
        if (auto *canvas = qobject_cast<graphs::Canvas *>(child))
            canvas->replay(p, child->geometry());
        else
            child->render(&p, child->pos(), QRegion(), QWidget::DrawChildren);
    }
    p.restore();
}

// Parameters and scheme on the left, the circuit on the right; returns the
// height taken.
qreal paintSetUp(Page &page, qreal y, const LabReport &r)
{
    const qreal mm = page.mm;
    const qreal leftWidth = page.area.width() * 0.6;
    const qreal left = page.area.left();
    qreal ly = y + page.write(QRectF(left, y, leftWidth, page.area.height()), r.parametersHeading,
                              headingFont()) + 1.5 * mm;
    if (r.variant > 0) {
        const QString task = r.taskTitle.isEmpty()
                                 ? Texts::tr("Вариант %1").arg(r.variant)
                                 : Texts::tr("Задание: %1, вариант %2").arg(r.taskTitle).arg(r.variant);
        ly += page.write(QRectF(left, ly, leftWidth, page.area.height()), task, boldBodyFont()) + 1.5 * mm;
    }
    const qreal valueColumn = leftWidth - 34 * mm; // room for "Rmax(Ом)= 100000" 
    for (const LabReport::Parameter &parameter : r.parameters) {
        const qreal meaning = page.write(QRectF(left, ly, valueColumn - 2 * mm, page.area.height()),
                                         parameter.meaning, bodyFont());
        // A box may hold a long text after its number; it is cut to one line.
        const qreal width = leftWidth - valueColumn;
        const QString value = QFontMetricsF(bodyFont(), page.p.device())
                                  .elidedText(parameter.caption + QLatin1Char(' ') + parameter.value, Qt::ElideRight, width);
        const qreal valueHeight = page.write(QRectF(left + valueColumn, ly, width, page.area.height()), value, bodyFont());
        ly += std::max(meaning, valueHeight) + 0.8 * mm;
    }
    ly += 2 * mm;
    ly += page.write(QRectF(left, ly, leftWidth, page.area.height()), r.scheme, boldBodyFont());

    qreal ry = y;
    if (r.surface && r.schematic.isValid()) {
        const qreal width = page.area.width() - leftWidth - 4 * mm;
        const QRectF target(page.area.right() - width, y, width,
                            width * r.schematic.height() / r.schematic.width());
        paintSchematic(page.p, target, *r.surface, r.schematic);
        page.frame(target);
        ry = target.bottom();
    }
    return std::max(ly, ry) - y;
}

// The table with its headers and ten rows, centred; returns its height.
qreal paintTable(Page &page, qreal y, const LabReport &r)
{
    const qreal mm = page.mm;
    const qreal numberWidth = 12 * mm, cellWidth = 28 * mm;
    const qreal rowHeight = page.lineHeight(bodyFont()) * 1.45;
    const qreal left = page.area.left() + (page.area.width() - numberWidth - 5 * cellWidth) / 2;
    for (int n = 0; n <= 10; ++n) {
        const qreal top = y + n * rowHeight;
        const QFont &font = n == 0 ? boldBodyFont() : bodyFont();
        const QRectF number(left, top, numberWidth, rowHeight);
        page.frame(number);
        page.p.setFont(font);
        //: Header of the table's column of row numbers.
        page.p.drawText(number, Qt::AlignCenter, n == 0 ? Texts::tr("№") : QString::number(n));
        for (int c = 0; c < 5; ++c) {
            const QRectF cell(left + numberWidth + c * cellWidth, top, cellWidth, rowHeight);
            page.frame(cell);
            page.p.drawText(cell.adjusted(2 * mm, 0, -2 * mm, 0),
                            n == 0 ? Qt::AlignCenter : (Qt::AlignRight | Qt::AlignVCenter),
                            r.table[static_cast<std::size_t>(n)][static_cast<std::size_t>(c)]);
        }
    }
    return 11 * rowHeight;
}

// The three graphs side by side, each as large as the room left allows
// with the canvas's proportions; returns the height taken.
qreal paintGraphs(Page &page, qreal y, qreal room, const LabReport &r)
{
    const qreal mm = page.mm;
    const qreal gap = 5 * mm;
    const qreal cellWidth = (page.area.width() - 2 * gap) / 3;
    const qreal caption = page.lineHeight(bodyFont()) + 1 * mm;
    qreal tallest = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const graphs::Canvas *graph = r.graphs[i];
        if (!graph || graph->width() <= 0 || graph->height() <= 0)
            continue;
        qreal width = cellWidth;
        qreal height = width * graph->height() / graph->width();
        if (height > room - caption) {
            height = std::max<qreal>(room - caption, 10 * mm);
            width = height * graph->width() / graph->height();
        }
        const qreal left = page.area.left() + i * (cellWidth + gap) + (cellWidth - width) / 2;
        page.write(QRectF(left - gap / 2, y, width + gap, caption), r.graphNames[i], bodyFont(), Qt::AlignHCenter);
        const QRectF target(left, y + caption, width, height);
        graph->replay(page.p, target);
        page.frame(target);
        tallest = std::max(tallest, caption + height);
    }
    return tallest;
}

} // namespace

void paintLabReport(QPainter &painter, const QRectF &area, const LabReport &r)
{
    painter.save();
    painter.setPen(Qt::black);
    Page page(painter, area);
    const qreal mm = page.mm;

    qreal y = area.top();
    y += page.line(y, r.title, titleFont(), Qt::AlignHCenter) + 1 * mm;
    y += page.line(y, Texts::tr("Отчёт о лабораторной работе"), bodyFont(), Qt::AlignHCenter) + 5 * mm;
    //: Where the student writes their name.
    page.line(y, Texts::tr("Выполнил(а): ______________________________"), bodyFont());
    //: The date and time the report was made, as QDateTime::toString() takes it.
    const QString madeAt = r.madeAt.toString(Texts::tr("dd.MM.yyyy, HH:mm"));
    y += page.line(y, madeAt, bodyFont(), Qt::AlignRight) + 6 * mm;

    y += paintSetUp(page, y, r) + 7 * mm;

    y += page.line(y, Texts::tr("Таблица измерений"), headingFont()) + 2 * mm;
    y += paintTable(page, y, r) + 7 * mm;

    const QString fit = r.k.isEmpty() || r.b.isEmpty()
                            ? Texts::tr("Прямая U = kI + b не построена")
                            //: %1 and %2 as the window showed them.
                            : Texts::tr("Прямая U = kI + b: k = %1, b = %2").arg(r.k, r.b);
    const qreal fitHeight = page.lineHeight(boldBodyFont()) + 5 * mm;
    y += page.line(y, Texts::tr("Графики"), headingFont()) + 2 * mm;
    y += paintGraphs(page, y, area.bottom() - y - fitHeight, r) + 5 * mm;
    page.line(y, fit, boldBodyFont());
    painter.restore();
}

} // namespace report
