#include "graphs/graphs.h"

#include "circuit/measurement.h"
#include "circuit/state.h"
#include "graphs/axes.h"
#include "graphs/canvas.h"
#include "ui/announcer.h"
#include "ui/fittext.h"
#include "ui/fonts.h"
#include "ui/naming.h"
#include "ui/numbertexts.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

namespace graphs {

namespace {

const QColor Red(255, 0, 0);
constexpr int PointWidth = 5;

struct Column {
    const char *name;
    int left, width;
    const char *header;
    const char *tooltip;
    QColor background;
};

const QColor Yellowish(255, 255, 192);
const QColor Bluish(192, 255, 255);

// The columns in the order they stand; the efficiency column shows the
// Greek eta in its header.
enum { ColumnI, ColumnU, ColumnP0, ColumnPv, ColumnKPD };
const Column Columns[5] = {
    {"lblI", 30, 45, "I, A", "Сила тока, А", Yellowish},
    {"lblU", 76, 45, "U, B", "Напряжение, В", Yellowish},
    {"lblP0", 122, 47, "Po, Вт", "Полная мощность, Вт", Bluish},
    {"lblPv", 170, 47, "Pв, Вт", "Полезная мощность, Вт", Bluish},
    {"lblKPD", 218, 45, "η, %", "КПД, %", Bluish},
};

constexpr int HeaderTop = 200;
constexpr int RowTop = 221;
constexpr int RowPitch = 21;
constexpr int CellHeight = 20;

int rowTop(int n) { return RowTop + RowPitch * (n - 1); }

// A data cell has no tooltip; its name tells column and row.
QString cellName(const Column &c, int n)
{
    return QStringLiteral("%1, строка %2").arg(QString::fromUtf8(c.tooltip)).arg(n);
}

const QFont &cellFont()
{
    static const QFont font = ui::timesNewRoman(11.25);
    return font;
}

QLabel *makeCell(QWidget *surface, const Column &c, int n)
{
    auto *cell = new QLabel(surface);
    cell->setGeometry(c.left, n == 0 ? HeaderTop : rowTop(n), c.width, CellHeight);
    cell->setFrameStyle(QFrame::Box | QFrame::Plain);
    cell->setLineWidth(1);
    cell->setAutoFillBackground(true);
    QPalette palette = cell->palette();
    palette.setColor(QPalette::Window, c.background);
    cell->setPalette(palette);
    const QString column = QString::fromUtf8(c.tooltip);
    if (n == 0) {
        cell->setText(QString::fromUtf8(c.header));
        cell->setFont(ui::timesNewRoman(11.25, true));
        cell->setAlignment(Qt::AlignCenter);
        ui::nameControl(cell, QStringLiteral("%1(0)").arg(QLatin1String(c.name)), column);
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

Graphs::Graphs(QWidget *surface, circuit::SimState &state, ui::Announcer *announcer)
    : QObject(surface), s(state), m_announcer(announcer)
{
    setObjectName(QStringLiteral("graphs"));
    buildTable(surface);
    buildGraphs(surface);
}

std::array<QLabel *, 11> &Graphs::column(int c)
{
    std::array<QLabel *, 11> *columns[5] = {&lblI, &lblU, &lblP0, &lblPv, &lblKPD};
    return *columns[c];
}

void Graphs::setCell(int c, std::size_t n, const QString &text)
{
    QLabel *cell = column(c)[n];
    // A number wider than the cell is drawn smaller, never cut.
    ui::fitFont(cell, cellFont(), text, cell->contentsRect().width() - cell->indent() - 1);
    cell->setText(text);
    ui::showInName(cell, cellName(Columns[c], static_cast<int>(n)), text.trimmed());
}

void Graphs::buildTable(QWidget *surface)
{
    for (int c = 0; c < 5; ++c)
        for (int n = 0; n <= 10; ++n)
            column(c)[static_cast<std::size_t>(n)] = makeCell(surface, Columns[c], n);

    for (int n = 1; n <= 10; ++n) {
        auto *button = new QPushButton(QString::number(n), surface);
        button->setGeometry(n <= 2 ? 9 : 8, rowTop(n), 20, 20);
        ui::nameControl(button, QStringLiteral("N_S(%1)").arg(n), {}, QString::number(n));
        button->setAccessibleDescription(QStringLiteral("Записать измерение в строку %1").arg(n));
        connect(button, &QPushButton::clicked, this, [this, n] { N_S_Click(n); });
        button->installEventFilter(this); // Enter presses it, as Space does
        N_S[static_cast<std::size_t>(n)] = button;
    }
}

bool Graphs::eventFilter(QObject *watched, QEvent *event)
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

void Graphs::buildGraphs(QWidget *surface)
{
    struct Graph {
        Canvas **canvas;
        const char *name;
        QRect geometry;
        const char *accessibleName;
    };
    const Graph graphsToMake[3] = {
        {&Picture3, "Picture3", {288, 200, 57, 233}, "График U(I)"},
        {&Picture4, "Picture4", {368, 200, 49, 233}, "График Pв(I), Po(I)"},
        {&Picture5, "Picture5", {456, 200, 65, 233}, "График h(I)"},
    };
    const QPalette system = surface->palette();
    for (const Graph &graph : graphsToMake) {
        auto *canvas = new Canvas(surface);
        canvas->setObjectName(QLatin1String(graph.name));
        canvas->setGeometry(graph.geometry);
        canvas->setFocusPolicy(Qt::StrongFocus);
        canvas->setForeColor(system.color(QPalette::WindowText));
        canvas->setBackColor(system.color(QPalette::Base));
        canvas->setAccessibleName(QString::fromUtf8(graph.accessibleName));
        *graph.canvas = canvas;
    }
    Picture3->setBackColor(QColor(255, 255, 255));
    Picture3->setClickable(true);

    Frame2 = new QGroupBox(QStringLiteral("график"), surface);
    Frame2->setGeometry(440, 80, 94, 73);
    Frame2->setFont(ui::timesNewRoman(9.75));
    ui::nameControl(Frame2, QStringLiteral("Frame2"), {}, Frame2->title());

    struct Choice {
        QRadioButton **button;
        const char *name;
        QRect geometry;
        const char *caption;
        const char *tooltip;
        void (Graphs::*handler)();
    };
    const Choice choices[3] = {
        {&Option3, "Option3", {8, 16, 80, 15}, "U(I)", "Зависимость напряжения от тока", &Graphs::Option3_Click},
        {&Option4, "Option4", {8, 33, 80, 17}, "Pв(I), Po(I)", "Зависимости мощностей от тока", &Graphs::Option4_Click},
        {&Option5, "Option5", {8, 50, 80, 17}, "h(I)", "", &Graphs::Option5_Click},
    };
    // An explicit group: Tab then always reaches the selected button.
    auto *group = new QButtonGroup(this);
    group->setObjectName(QStringLiteral("graphChoice"));
    for (const Choice &c : choices) {
        auto *button = new QRadioButton(QString::fromUtf8(c.caption), Frame2);
        group->addButton(button);
        button->setGeometry(c.geometry);
        button->setFont(ui::timesNewRoman(9.75));
        ui::nameControl(button, QLatin1String(c.name), QString::fromUtf8(c.tooltip), button->text());
        // A selection made by the user or by the program runs the handler once.
        connect(button, &QRadioButton::toggled, this, [this, handler = c.handler](bool on) {
            if (on)
                (this->*handler)();
        });
        *c.button = button;
    }
    describeGraphs();
}

void Graphs::N_S_Click(int Index)
{
    if (Index < 1 || Index > 10)
        return;
    const auto n = static_cast<std::size_t>(Index);
    s.Nomer = static_cast<std::int16_t>(Index);
    const circuit::MeasuredRow row = circuit::measuredRow(s.I, s.U, s.RR, s.Edc, s.Ra, s.Rv, s.schema);

    s.I_m[n] = row.I;
    setCell(ColumnI, n, ui::formatNumber(s.I, "#0.000"));
    s.U_m[n] = row.U;
    setCell(ColumnU, n, ui::formatNumber(s.U, "##0.00"));
    Picture3->setDrawWidth(PointWidth);
    Picture3->pset(row.I, row.U, Red);

    s.Pv_m[n] = row.Pv;
    setCell(ColumnPv, n, ui::formatSingle(s.Pv_m[n], "##0.00"));
    Picture4->setDrawWidth(PointWidth);
    Picture4->pset(s.I_m[n], s.Pv_m[n], Red);

    s.Po_m[n] = row.Po;
    setCell(ColumnP0, n, ui::formatSingle(s.Po_m[n], "##0.00"));
    Picture4->pset(s.I_m[n], s.Po_m[n], Red);

    s.h_m[n] = row.h;
    setCell(ColumnKPD, n, ui::formatSingle(s.h_m[n], "##0.00"));
    Picture5->setDrawWidth(PointWidth);
    Picture5->pset(s.I_m[n], s.h_m[n], Red);

    describeGraphs();

    QStringList told;
    for (int c = 0; c < 5; ++c)
        told << QString::fromUtf8(Columns[c].tooltip) + QStringLiteral(": ") + column(c)[n]->text().trimmed();
    announce(QStringLiteral("Строка %1: ").arg(Index) + told.join(QStringLiteral("; ")));
}

void Graphs::ochistka()
{
    if (recordedRows() > 0)
        announce(QStringLiteral("Таблица измерений очищена"));
    for (std::size_t n = 1; n <= 10; ++n) {
        s.I_m[n] = 0;
        s.U_m[n] = 0;
        s.Pv_m[n] = 0;
        s.Po_m[n] = 0;
        s.h_m[n] = 0;
        for (int c : {ColumnI, ColumnU, ColumnPv, ColumnP0, ColumnKPD})
            setCell(c, n, QStringLiteral(" "));
    }
    drawAxes();
    describeGraphs();
}

void Graphs::announce(const QString &message)
{
    if (m_announcer->window()->isVisible())
        m_announcer->announce(message);
}

void Graphs::drawAxes()
{
    axes_1(*Picture3, s);
    axes_2(*Picture4, s);
    axes_3(*Picture5, s);
}

void Graphs::Option3_Click()
{
    Picture3->setVisible(true);
    Picture4->setVisible(false);
    Picture5->setVisible(false);
}

void Graphs::Option4_Click()
{
    Picture3->setVisible(false);
    Picture4->setVisible(true);
    Picture5->setVisible(false);
}

void Graphs::Option5_Click()
{
    Picture3->setVisible(false);
    Picture4->setVisible(false);
    Picture5->setVisible(true);
}

void Graphs::redrawWithRows()
{
    drawAxes();
    for (Canvas *canvas : {Picture3, Picture4, Picture5})
        canvas->setDrawWidth(PointWidth);
    for (std::size_t n = 1; n <= 10; ++n) {
        Picture3->pset(s.I_m[n], s.U_m[n], Red);
        Picture4->pset(s.I_m[n], s.Pv_m[n], Red);
        Picture4->pset(s.I_m[n], s.Po_m[n], Red);
        Picture5->pset(s.I_m[n], s.h_m[n], Red);
    }
    describeGraphs();
}

int Graphs::recordedRows() const
{
    int count = 0;
    for (std::size_t n = 1; n <= 10; ++n)
        if (!lblI[n]->text().trimmed().isEmpty())
            ++count;
    return count;
}

QString Graphs::tableText() const
{
    QStringList lines;
    const std::array<QLabel *, 11> *columns[5] = {&lblI, &lblU, &lblP0, &lblPv, &lblKPD};
    QStringList header;
    for (const auto *column : columns)
        header << (*column)[0]->text();
    lines << header.join(QLatin1Char('\t'));
    for (std::size_t n = 1; n <= 10; ++n) {
        if (lblI[n]->text().trimmed().isEmpty())
            continue;
        QStringList cells;
        for (const auto *column : columns)
            cells << (*column)[n]->text().trimmed();
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void Graphs::describeGraphs()
{
    const QString text = QStringLiteral("Точек измерений: %1").arg(recordedRows());
    for (Canvas *canvas : {Picture3, Picture4, Picture5})
        ui::describe(canvas, text);
}

} // namespace graphs
