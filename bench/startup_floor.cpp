// The floor of the start-up figure: the main window's first picture built
// in the simplest way - the same widgets, texts, fonts, colours and lines,
// with no state, no handlers, no drawing lists, no translation, and nothing
// that is hidden at start. Started the same way as the simulator and ended
// at its first painted frame.
#include "app/rheostatstyle.h"
#include "bench/firstframe.h"
#include "ui/colours.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>

namespace {

// The window's surface with the schematic's lines, the slider at 100.
class Surface : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        static const int lines[14][5] = {
            {32, 24, 152, 24, 2},   {152, 8, 152, 40, 2},   {160, 16, 160, 32, 2}, {160, 24, 280, 24, 2},
            {280, 24, 280, 100, 2}, {280, 120, 288, 100, 4}, {280, 120, 280, 128, 2}, {237, 128, 280, 128, 2},
            {237, 128, 237, 160, 2}, {237, 160, 233, 144, 2}, {237, 160, 241, 144, 2}, {32, 88, 280, 88, 2},
            {32, 176, 32, 24, 2},   {32, 176, 64, 176, 2}};
        QPainter p(this);
        for (const auto &l : lines) {
            p.setPen(QPen(ui::colours::Black, l[4], Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(l[0], l[1], l[2], l[3]);
        }
    }
};

// A meter: black, its reading in green.
class Meter : public QWidget
{
public:
    Meter(QWidget *parent, QRect at, const QString &text) : QWidget(parent), m_text(text)
    {
        setGeometry(at);
        setFont(ui::timesNewRoman(14.25, true));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), ui::colours::Black);
        p.setPen(ui::colours::MeterGreen);
        p.drawText(QPointF(0, QFontMetricsF(font()).ascent()), m_text);
    }

private:
    QString m_text;
};

// The U(I) graph at E = 16 V, r = 20 Ω: grid, labels, axes, the source's line.
class Graph : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), ui::colours::White);
        const double Ikz = 0.8, E = 16, w = width(), h = height();
        auto at = [&](double I, double U) { return QPointF(I / Ikz * w, (E - U) / E * h); };
        const QFontMetricsF metrics(font());
        for (int j = 1; j <= 9; ++j) {
            p.setPen(QPen(QColor(128, 255, 128), 1));
            p.drawLine(at(0, j * 1.6), at(Ikz, j * 1.6));
            p.drawLine(at(j * 0.08, E), at(j * 0.08, 0));
            p.setPen(palette().color(QPalette::WindowText));
            p.drawText(at(j * 0.08, 0.06 * E) + QPointF(0, metrics.ascent()), QString::number(j * 0.08, 'f', 2));
            p.drawText(at(0, j * 1.6) + QPointF(0, metrics.ascent()), QString::number(j * 1.6, 'f', 2));
        }
        p.setPen(QPen(ui::colours::Black, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(at(0, E), at(0, 0));
        p.drawLine(at(0, 0), at(Ikz, 0));
        p.drawLine(at(0, E), at(Ikz, 0));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(at(0.03 * Ikz, E) + QPointF(0, metrics.ascent()), QStringLiteral("U, B"));
        p.drawText(at(0.95 * Ikz, 0.1 * E) + QPointF(0, metrics.ascent()), QStringLiteral("I, A"));
    }
};

QLabel *label(QWidget *parent, QRect at, const QString &text, const QFont &font)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(at);
    l->setFont(font);
    return l;
}

