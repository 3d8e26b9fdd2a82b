// The three graphs, the measurement table and the graph choice.
#include "app/form1.h"
#include "circuit/state.h"
#include "graphs/axes.h"
#include "graphs/canvas.h"
#include "graphs/graphs.h"
#include "graphs/plots.h"
#include "graphs/table.h"
#include "tests/testsupport.h"
#include "ui/announcer.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using graphs::Canvas;

namespace {

const QColor Black(0, 0, 0), Green(128, 255, 128), Red(255, 0, 0);

// Whether a colour appears within `radius` pixels of (x, y).
bool near(const QImage &image, double x, double y, const QColor &c, int radius = 1)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p(int(x) + dx, int(y) + dy);
            if (image.rect().contains(p) && image.pixelColor(p) == c)
                return true;
        }
    return false;
}

QStringList everyOther(const QStringList &texts, int first)
{
    QStringList out;
    for (int i = first; i < 18 && i < texts.size(); i += 2)
        out << texts[i];
    return out;
}

QStringList labels(double step, double scale = 1, const char *sep = ".")
{
    QStringList out;
    for (int j = 1; j <= 9; ++j)
        out << QString::number(j * step * scale, 'f', 2).replace('.', QLatin1String(sep));
    return out;
}

} // namespace

class TestGraphs : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void workedLabels_data();
    void workedLabels();
    void extremeCurrentLabels_data();
    void extremeCurrentLabels();
    void axesPixels();
    void redrawIsIdempotent();
    void scaleOutOfSingleRange_data();
    void scaleOutOfSingleRange();
    void tableRows_data();
    void tableRows();
    void rowsOutOfOrderAndAgain();
    void ochistkaEmptiesEverything();
    void redrawWithRows();
    void graphChoice();
    void copyTable();
    void hiddenCanvasKeepsDrawing();
    void followsDevicePixelRatio();

private:
    QWidget *surface = nullptr;
    circuit::SimState s;
    graphs::Graphs *g = nullptr;

    void record(int n, double I, double U, float RR, int schema)
    {
        s.I = I;
        s.U = U;
        s.RR = RR;
        s.schema = static_cast<std::int16_t>(schema);
        g->N_S_Click(n);
    }
};

void TestGraphs::init()
{
    QLocale::setDefault(QLocale::c());
    s = circuit::SimState{};
    s.Edc = 16;
    s.r = 20;
    s.Ra = 5;
    s.Rv = 75;
    surface = new QWidget;
    surface->resize(549, 439);
    g = new graphs::Graphs(surface, s, new ui::Announcer(surface));
    for (Canvas *c : {g->plots->Picture3, g->plots->Picture4, g->plots->Picture5})
        c->setGeometry(290, 200, 249, 229);
    g->ochistka();
}

void TestGraphs::cleanup()
{
    delete surface;
    QLocale::setDefault(QLocale::c());
}

void TestGraphs::workedLabels_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("sep");
    QTest::newRow("point") << "C" << ".";
    QTest::newRow("comma") << "ru_RU" << ",";
}

void TestGraphs::workedLabels()
{
    QFETCH(QString, locale);
    QFETCH(QString, sep);
    QLocale::setDefault(QLocale(locale));
    g->ochistka();
    const QByteArray d = sep.toLatin1();
    const QStringList currents = labels(0.08, 1, d.constData());
    QCOMPARE(everyOther(g->plots->Picture3->texts(), 0), currents);
    QCOMPARE(everyOther(g->plots->Picture4->texts(), 0), currents);
    QCOMPARE(everyOther(g->plots->Picture5->texts(), 0), currents);
    QCOMPARE(everyOther(g->plots->Picture3->texts(), 1), labels(1.6, 1, d.constData()));
    QCOMPARE(everyOther(g->plots->Picture4->texts(), 1), labels(1.28, 1, d.constData()));
    QCOMPARE(everyOther(g->plots->Picture5->texts(), 1), labels(0.1, 1, d.constData()));
    // Captions follow the labels, in their mixed alphabets; nothing at the origin or the ends.
    QCOMPARE(g->plots->Picture3->texts().mid(18), QStringList({"U, B", "I, A"}));
    QCOMPARE(g->plots->Picture4->texts().mid(18), QStringList({QStringLiteral("P\u0432,Po, B\u0442"), "I, A"}));
    QCOMPARE(g->plots->Picture5->texts().mid(18), QStringList({"h, %", "I, A"}));
    QCOMPARE(s.Ikz, 0.8);
}

