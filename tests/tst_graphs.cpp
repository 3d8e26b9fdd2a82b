// The three graphs, the measurement table and the graph choice, on a bare
// surface without the main window.
#include "circuit/state.h"
#include "graphs/canvas.h"
#include "graphs/graphs.h"
#include "graphs/plots.h"
#include "graphs/table.h"
#include "tests/columns.h"
#include "ui/announcer.h"

#include <QLabel>
#include <QRadioButton>
#include <QTest>

using graphs::Canvas;

namespace {

const QColor Black(0, 0, 0), Green(128, 255, 128), Red(255, 0, 0);

int count(const QImage &image, const QColor &c)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == c;
    return n;
}

// Whether a colour appears within `radius` pixels of (x, y), given as fractions of the image.
bool near(const QImage &image, double fx, double fy, const QColor &c, int radius = 1)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p(int(fx * image.width()) + dx, int(fy * image.height()) + dy);
            if (image.rect().contains(p) && image.pixelColor(p) == c)
                return true;
        }
    return false;
}

// The nine tick labels of one axis: every other text, from `first`.
QStringList ticks(const Canvas *c, int first)
{
    QStringList out;
    for (int i = first; i < 18 && i < c->texts().size(); i += 2)
        out << c->texts()[i];
    return out;
}

QStringList steps(double step, const QString &sep)
{
    QStringList out;
    for (int j = 1; j <= 9; ++j)
        out << QString::number(j * step, 'f', 2).replace('.', sep);
    return out;
}

} // namespace

