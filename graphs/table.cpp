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

// The efficiency column shows the Greek eta in its header.
const ColumnLook Columns[5] = {
    {"lblI", 30, 45, "I, A", "Сила тока, А", ui::colours::Yellowish},
    {"lblU", 76, 45, "U, B", "Напряжение, В", ui::colours::Yellowish},
    {"lblP0", 122, 47, "Po, Вт", "Полная мощность, Вт", ui::colours::Bluish},
    {"lblPv", 170, 47, "Pв, Вт", "Полезная мощность, Вт", ui::colours::Bluish},
    {"lblKPD", 218, 45, "η, %", "КПД, %", ui::colours::Bluish},
};

constexpr int HeaderTop = 200;
constexpr int RowTop = 221;
constexpr int RowPitch = 21;
constexpr int CellHeight = 20;

int rowTop(int n) { return RowTop + RowPitch * (n - 1); }

// A data cell has no tooltip; its name tells column and row.
QString cellName(const ColumnLook &c, int n)
{
    return QStringLiteral("%1, строка %2").arg(QString::fromUtf8(c.tooltip)).arg(n);
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
        cell->setText(QString::fromUtf8(c.header));
        cell->setFont(ui::timesNewRoman(11.25, true));
        cell->setAlignment(Qt::AlignCenter);
        ui::nameControl(cell, QStringLiteral("%1(0)").arg(QLatin1String(c.name)), QString::fromUtf8(c.tooltip));
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
        button->setAccessibleDescription(QStringLiteral("Записать измерение в строку %1").arg(n));
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
        told << QString::fromUtf8(Columns[c].tooltip) + QStringLiteral(": ") + texts[c];
    return QStringLiteral("Строка %1: ").arg(n) + told.join(QStringLiteral("; "));
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
