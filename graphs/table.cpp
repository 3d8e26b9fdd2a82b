#include "graphs/table.h"

#include "graphs/tablepicture.h"
#include "ui/colours.h"
#include "ui/fittext.h"
#include "ui/fonts.h"
#include "ui/naming.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

namespace graphs {

namespace {

struct ColumnLook {
    const char *name;
    int left, width;
    const char *header;
    const char *tooltip;
    QColor background;
};

// The efficiency column shows the Greek eta in its header. The headers
// hold 45 to 47 pixels; the names tell a screen reader the columns.
const ColumnLook Columns[5] = {
    //: Header of the current column: I in amperes.
    {"lblI", 30, 45, QT_TRANSLATE_NOOP("graphs::Table", "I, A"), QT_TRANSLATE_NOOP("graphs::Table", "Сила тока, А"),
     ui::colours::Yellowish},
    //: Header of the voltage column: U in volts (a Latin B, as the Russian В).
    {"lblU", 76, 45, QT_TRANSLATE_NOOP("graphs::Table", "U, B"), QT_TRANSLATE_NOOP("graphs::Table", "Напряжение, В"),
     ui::colours::Yellowish},
    //: Header of the total power column: the source's power in watts.
    {"lblP0", 122, 47, QT_TRANSLATE_NOOP("graphs::Table", "Po, Вт"),
     QT_TRANSLATE_NOOP("graphs::Table", "Полная мощность, Вт"), ui::colours::Bluish},
    //: Header of the useful power column: the rheostat's power in watts.
    {"lblPv", 170, 47, QT_TRANSLATE_NOOP("graphs::Table", "Pв, Вт"),
     QT_TRANSLATE_NOOP("graphs::Table", "Полезная мощность, Вт"), ui::colours::Bluish},
    //: Header of the efficiency column, shown as a fraction from 0 to 1.
    {"lblKPD", 218, 45, QT_TRANSLATE_NOOP("graphs::Table", "η, %"), QT_TRANSLATE_NOOP("graphs::Table", "КПД, %"),
     ui::colours::Bluish},
};

constexpr int HeaderTop = 200;
constexpr int RowTop = 221;
constexpr int RowPitch = 21;
constexpr int CellHeight = 20;

int rowTop(int n) { return RowTop + RowPitch * (n - 1); }

QString tooltipOf(const ColumnLook &c)
{
    return Table::tr(c.tooltip);
}

// A data cell has no tooltip; its name tells column and row.
QString cellName(const ColumnLook &c, int n)
{
    //: A cell's name for a screen reader: %1 the column's name, %2 the row's number.
    return Table::tr("%1, строка %2").arg(tooltipOf(c)).arg(n);
}

const QFont &cellFont()
{
    static const QFont font = ui::timesNewRoman(11.25);
    return font;
}

QLabel *makeCell(QWidget *surface, const ColumnLook &c, int n)
{
    auto *cell = new QLabel(surface);
    cell->setGeometry(c.left, n == 0 ? HeaderTop : rowTop(n), c.width, CellHeight);
    cell->setFrameStyle(QFrame::Box | QFrame::Plain);
    cell->setLineWidth(1);
    cell->setAutoFillBackground(true);
    QPalette palette = cell->palette();
    palette.setColor(QPalette::Window, c.background);
    cell->setPalette(palette);
    if (n == 0) {
        cell->setText(Table::tr(c.header));
        cell->setFont(ui::timesNewRoman(11.25, true));
        cell->setAlignment(Qt::AlignCenter);
        ui::nameControl(cell, QStringLiteral("%1(0)").arg(QLatin1String(c.name)), tooltipOf(c));
    } else {
        cell->setFont(cellFont());
        cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // The room a framed label keeps at its aligned side, fixed at what
        // the cell's own font gives, so that a smaller font keeps the edge.
        cell->setIndent(QFontMetrics(cellFont()).horizontalAdvance(QLatin1Char('x')) / 2);
        cell->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(c.name)).arg(n));
        cell->setAccessibleName(cellName(c, n));
    }
    return cell;
}

} // namespace

Table::Table(QWidget *surface) : QObject(surface)
{
    setObjectName(QStringLiteral("table"));
    std::array<QLabel *, 11> *columns[5] = {&lblI, &lblU, &lblP0, &lblPv, &lblKPD};
    QList<QLabel *> cells;
    for (int c = 0; c < 5; ++c)
        for (int n = 0; n <= 10; ++n)
            cells << ((*columns[c])[static_cast<std::size_t>(n)] = makeCell(surface, Columns[c], n));
    m_picture = new TablePicture(surface, cells);

    for (int n = 1; n <= 10; ++n) {
        auto *button = new QPushButton(QString::number(n), surface);
        button->setGeometry(n <= 2 ? 9 : 8, rowTop(n), 20, 20);
        ui::nameControl(button, QStringLiteral("N_S(%1)").arg(n), {}, QString::number(n));
        button->setAccessibleDescription(tr("Записать измерение в строку %1").arg(n));
        connect(button, &QPushButton::clicked, this, [this, n] { emit recordPressed(n); });
        button->installEventFilter(this); // Enter presses it, as Space does
        N_S[static_cast<std::size_t>(n)] = button;
    }
}

const std::array<QLabel *, 11> &Table::column(int c) const
{
    const std::array<QLabel *, 11> *columns[5] = {&lblI, &lblU, &lblP0, &lblPv, &lblKPD};
    return *columns[c];
}

void Table::setCell(Column c, std::size_t n, const QString &text)
{
    QLabel *cell = column(c)[n];
    if (cell->text() == text)
        return; // shown, sized and named already
    ui::fitFont(cell, cellFont(), text, cell->contentsRect().width() - cell->indent() - 1);
    cell->setText(text);
    m_picture->cellChanged(cell);
    ui::showInName(cell, cellName(Columns[c], static_cast<int>(n)), text.trimmed());
}

QStringList Table::rowTexts(std::size_t n) const
{
    QStringList texts;
    for (int c = 0; c < 5; ++c)
        texts << column(c)[n]->text().trimmed();
    return texts;
}

QString Table::spokenRow(std::size_t n) const
{
    const QStringList texts = rowTexts(n);
    QStringList told;
    for (int c = 0; c < 5; ++c)
        told << tooltipOf(Columns[c]) + QStringLiteral(": ") + texts[c];
    //: A recorded row as a screen reader is told it, before its five readings.
    return tr("Строка %1: ").arg(n) + told.join(QStringLiteral("; "));
}

bool Table::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        auto *button = qobject_cast<QPushButton *>(watched);
        if (button && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            if (!key->isAutoRepeat())
                button->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool Table::isRecorded(std::size_t n) const
{
    return !lblI[n]->text().trimmed().isEmpty();
}

int Table::recordedRows() const
{
    int count = 0;
    for (std::size_t n = 1; n <= 10; ++n)
        count += isRecorded(n);
    return count;
}

QString Table::tableText() const
{
    QStringList lines;
    for (std::size_t n = 0; n <= 10; ++n)
        if (n == 0 || isRecorded(n))
            lines << rowTexts(n).join(QLatin1Char('\t'));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace graphs