void TestGraphs::extremeCurrentLabels_data()
{
    QTest::addColumn<double>("Edc");
    QTest::addColumn<double>("r");
    QTest::addColumn<QStringList>("currents");
    QTest::newRow("22000 A") << 220.0 << 0.01 << labels(2200);
    QTest::newRow("0.0001 A") << 1.0 << 10000.0 << labels(0);
}

void TestGraphs::extremeCurrentLabels()
{
    QFETCH(double, Edc);
    QFETCH(double, r);
    s.Edc = Edc;
    s.r = r;
    g->ochistka();
    QTEST(everyOther(g->plots->Picture3->texts(), 0), "currents");
    QTEST(everyOther(g->plots->Picture5->texts(), 0), "currents");
}

void TestGraphs::axesPixels()
{
    // In device pixels, so that it holds on a screen of any pixel density.
    const QImage u = g->plots->Picture3->image();
    const int w = u.width(), h = u.height();
    const qreal dpr = u.devicePixelRatio();
    QCOMPARE(QSize(w, h), (QSizeF(249, 229) * dpr).toSize());
    for (int y = 40; y < h - 5; y += 37)
        QCOMPARE(u.pixelColor(0, y), Black); // vertical axis on the left edge
    for (int x = 60; x < w - 5; x += 31)
        QCOMPARE(u.pixelColor(x, h - 1), Black); // current axis on the bottom edge
    // Grid lines at division 3: x = 3/10 of the width, y = 7/10 of the height down.
    QVERIFY(near(u, 0.3 * w, 0.2 * h, Green));
    QVERIFY(near(u, 0.85 * w, 0.7 * h, Green));
    // The source line runs along the diagonal from top-left to bottom-right.
    for (double t : {0.1, 0.5, 0.9})
        QVERIFY2(near(u, t * w, t * h, Black), qPrintable(QString::number(t)));
    QVERIFY(!near(u, 0.75 * w, 0.25 * h, Black));

    // The useful power's parabola peaks at (Ikz/2, Ymax/4); the full power is the other diagonal.
    const QImage p = g->plots->Picture4->image();
    QVERIFY(near(p, 0.5 * w, 0.75 * h, Black));
    QVERIFY(!near(p, 0.5 * w, 0.6 * h, Black, 2));
    QVERIFY(near(p, 0.5 * w, 0.5 * h, Black));
    QVERIFY(near(p, 0.9 * w, 0.1 * h, Black));
    // Efficiency: from (0, 1) at the top-left to (Ikz, 0) at the bottom-right.
    QVERIFY(near(g->plots->Picture5->image(), 0.3 * w, 0.3 * h, Black));

    // A recorded point is a red dot 5 pixels across, on every graph.
    record(1, 0.4, 8.0, 50.0f, 2);
    const QImage dot = g->plots->Picture3->image();
    QVERIFY(near(dot, 0.5 * w, 0.5 * h, Red));
    const int reds = countColour(dot, Red);
    const int least = qRound(13 * dpr * dpr), most = qRound(25 * dpr * dpr);
    QVERIFY2(reds >= least && reds <= most, qPrintable(QString::number(reds)));
    QVERIFY(countColour(g->plots->Picture4->image(), Red) >= 2 * least);
    QVERIFY(countColour(g->plots->Picture5->image(), Red) >= least);
}

void TestGraphs::redrawIsIdempotent()
{
    record(2, 0.3, 10.0, 40.0f, 1);
    g->ochistka();
    const QImage first[3] = {g->plots->Picture3->image(), g->plots->Picture4->image(), g->plots->Picture5->image()};
    g->ochistka();
    QCOMPARE(g->plots->Picture3->image(), first[0]);
    QCOMPARE(g->plots->Picture4->image(), first[1]);
    QCOMPARE(g->plots->Picture5->image(), first[2]);
    QCOMPARE(countColour(first[0], Red), 0);
}

void TestGraphs::scaleOutOfSingleRange_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<bool>("powersBlank");
    QTest::newRow("Ikz 1.6e41") << 1e-40 << true;
    QTest::newRow("Ikz rounds to 0") << 1e300 << true;
    QTest::newRow("Ikz fine, Ikz*Edc too large") << 1e-37 << true;
    QTest::newRow("ordinary") << 20.0 << false;
}

