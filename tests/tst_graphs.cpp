// The three graphs, the measurement table and the graph choice, on a bare
// surface without the main window.
#include "circuit/state.h"
#include "graphs/canvas.h"
#include "graphs/graphs.h"
#include "graphs/plots.h"
#include "graphs/table.h"
#include "tests/columns.h"
#include "tests/pixels.h"
#include "ui/announcer.h"

#include <QLabel>
#include <QPainter>
#include <QPaintEngine>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

using graphs::Canvas;

namespace {

const QColor Black(0, 0, 0), Green(128, 255, 128), Red(255, 0, 0);

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

// Where a drawing replayed onto it puts its texts: each text's baseline start, in pixels; a text of two
// alphabets comes in pieces, one for each.
class TextPositions : public QPaintDevice, public QPaintEngine
{
public:
    QList<std::pair<QPointF, QString>> pieces;

    // Where each of `texts` starts, its pieces joined.
    QList<QPointF> starts(const QStringList &texts) const
    {
        QList<QPointF> at;
        qsizetype next = 0;
        for (const QString &text : texts) {
            at << pieces.value(next).first;
            for (QString joined; joined != text && next < pieces.size(); ++next)
                joined += pieces[next].second;
        }
        return at;
    }

    TextPositions() : QPaintEngine(AllFeatures) {}
    QPaintEngine *paintEngine() const override { return const_cast<TextPositions *>(this); }
    int metric(PaintDeviceMetric m) const override { return m == PdmDpiY || m == PdmDpiX ? 96 : m == PdmDepth ? 32 : 1; }
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPath(const QPainterPath &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        pieces << std::pair(painter()->transform().map(p), item.text());
    }
    Type type() const override { return User; }
};

} // namespace

class TestGraphs : public QObject
{
    Q_OBJECT
    QWidget *surface = nullptr;
    circuit::SimState s;
    graphs::Graphs *g = nullptr;
    std::array<Canvas *, 3> graph{};

    void record(int n, double I, double U, float RR, int schema)
    {
        s.I = I;
        s.U = U;
        s.RR = RR;
        s.schema = std::int16_t(schema);
        g->N_S_Click(n);
    }

private slots:
    void init()
    {
        s = circuit::SimState{.Edc = 16, .r = 20, .Ra = 5, .Rv = 75};
        surface = new QWidget;
        surface->resize(549, 439);
        g = new graphs::Graphs(surface, s, new ui::Announcer(surface));
        graph = {g->plots->Picture3, g->plots->Picture4, g->plots->Picture5};
        for (Canvas *c : graph)
            c->setGeometry(290, 200, 249, 229);
        g->ochistka();
    }
    void cleanup()
    {
        delete surface;
        QLocale::setDefault(QLocale::c());
    }