void colour(QWidget *w, QPalette::ColorRole role, const QColor &c)
{
    QPalette p = w->palette();
    p.setColor(role, c);
    w->setPalette(p);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Моделирование работы электрической цепи постоянного тока"));
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&Файл"));
    for (const char *item : {"Справка 1", "Справка 2", "История"})
        file->addAction(QString::fromUtf8(item));
    QMenu *help = window.menuBar()->addMenu(QStringLiteral("&Помощь"));
    for (const char *item : {"Инструкция", "Управление", "-", "Авторы", "&О программе"})
        item[0] == '-' ? help->addSeparator() : help->addAction(QString::fromUtf8(item));

    auto *surface = new Surface;
    surface->setAutoFillBackground(true);
    colour(surface, QPalette::Window, ui::colours::WindowGrey);
    surface->setFont(ui::systemDefaultFont());
    window.setCentralWidget(surface);

    label(surface, {239, 130, 25, 14}, QStringLiteral("100"), surface->font());
    label(surface, {297, 5, 135, 20}, QStringLiteral("Параметры задачи"), ui::timesNewRoman(11.25, true))
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    const char *rows[5][2] = {{"E (В)=", "16"}, {"r(Oм)=", "20"}, {"Rv(Ом)=", "75"}, {"Ra(Ом)=", "5"}, {"Rmax(Ом)=", "100"}};
    const int tops[5] = {25, 46, 69, 91, 113};
    for (int i = 0; i < 5; ++i)
        label(surface, {300, tops[i], 70, 20}, QString::fromUtf8(rows[i][0]), ui::timesNewRoman(11.25));
    new Meter(surface, {8, 112, 50, 24}, QStringLiteral("0.000"));
    new Meter(surface, {128, 76, 50, 24}, QStringLiteral("12.63"));
    auto *rheostat = new QScrollBar(Qt::Horizontal, surface);
    rheostat->setGeometry(60, 160, 200, 25);
    rheostat->setStyle(new RheostatStyle);
    rheostat->setRange(0, 100);
    rheostat->setValue(100);
    for (int i = 0; i < 5; ++i) {
        auto *box = new QLineEdit(QString::fromUtf8(rows[i][1]), surface);
        box->setGeometry(370, tops[i], 60, 25);
        box->setFont(ui::timesNewRoman(11.25));
        colour(box, QPalette::Base, ui::colours::Yellowish);
    }
    auto *frame1 = new QGroupBox(QStringLiteral("Выбор схемы"), surface);
    frame1->setGeometry(440, 10, 94, 60);
    frame1->setFont(ui::timesNewRoman(9.75));
    for (int i = 0; i < 2; ++i) {
        auto *option = new QRadioButton(QStringLiteral("Схема %1").arg(i + 1), surface);
        option->setGeometry(448, 25 + 18 * i, 65, 25);
        option->setFont(ui::timesNewRoman(9.75));
        option->setChecked(i == 0);
    }
    auto *frame2 = new QGroupBox(QStringLiteral("график"), surface);
    frame2->setGeometry(440, 80, 94, 73);
    frame2->setFont(ui::timesNewRoman(9.75));
    const char *choices[3] = {"U(I)", "Pв(I), Po(I)", "h(I)"};
    for (int i = 0; i < 3; ++i) {
        auto *option = new QRadioButton(QString::fromUtf8(choices[i]), frame2);
        option->setGeometry(8, i == 0 ? 16 : 33 + 17 * (i - 1), 80, i == 0 ? 15 : 17);
        option->setFont(ui::timesNewRoman(9.75));
        option->setChecked(i == 0);
    }

    const int lefts[5] = {30, 76, 122, 170, 218}, widths[5] = {45, 45, 47, 47, 45};
    const char *headers[5] = {"I, A", "U, B", "Po, Вт", "Pв, Вт", "η, %"};
    for (int c = 0; c < 5; ++c) {
        for (int n = 0; n <= 10; ++n) {
            QLabel *cell = label(surface, {lefts[c], n == 0 ? 200 : 221 + 21 * (n - 1), widths[c], 20},
                                 n == 0 ? QString::fromUtf8(headers[c]) : QStringLiteral(" "),
                                 ui::timesNewRoman(11.25, n == 0));
            cell->setFrameStyle(QFrame::Box | QFrame::Plain);
            cell->setAutoFillBackground(true);
            cell->setAlignment(n == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
            colour(cell, QPalette::Window, c < 2 ? ui::colours::Yellowish : ui::colours::Bluish);
        }
    }
    auto *graph = new Graph;
    graph->setParent(surface);
    graph->setGeometry(290, 200, 249, 229);

    const int menuHeight = window.menuBar()->sizeHint().height();
    window.setGeometry(71, 255 - menuHeight, 549, 439 + menuHeight);
    bench::showAndWaitForFirstFrame(window);
    bench::reportFrame(argc, argv);
    return 0;
}