void TestGraphs::scaleOutOfSingleRange()
{
    QFETCH(double, r);
    QFETCH(bool, powersBlank);
    s.r = r;
    g->ochistka();
    record(1, 0.1, 1.0, 1.0f, 1);
    const bool blank = g->plots->Picture4->texts().isEmpty();
    QCOMPARE(blank, powersBlank);
    if (blank) {
        const QImage image = g->plots->Picture4->image();
        QCOMPARE(countColour(image, g->plots->Picture4->backColor()), image.width() * image.height());
    }
    for (Canvas *c : {g->plots->Picture3, g->plots->Picture4, g->plots->Picture5})
        for (const QString &text : c->texts())
            QVERIFY(!text.contains("inf") && !text.contains("nan"));
}

void TestGraphs::tableRows_data()
{
    QTest::addColumn<int>("schema");
    QTest::addColumn<double>("I");
    QTest::addColumn<double>("U");
    QTest::addColumn<float>("RR");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("scheme 1") << 1 << 0.1 << 14.0 << 100.0f << QStringList{"0.100", "14.00", "3.84", "1.00", "0.26"};
    QTest::newRow("scheme 2") << 2 << 0.1 << 14.0 << 100.0f << QStringList{"0.100", "14.00", "1.60", "0.18", "0.11"};
    QTest::newRow("slider at 0") << 2 << 0.64 << 0.0 << 0.0f << QStringList{"0.640", "0.00", "10.24", "0.00", "0.00"};
}

void TestGraphs::tableRows()
{
    QFETCH(int, schema);
    QFETCH(double, I);
    QFETCH(double, U);
    QFETCH(float, RR);
    QFETCH(QStringList, cells);
    record(4, I, U, RR, schema);
    QCOMPARE(QStringList({g->table->lblI[4]->text(), g->table->lblU[4]->text(), g->table->lblP0[4]->text(), g->table->lblPv[4]->text(),
                          g->table->lblKPD[4]->text()}),
             cells);
    QCOMPARE(g->table->lblKPD[4]->accessibleDescription(), cells[4]);
    QCOMPARE(g->table->lblKPD[4]->accessibleName(), "КПД, %, строка 4: " + cells[4]);
    QCOMPARE(s.Nomer, 4);
    QCOMPARE(s.h_m[4], s.Pv_m[4] / s.Po_m[4]);
    QCOMPARE(s.U_m[4], float(U));
    // The same row with a decimal comma.
    QLocale::setDefault(QLocale(QLocale::Russian));
    record(4, I, U, RR, schema);
    QCOMPARE(g->table->lblU[4]->text(), QString(cells[1]).replace('.', ','));
    QCOMPARE(g->table->lblU[4]->accessibleName(), "Напряжение, В, строка 4: " + QString(cells[1]).replace('.', ','));
}

void TestGraphs::rowsOutOfOrderAndAgain()
{
    record(7, 0.2, 12.0, 60.0f, 1);
    record(1, 0.1, 14.0, 100.0f, 1);
    for (std::size_t n = 1; n <= 10; ++n)
        QCOMPARE(g->table->lblI[n]->text() != " ", n == 1 || n == 7);
    QCOMPARE(s.Nomer, 1);
    QCOMPARE(g->table->recordedRows(), 2);
    QCOMPARE(g->plots->Picture3->accessibleDescription(), QStringLiteral("Точек измерений: 2"));
    // Pressing 7 again overwrites its row and adds a dot; the old dot stays.
    const int before = countColour(g->plots->Picture3->image(), Red);
    record(7, 0.3, 10.0, 30.0f, 1);
    QCOMPARE(g->table->lblI[7]->text(), QStringLiteral("0.300"));
    QCOMPARE(s.I_m[7], 0.3f);
    QVERIFY(countColour(g->plots->Picture3->image(), Red) > before);
}

void TestGraphs::ochistkaEmptiesEverything()
{
    for (int n = 1; n <= 10; ++n)
        record(n, 0.05 * n, 15 - n, float(10 * n), 1 + n % 2);
    g->ochistka();
    int blanks = 0;
    for (std::size_t n = 1; n <= 10; ++n) {
        for (QLabel *cell : {g->table->lblI[n], g->table->lblU[n], g->table->lblP0[n], g->table->lblPv[n], g->table->lblKPD[n]})
            blanks += cell->text() == QStringLiteral(" ");
        for (float v : {s.I_m[n], s.U_m[n], s.Po_m[n], s.Pv_m[n], s.h_m[n]})
            QCOMPARE(v, 0.0f);
    }
    QCOMPARE(blanks, 50);
    QCOMPARE(g->table->lblKPD[0]->text(), QStringLiteral("\u03b7, %"));
    QCOMPARE(countColour(g->plots->Picture4->image(), Red), 0);
    QCOMPARE(g->plots->Picture5->accessibleDescription(), QStringLiteral("Точек измерений: 0"));
}