    void labels_data()
    {
        // The tick steps: current; voltage, power, efficiency. Without a power step the power graph stays blank.
        columns<QString, double, double, QList<double>>("locale", "E", "r", "step");
        QTest::newRow("point") << "C" << 16.0 << 20.0 << QList<double>{0.08, 1.6, 1.28, 0.1};
        QTest::newRow("comma") << "ru_RU" << 16.0 << 20.0 << QList<double>{0.08, 1.6, 1.28, 0.1};
        QTest::newRow("22000 A") << "C" << 220.0 << 0.01 << QList<double>{2200, 22};
        QTest::newRow("0.0001 A") << "C" << 1.0 << 10000.0 << QList<double>{0};
        // Short-circuit currents beyond the singles, rounding to 0, or with a power beyond them.
        for (double r : {1e-40, 1e300, 1e-37})
            QTest::addRow("r %g", r) << "C" << 16.0 << r << QList<double>();
    }
    void labels()
    {
        QFETCH(QString, locale);
        QFETCH(QList<double>, step);
        QLocale::setDefault(QLocale(locale));
        QFETCH(double, E);
        QFETCH(double, r);
        s.Edc = E;
        s.r = r;
        g->ochistka();
        record(1, 0.1, 1.0, 1.0f, 1);
        const QString sep = QLocale().decimalPoint();
        auto ticks = [&](int i, int first, double step) { // the nine labels of an axis: every other text
            QStringList shown, expected;
            for (int j = 1; j <= 9; ++j) {
                shown << graph[i]->texts().value(2 * j - 2 + first);
                expected << QString::number(j * step, 'f', 2).replace('.', sep);
            }
            return shown == expected;
        };
        for (int i = 0; i < 3; ++i) {
            QVERIFY(step.isEmpty() || ticks(i, 0, step[0]));
            QVERIFY(i + 1 >= step.size() || ticks(i, 1, step[i + 1]));
            QVERIFY(!graph[i]->texts().join("").contains(QRegularExpression("inf|nan")));
        }
        QCOMPARE(graph[1]->texts().isEmpty(), step.isEmpty());
        // Each label where its grid line meets its axis, the captions at the axes' ends, in pixels of 249 x 229:
        // current labels 0.06 of the height above the bottom, value labels at the left edge; from their tops.
        for (Canvas *c : graph) {
            TextPositions texts;
            QPainter painter(&texts);
            c->replay(painter, QRectF(0, 0, 249, 229));
            painter.end();
            const qreal ascent = QFontMetricsF(c->font()).ascent();
            QList<QPointF> expected;
            for (int j = 1; j <= 9 && c->texts().size() == 20; ++j)
                expected << QPointF(24.9 * j, 0.94 * 229 + ascent) << QPointF(0, (10 - j) * 22.9 + ascent);
            if (!expected.isEmpty())
                expected << QPointF(0.03 * 249, ascent) << QPointF(0.95 * 249, 0.9 * 229 + ascent);
            const QList<QPointF> at = texts.starts(c->texts());
            QCOMPARE(at.size(), expected.size());
            for (qsizetype k = 0; k < expected.size(); ++k) // texts are placed in 64ths of a pixel
                QVERIFY2(qAbs(at[k].x() - expected[k].x()) <= 1.0 / 64 && qAbs(at[k].y() - expected[k].y()) <= 1.0 / 64,
                         qPrintable(c->texts().value(k)));
        }
        if (!step.isEmpty()) // captions follow the labels, in their mixed alphabets
            QCOMPARE(graph[0]->texts().mid(18) + graph[1]->texts().mid(18) + graph[2]->texts().mid(18),
                     QStringList({"U, B", "I, A", "Pв,Po, Bт", "I, A", "h, %", "I, A"}));
    }
    void axesPixels()
    {
        // In device pixels, so that it holds on a screen of any pixel density.
        const QImage u = graph[0]->image(), p = graph[1]->image();
        const qreal dpr = u.devicePixelRatio();
        QCOMPARE(u.size(), (QSizeF(249, 229) * dpr).toSize());
        QCOMPARE(QList<QColor>({u.pixelColor(0, 40), u.pixelColor(60, u.height() - 1)}),
                 QList<QColor>({Black, Black})); // the axes on the left and bottom edges
        QVERIFY(near(u, 0.3, 0.2, Green) && near(u, 0.85, 0.7, Green)); // grid at division 3
        // The source line from top-left to bottom-right; the useful power's parabola
        // peaks at (Ikz/2, Ymax/4), the full power is the other diagonal; the efficiency falls from 1 to 0.
        QVERIFY(near(u, 0.1, 0.1, Black) && near(u, 0.9, 0.9, Black) && !near(u, 0.75, 0.25, Black));
        QVERIFY(near(p, 0.5, 0.75, Black) && !near(p, 0.5, 0.6, Black, 2) && near(p, 0.9, 0.1, Black));
        QVERIFY(near(graph[2]->image(), 0.3, 0.3, Black));
        // A recorded point is a red dot 5 pixels across, on every graph.
        record(1, 0.4, 8.0, 50.0f, 2);
        QVERIFY(near(graph[0]->image(), 0.5, 0.5, Red));
        const int reds = countColour(graph[0]->image(), Red);
        QVERIFY(reds >= qRound(13 * dpr * dpr) && reds <= qRound(25 * dpr * dpr));
        QVERIFY(countColour(graph[1]->image(), Red) >= 2 * 13 && countColour(graph[2]->image(), Red) >= 13);
    }
    void tableRows_data()
    {
        columns<int, QStringList>("schema", "cells");
        QTest::newRow("scheme 1") << 1 << QStringList{"0.100", "14.00", "3.84", "1.00", "0.26"};
        QTest::newRow("scheme 2") << 2 << QStringList{"0.100", "14.00", "1.60", "0.18", "0.11"};
    }
    void tableRows()
    {
        QFETCH(int, schema);
        QFETCH(QStringList, cells);
        for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::Russian)}) {
            QLocale::setDefault(locale);
            record(4, 0.1, 14.0, 100.0f, schema);
            const QStringList shown = QStringList(cells).replaceInStrings(".", locale.decimalPoint());
            QCOMPARE(g->table->rowTexts(4), shown);
            QCOMPARE(g->table->lblKPD[4]->accessibleName(), "КПД, %, строка 4: " + shown[4]);
            QCOMPARE(g->table->lblU[4]->accessibleDescription(), shown[1]);
        }
        QCOMPARE(QList<float>({float(s.Nomer), s.I_m[4], s.U_m[4], s.h_m[4]}),
                 QList<float>({4, 0.1f, 14.0f, s.Pv_m[4] / s.Po_m[4]}));
        // Headers, a row, a text made smaller to fit and an empty row look as their labels would paint them.
        g->table->setCell(graphs::Table::ColumnP0, 5, "2500.00");
        for (std::size_t n : {0, 4, 5, 6})
            for (QLabel *cell : {g->table->lblI[n], g->table->lblP0[n], g->table->lblKPD[n]}) {
                QLabel own(cell->text());
                own.setFrameStyle(cell->frameStyle());
                own.setFont(cell->font());
                own.setPalette(cell->palette());
                own.setAlignment(cell->alignment());
                own.setIndent(cell->indent());
                own.setAutoFillBackground(true);
                own.resize(cell->size());
                QCOMPARE(surface->grab(cell->geometry()).toImage(), own.grab().toImage());
            }
    }
    void rowsRedrawnAndCleared()
    {
        record(7, 0.2, 12.0, 60.0f, 1);
        record(1, 0.1, 14.0, 100.0f, 1);
        QCOMPARE(graph[0]->accessibleDescription(), "Точек измерений: 2");
        QCOMPARE(g->table->tableText(), QStringLiteral("I, A\tU, B\tPo, Вт\tPв, Вт\tη, %\n"
                                                       "0.100\t14.00\t3.84\t1.00\t0.26\n"
                                                       "0.200\t12.00\t5.97\t2.40\t0.40\n"));
        // Pressed again, a row is overwritten and gets a dot of its own; the old dot
        // goes with the redraw after a resize, on every graph.
        record(7, 0.4, 8.0, 50.0f, 1);
        record(7, 0.2, 12.0, 80.0f, 1);
        g->redrawWithRows();
        // Unrecorded rows at the origin.
        QVERIFY(!near(graph[0]->image(), 0.5, 0.5, Red, 2) && near(graph[0]->image(), 0, 1, Red, 2));
        for (Canvas *c : graph) { // rows 1 and 7 at a tenth and a quarter of the current axis
            const QImage image = c->image();
            QVERIFY2(countColour(image, Red, image.width() / 10, image.width() * 3 / 10) >= 26, qPrintable(c->objectName()));
            QCOMPARE(QString::number(c->drawWidth()) + c->accessibleDescription(), "5Точек измерений: 2");
        }
        // Cleared: the rows blank, their values 0, no dot anywhere.
        g->ochistka();
        QCOMPARE(g->table->rowTexts(1) + g->table->rowTexts(7), QStringList(10, ""));
        QCOMPARE(QList<float>({s.I_m[7], s.U_m[7], s.Po_m[7], s.Pv_m[7], s.h_m[7]}), QList<float>(5, 0.0f));
        for (Canvas *c : graph)
            QCOMPARE(QString::number(countColour(c->image(), Red)) + c->accessibleDescription(), "0Точек измерений: 0");
    }
    void fitLineAndChoice()
    {
        // The fitted line from the voltage axis to the current axis, two pixels wide; a level one not at all.
        g->plots->drawFitLine(-20, 16);
        const QImage u = graph[0]->image();
        QCOMPARE(graph[0]->drawWidth(), 2);
        QVERIFY(countColour(u, Red) > 400 && near(u, 0, 0, Red, 2) && near(u, 0.5, 0.5, Red, 2));
        QVERIFY(near(u, 0.98, 0.98, Red, 3));
        g->ochistka();
        g->plots->drawFitLine(0, 7.5);
        QCOMPARE(countColour(graph[0]->image(), Red), 0);
        // One graph shown at a time; drawn while hidden, it shows.
        record(5, 0.4, 8.0, 50.0f, 1);
        for (QRadioButton *button : {g->plots->Option5, g->plots->Option4, g->plots->Option3, g->plots->Option5}) {
            button->click();
            for (int i = 0; i < 3; ++i)
                QCOMPARE(graph[i]->isVisibleTo(surface), button->objectName().endsWith(QString::number(i + 3)));
        }
        surface->show();
        QVERIFY(QTest::qWaitForWindowExposed(surface));
        QVERIFY(countColour(graph[2]->grab().toImage(), Red) > 0);
    }
};

QTEST_MAIN(TestGraphs)
#include "tst_graphs.moc"
