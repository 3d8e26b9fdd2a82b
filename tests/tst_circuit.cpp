// The circuit core: rheostat, meter readings, table rows, parameter bounds
// and the line fit, without a window.
#include "circuit/fit.h"
#include "circuit/measurement.h"
#include "circuit/numberformat.h"
#include "circuit/readings.h"

#include <QTest>

#include <cfloat>
#include <cmath>

using namespace circuit;

namespace {

QString fmt(double v, const char *pattern) { return QString::fromStdString(formatPattern(v, pattern, ".")); }

// The default circuit: 16 V, 20 ohm inside, voltmeter 75 ohm, ammeter 5 ohm.
Readings defaults(float RR, int rabota, int schema) { return meterReadings(16, 20, 5, 75, RR, rabota, schema); }

} // namespace

class TestCircuit : public QObject
{
    Q_OBJECT
private slots:
    void meters_data();
    void meters();
    void extremeParametersStayFinite_data();
    void extremeParametersStayFinite();
    void rheostat_data();
    void rheostat();
    void rowWithoutFullPower();
    void fitMatchesDoublePrecision();
    void fitUndefined();
};

void TestCircuit::meters_data()
{
    QTest::addColumn<float>("RR");
    QTest::addColumn<int>("rabota");
    QTest::addColumn<int>("schema");
    QTest::addColumn<QString>("ammeter");
    QTest::addColumn<QString>("voltmeter");
    QTest::newRow("100 open 1") << 100.0f << 0 << 1 << "0.000" << "12.63";
    QTest::newRow("100 open 2") << 100.0f << 0 << 2 << "0.160" << "12.00";
    QTest::newRow("100 closed 1") << 100.0f << 1 << 1 << "0.105" << "10.98";
    QTest::newRow("100 closed 2") << 100.0f << 1 << 2 << "0.236" << "10.11";
    QTest::newRow("0 closed 1") << 0.0f << 1 << 1 << "0.608" << "3.04";
    QTest::newRow("0 closed 2") << 0.0f << 1 << 2 << "0.640" << "0.00";
    QTest::newRow("50 closed 1") << 50.0f << 1 << 1 << "0.178" << "9.81";
    QTest::newRow("50 closed 2") << 50.0f << 1 << 2 << "0.291" << "8.73";
    // Only 1 counts as closed and only 1 as scheme 1.
    QTest::newRow("key 2 is open") << 100.0f << 2 << 1 << "0.000" << "12.63";
    QTest::newRow("scheme 0 is scheme 2") << 100.0f << 1 << 0 << "0.236" << "10.11";
}

void TestCircuit::meters()
{
    QFETCH(float, RR);
    QFETCH(int, rabota);
    QFETCH(int, schema);
    const Readings r = defaults(RR, rabota, schema);
    QTEST(fmt(r.I, "#0.000"), "ammeter");
    QTEST(fmt(r.U, "#0.00"), "voltmeter");
}

void TestCircuit::extremeParametersStayFinite_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("Rv");
    QTest::addColumn<double>("Ra");
    QTest::addColumn<double>("expectedU"); // NaN: only finiteness is checked
    // A voltmeter of 1e307 ohm overflows E*Rv; the reading is still E.
    QTest::newRow("huge voltmeter") << 20.0 << 1e307 << 5.0 << 220.0;
    QTest::newRow("tiny inner resistance") << 1e-320 << 75.0 << 0.0 << qQNaN();
    QTest::newRow("huge inner resistance") << 1e300 << 1e300 << 0.0 << qQNaN();
}

void TestCircuit::extremeParametersStayFinite()
{
    QFETCH(double, r);
    QFETCH(double, Rv);
    QFETCH(double, Ra);
    QFETCH(double, expectedU);
    for (int rabota : {0, 1})
        for (int schema : {1, 2})
            for (float RR : {0.0f, 100000.0f}) {
                const Readings got = meterReadings(220, r, Ra, Rv, RR, rabota, schema);
                QVERIFY(std::isfinite(got.I));
                QVERIFY(std::isfinite(got.U));
                if (!std::isnan(expectedU) && rabota == 0 && schema == 1)
                    QCOMPARE(fmt(got.U, "#0.00"), fmt(expectedU, "#0.00"));
            }
}