class TestGraphs : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        s = circuit::SimState{};
        s.Edc = 16, s.r = 20, s.Ra = 5, s.Rv = 75;
        surface = new QWidget, surface->resize(549, 439);
        g = new graphs::Graphs(surface, s, new ui::Announcer(surface));
        graph[0] = g->plots->Picture3, graph[1] = g->plots->Picture4, graph[2] = g->plots->Picture5;
        for (Canvas *c : graph)
            c->setGeometry(290, 200, 249, 229), c->show();
        g->ochistka();
    }
    void cleanup() { delete surface, QLocale::setDefault(QLocale::c()); }

    void labels_data()
    {
        columns<QString, double, double, QList<double>>("locale", "E", "r", "step"); // current; voltage, power, efficiency
        QTest::newRow("point") << "C" << 16.0 << 20.0 << QList<double>{0.08, 1.6, 1.28, 0.1};
        QTest::newRow("comma") << "ru_RU" << 16.0 << 20.0 << QList<double>{0.08, 1.6, 1.28, 0.1};
        QTest::newRow("22000 A") << "C" << 220.0 << 0.01 << QList<double>{2200, 22};
        QTest::newRow("0.0001 A") << "C" << 1.0 << 10000.0 << QList<double>{0};
    }
    void labels()
    {
        QFETCH(QString, locale);
        QFETCH(QList<double>, step);
        QLocale::setDefault(QLocale(locale));
        QFETCH(double, E);
        QFETCH(double, r);
        s.Edc = E, s.r = r, g->ochistka();
        const QString sep = QLocale().decimalPoint();
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(ticks(graph[i], 0), steps(step[0], sep));
            if (i + 1 < step.size())
                QCOMPARE(ticks(graph[i], 1), steps(step[i + 1], sep));
        }
        // Captions follow the labels, in their mixed alphabets.
        QCOMPARE(graph[0]->texts().mid(18) + graph[1]->texts().mid(18) + graph[2]->texts().mid(18),
                 QStringList({"U, B", "I, A", "Pв,Po, Bт", "I, A", "h, %", "I, A"}));
        QCOMPARE(s.Ikz, E / r);
    }
    void axesPixels()
    {
        // In device pixels, so that it holds on a screen of any pixel density.
        const QImage u = graph[0]->image();
        const int w = u.width(), h = u.height();
        const qreal dpr = u.devicePixelRatio();
        QCOMPARE(QSize(w, h), (QSizeF(249, 229) * dpr).toSize());
        for (int y = 40; y < h - 5; y += 37)
            QCOMPARE(u.pixelColor(0, y), Black); // vertical axis on the left edge
        for (int x = 60; x < w - 5; x += 31)
            QCOMPARE(u.pixelColor(x, h - 1), Black); // current axis on the bottom edge
        QVERIFY(near(u, 0.3, 0.2, Green) && near(u, 0.85, 0.7, Green)); // grid at division 3
        // The source line runs along the diagonal from top-left to bottom-right.
        QVERIFY(near(u, 0.1, 0.1, Black) && near(u, 0.5, 0.5, Black) && near(u, 0.9, 0.9, Black) && !near(u, 0.75, 0.25, Black));
        // The useful power's parabola peaks at (Ikz/2, Ymax/4); the full power is the other diagonal.
        const QImage p = graph[1]->image();
        QVERIFY(near(p, 0.5, 0.75, Black) && !near(p, 0.5, 0.6, Black, 2) && near(p, 0.5, 0.5, Black) && near(p, 0.9, 0.1, Black));
        QVERIFY(near(graph[2]->image(), 0.3, 0.3, Black)); // efficiency from (0, 1) to (Ikz, 0)

        // A recorded point is a red dot 5 pixels across, on every graph.
        record(1, 0.4, 8.0, 50.0f, 2);
        QVERIFY(near(graph[0]->image(), 0.5, 0.5, Red));
        const int reds = count(graph[0]->image(), Red);
        QVERIFY(reds >= qRound(13 * dpr * dpr) && reds <= qRound(25 * dpr * dpr));
        QVERIFY(count(graph[1]->image(), Red) >= 2 * 13 && count(graph[2]->image(), Red) >= 13);
    }
    void scaleOutOfSingleRange_data()
    {
        columns<double, bool>("r", "powersBlank"); // Ikz 1.6e41, rounding to 0, fine with Ikz*Edc too large; ordinary
        for (double r : {1e-40, 1e300, 1e-37, 20.0})
            QTest::addRow("r %g", r) << r << (r != 20);
    }
    void scaleOutOfSingleRange()
    {
        QFETCH(double, r);
        s.r = r, g->ochistka(), record(1, 0.1, 1.0, 1.0f, 1);
        QTEST(graph[1]->texts().isEmpty(), "powersBlank");
        const QImage image = graph[1]->image();
        QCOMPARE(count(image, graph[1]->backColor()) == image.width() * image.height(), graph[1]->texts().isEmpty());
        for (Canvas *c : graph)
            QVERIFY(!c->texts().join("").contains("inf") && !c->texts().join("").contains("nan"));
    }
    void tableRows_data()
    {
        columns<int, double, double, QStringList>("schema", "I", "U", "cells");
        QTest::newRow("scheme 1") << 1 << 0.1 << 14.0 << QStringList{"0.100", "14.00", "3.84", "1.00", "0.26"};
        QTest::newRow("scheme 2") << 2 << 0.1 << 14.0 << QStringList{"0.100", "14.00", "1.60", "0.18", "0.11"};
    }
    void tableRows()
    {
        QFETCH(int, schema);
        QFETCH(double, I);
        QFETCH(double, U);
        QFETCH(QStringList, cells);
        for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::Russian)}) {
            QLocale::setDefault(locale);
            record(4, I, U, 100.0f, schema);
            QStringList comma = cells;
            comma.replaceInStrings(".", locale.decimalPoint());
            QCOMPARE(g->table->rowTexts(4), comma);
            QCOMPARE(g->table->lblKPD[4]->accessibleName(), "КПД, %, строка 4: " + comma[4]);
            QCOMPARE(g->table->lblU[4]->accessibleDescription(), comma[1]);
        }
        QCOMPARE(QList<float>({float(s.Nomer), s.I_m[4], s.U_m[4], s.h_m[4]}), QList<float>({4, float(I), float(U), s.Pv_m[4] / s.Po_m[4]}));
    }
    void rowsRedrawnAndCleared()
    {
        record(7, 0.2, 12.0, 60.0f, 1), record(1, 0.1, 14.0, 100.0f, 1);
        QCOMPARE(QList<int>({s.Nomer, g->table->recordedRows()}), QList<int>({1, 2}));
        QCOMPARE(graph[0]->accessibleDescription(), QStringLiteral("Точек измерений: 2"));
        QCOMPARE(g->table->tableText(), QStringLiteral("I, A\tU, B\tPo, Вт\tPв, Вт\tη, %\n"
                                                       "0.100\t14.00\t3.84\t1.00\t0.26\n"
                                                       "0.200\t12.00\t5.97\t2.40\t0.40\n"));
        // Pressed again, a row is overwritten and gets a dot of its own; the old dot
        // goes with the redraw after a resize, on every graph.
        record(7, 0.4, 8.0, 50.0f, 1);
        QCOMPARE(g->table->lblI[7]->text(), QStringLiteral("0.400"));
        record(7, 0.2, 12.0, 80.0f, 1), g->redrawWithRows();
        const QImage u = graph[0]->image();
        QVERIFY(near(u, 0.25, 0.25, Red, 2) && !near(u, 0.5, 0.5, Red, 2) && near(u, 0, 1, Red, 2)); // unrecorded rows at the origin
        for (Canvas *c : graph) {
            const QImage image = c->image(); // rows 1 and 7 at a tenth and a quarter of the current axis
            QVERIFY2(count(image.copy(image.width() / 10, 0, image.width() / 5, image.height()), Red) >= 13, qPrintable(c->objectName()));
            QCOMPARE(QString::number(c->drawWidth()) + c->accessibleDescription(), "5Точек измерений: 2");
        }
        QVERIFY(count(graph[1]->image(), Red) > count(graph[2]->image(), Red));
        // Cleared: every cell blank, every value 0, no dot anywhere.
        g->ochistka();
        for (std::size_t n = 1; n <= 10; ++n) {
            QCOMPARE(g->table->rowTexts(n), QStringList(5, ""));
            QCOMPARE(QList<float>({s.I_m[n], s.U_m[n], s.Po_m[n], s.Pv_m[n], s.h_m[n]}), QList<float>(5, 0.0f));
        }
        QCOMPARE(g->table->lblKPD[0]->text(), QStringLiteral("η, %"));
        for (Canvas *c : graph)
            QCOMPARE(QString::number(count(c->image(), Red)) + c->accessibleDescription(), "0Точек измерений: 0");
    }
    void fitLineAndChoice()
    {
        // The fitted line from the voltage axis to the current axis, two pixels wide; a level one not at all.
        g->plots->drawFitLine(-20, 16);
        const QImage u = graph[0]->image();
        QVERIFY(graph[0]->drawWidth() == 2 && count(u, Red) > 400 && near(u, 0, 0, Red, 2) && near(u, 0.5, 0.5, Red, 2) && near(u, 0.98, 0.98, Red, 3));
        g->ochistka(), g->plots->drawFitLine(0, 7.5);
        QCOMPARE(count(graph[0]->image(), Red), 0);
        // One graph shown at a time; hiding erases nothing; drawn while hidden, it shows.
        record(5, 0.4, 8.0, 50.0f, 1);
        const QImage before = graph[1]->image();
        for (QRadioButton *button : {g->plots->Option5, g->plots->Option4, g->plots->Option3, g->plots->Option5}) {
            button->click();
            for (int i = 0; i < 3; ++i)
                QCOMPARE(graph[i]->isVisibleTo(surface), button->objectName().endsWith(QString::number(i + 3)));
        }
        QCOMPARE(graph[1]->image(), before);
        surface->show();
        QVERIFY(QTest::qWaitForWindowExposed(surface));
        QVERIFY(count(graph[2]->grab().toImage(), Red) > 0);
        // Run with QT_SCALE_FACTOR=2 too: the drawing is kept at the screen's ratio, so a
        // 1-pixel grid line is 2 device pixels wide and stays sharp.
        const QImage image = graph[2]->image();
        const qreal dpr = graph[2]->devicePixelRatioF();
        QCOMPARE(image.devicePixelRatio(), dpr);
        int greens = 0;
        for (int x = int(0.45 * image.width()); x < int(0.55 * image.width()); ++x)
            greens += image.pixelColor(x, qRound(0.35 * image.height())) == Green;
        QCOMPARE(greens, qRound(dpr));
    }

private:
    QWidget *surface = nullptr;
    circuit::SimState s;
    graphs::Graphs *g = nullptr;
    Canvas *graph[3] = {};

    void record(int n, double I, double U, float RR, int schema)
    {
        s.I = I, s.U = U, s.RR = RR, s.schema = std::int16_t(schema);
        g->N_S_Click(n);
    }
};

QTEST_MAIN(TestGraphs)
#include "tst_graphs.moc"