void TestGraphs::redrawWithRows()
{
    record(3, 0.4, 8.0, 50.0f, 1);
    record(3, 0.2, 12.0, 80.0f, 1); // the first dot goes with the redraw
    g->redrawWithRows();
    const QImage u = g->plots->Picture3->image();
    QVERIFY(near(u, 0.25 * u.width(), 0.25 * u.height(), Red, 2));
    QVERIFY(!near(u, 0.5 * u.width(), 0.5 * u.height(), Red, 2));
    QVERIFY(near(u, 0, u.height() - 1, Red, 2)); // unrecorded rows at the origin
    QCOMPARE(g->plots->Picture4->drawWidth(), 5);
}

void TestGraphs::graphChoice()
{
    Form1 form;
    graphs::Graphs *fg = form.graphs;
    auto shown = [&] {
        QString out;
        for (Canvas *c : {fg->Picture3, fg->Picture4, fg->Picture5})
            out += c->isHidden() ? '-' : '+';
        return out;
    };
    QCOMPARE(shown(), QStringLiteral("+--"));
    const QImage before = fg->Picture4->image();
    const QList<QPair<QRadioButton *, QString>> steps = {
        {fg->Option5, "--+"}, {fg->Option4, "-+-"}, {fg->Option3, "+--"}, {fg->Option4, "-+-"}, {fg->Option5, "--+"}};
    for (const auto &[button, expected] : steps) {
        button->click();
        QCOMPARE(shown(), expected);
        QVERIFY(form.Option1->isChecked()); // the other group keeps its choice
    }
    QCOMPARE(fg->Picture4->image(), before); // hiding erases nothing
    form.Option2->click();
    QVERIFY(fg->Option3->isChecked()); // a scheme choice resets to U(I)
    QVERIFY(form.Option2->isChecked());
    QCOMPARE(shown(), QStringLiteral("+--"));
}

void TestGraphs::copyTable()
{
    record(1, 0.1, 14.0, 100.0f, 1);
    record(3, 0.2, 12.0, 60.0f, 1);
    QCOMPARE(g->table->tableText(), QStringLiteral("I, A\tU, B\tPo, Вт\tPв, Вт\tη, %\n"
                                            "0.100\t14.00\t3.84\t1.00\t0.26\n"
                                            "0.200\t12.00\t5.97\t2.40\t0.40\n"));
    // Ctrl+C in the window puts it on the clipboard.
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.graphs->N_S_Click(2);
    form.TxtEdc->setFocus();
    QTest::keyClick(form.TxtEdc, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[1], QStringLiteral("0.000\t12.63\t0.00\t0.00\t0.00"));
    // A box with a selection copies its own text.
    form.TxtEdc->selectAll();
    QTest::keyClick(form.TxtEdc, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("16"));
}

void TestGraphs::hiddenCanvasKeepsDrawing()
{
    surface->show();
    g->plots->Option5_Click();
    record(5, 0.4, 8.0, 50.0f, 1);
    g->plots->Option4_Click();
    QVERIFY(countColour(g->plots->Picture5->image(), Red) > 0);
    g->plots->Option5_Click();
    QVERIFY(QTest::qWaitForWindowExposed(surface));
    const QImage onScreen = g->plots->Picture5->grab().toImage();
    QVERIFY(countColour(onScreen, Red) > 0);
}

void TestGraphs::followsDevicePixelRatio()
{
    // Run with QT_SCALE_FACTOR=2 too: the drawing is kept at the screen's
    // ratio, so a 1-pixel grid line is 2 device pixels wide and stays sharp.
    surface->show();
    QVERIFY(QTest::qWaitForWindowExposed(surface));
    g->ochistka();
    const qreal dpr = g->plots->Picture3->devicePixelRatioF();
    const QImage image = g->plots->Picture3->image();
    QCOMPARE(image.devicePixelRatio(), dpr);
    QCOMPARE(image.size(), (QSizeF(249, 229) * dpr).toSize());
    // The grid line at division 5 of the current axis, across one row.
    const int y = qRound(0.35 * image.height());
    int greens = 0;
    for (int x = int(0.45 * image.width()); x < int(0.55 * image.width()); ++x)
        greens += image.pixelColor(x, y) == Green;
    QCOMPARE(greens, qRound(dpr));
}

QTEST_MAIN(TestGraphs)
#include "tst_graphs.moc"