void TestCircuit::rheostat_data()
{
    QTest::addColumn<double>("KR");
    QTest::addColumn<int>("value");
    QTest::addColumn<float>("RR");
    QTest::addColumn<int>("X");
    QTest::addColumn<float>("arrow");
    QTest::addColumn<QString>("label");
    QTest::newRow("left end") << 1.0 << 0 << 0.0f << 0 << 83.0f << "0";
    QTest::newRow("tie 38.5 goes to 38") << 1.0 << 25 << 25.0f << 38 << 121.0f << "25";
    QTest::newRow("tie 115.5 goes to 116") << 1.0 << 75 << 75.0f << 116 << 199.0f << "75";
    QTest::newRow("right end") << 1.0 << 100 << 100.0f << 154 << 237.0f << "100";
    QTest::newRow("1.5 ohm per step") << 1.5 << 37 << 55.5f << 57 << 140.0f << "55.5";
    QTest::newRow("Rmax 1000, a third") << 10.0 << 33 << 330.0f << 51 << 134.0f << "330";
}

void TestCircuit::rheostat()
{
    QFETCH(double, KR);
    QFETCH(int, value);
    const float RR = rheostatResistance(KR, value);
    QTEST(RR, "RR");
    const std::int16_t X = thumbOffset(154.0f, value, 100);
    QTEST(int(X), "X");
    QTEST(arrowPosition(60, 17, 12, X), "arrow");
    QTEST(QString::fromStdString(circuit::generalSingle(RR, ".")), "label");
}

void TestCircuit::rowWithoutFullPower()
{
    // Ra + RR = -Rv makes the full power 0 in scheme 1: efficiency 0, not NaN.
    const MeasuredRow row = measuredRow(0.1, 1.0, 25.0f, 16, -100, 75, 1);
    QCOMPARE(row.Po, 0.0f);
    QCOMPARE(row.h, 0.0f);
    // Readings beyond single precision are held at its largest value.
    const MeasuredRow huge = measuredRow(1e200, 1e200, 0.0f, 220, 0, 1e-300, 2);
    QCOMPARE(huge.I, FLT_MAX);
    QVERIFY(std::isfinite(huge.Pv) && std::isfinite(huge.Po) && std::isfinite(huge.h));
}

void TestCircuit::fitMatchesDoublePrecision()
{
    // Scattered readings: the single-precision fit agrees with an ordinary
    // least-squares fit in double precision up to float rounding.
    std::array<float, 11> I{}, U{};
    const float currents[10] = {0.105f, 0.12f, 0.14f, 0.178f, 0.2f, 0.25f, 0.3f, 0.4f, 0.5f, 0.608f};
    for (int n = 1; n <= 10; ++n) {
        I[n] = currents[n - 1];
        U[n] = 12.63f - 15.79f * I[n] + ((n % 3) - 1) * 0.02f;
    }
    const LineFit f = fitLine(I, U);
    double sx = 0, sy = 0, sxy = 0, sx2 = 0;
    for (int n = 1; n <= 10; ++n) {
        sx += I[n];
        sy += U[n];
        sxy += double(I[n]) * U[n];
        sx2 += double(I[n]) * I[n];
    }
    const double k = (10 * sxy - sx * sy) / (10 * sx2 - sx * sx);
    const double b = (sy - k * sx) / 10;
    QVERIFY(f.defined);
    QVERIFY2(std::fabs(f.KK - k) < 1e-3 * std::fabs(k), qPrintable(QString::number(f.KK - k)));
    QVERIFY2(std::fabs(f.KB - b) < 1e-4 * std::fabs(b), qPrintable(QString::number(f.KB - b)));
    // The order of operations is the program's own: recompute it step by step.
    const float sxs = f.S_x / 10;
    const float kk = (f.S_xy - f.S_y * sxs) / (f.S_x2 - f.S_x * sxs);
    QCOMPARE(f.KK, kk);
    QCOMPARE(f.KB, f.S_y / 10 - (f.S_x * kk) / 10);
}

void TestCircuit::fitUndefined()
{
    std::array<float, 11> I{}, U{};
    QVERIFY(!fitLine(I, U).defined); // nothing measured
    I.fill(0.3f);
    U.fill(5.0f);
    QVERIFY(!fitLine(I, U).defined); // all currents equal
    I.fill(FLT_MAX);
    I[1] = 0;
    QVERIFY(!fitLine(I, U).defined); // sums out of range
}

QTEST_APPLESS_MAIN(TestCircuit)
#include "tst_circuit.moc"
