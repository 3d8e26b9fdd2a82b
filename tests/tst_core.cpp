// The circuit core without a window: reading and writing numbers, parameter
// bounds, the rheostat, the meters, table rows, the line fit and the variants.
#include "circuit/bounds.h"
#include "circuit/fit.h"
#include "circuit/floatchars.h"
#include "circuit/leadingnumber.h"
#include "circuit/measurement.h"
#include "circuit/numberformat.h"
#include "circuit/readings.h"
#include "circuit/variants.h"

#include "tests/columns.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <vector>

using namespace circuit;

#ifdef __cpp_lib_bit_cast
using std::bit_cast;
#else
// The browser build's standard library has none.
template <class To, class From>
To bit_cast(const From &from)
{
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}
#endif

// The smallest source or voltmeter resistance accepted: 220^2 over the single next below the largest.
constexpr double SmallestR = 1.4223483340521024e-34;

class TestCore : public QObject
{
    Q_OBJECT
private slots:
    void leadingNumber_data()
    {
        columns<QString, double>("text", "value");
        const char *const rows[][2] = {
            {"12abc", "12"}, {"1,5", "1"}, {"", "0"}, {"-", "0"}, {"+5", "5"}, {"-2.5e1x", "-25"}, {" 1 6", "16"},
            {"\t2\n5", "25"}, {"1e", "1"}, {"1e-", "1"}, {"e5", "0"}, {"1.2.3", "1.2"}, {"1E-2", "0.01"}, {".5", "0.5"},
            {"1e 3", "1000"}, {"3½", "3"}, {"-0", "0"}, {"-1e-400", "0"},
            {"1.7976931348623157e308", "1.7976931348623157e308"},
        };
        for (const auto &r : rows)
            QTest::newRow(r[0]) << QString::fromUtf8(r[0]) << std::stod(r[1]);
        // Millions of digits against an exponent of a thousand million.
        QTest::newRow("0.0{500}1") << "0." + QString(500, '0') + "1" << 0.0;
        QTest::newRow("9{2000000}e-1000000000") << QString(2000000, '9') + "e-1000000000" << 0.0;
        QTest::newRow("9{2000000}e-1999998") << QString(2000000, '9') + "e-1999998" << 100.0;
        const QString overflows[] = {"1e999", "1e99999999999999999999", QString(10000, '9'),
                                     "0." + QString(2000000, '0') + "1e1000000000"};
        for (const QString &text : overflows) {
            QTest::newRow(qPrintable(text.left(30))) << text << HUGE_VAL;
            QTest::newRow(qPrintable("-" + text.left(30))) << "-" + text << -HUGE_VAL;
        }
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        const double got = circuit::leadingNumber(text.toStdString());
        QTEST(got, "value");
        QVERIFY(!std::signbit(got) || got != 0.0);
    }
    void formats_data()
    {
        // pattern: "general" for the shortest single form, "signed" for a box's reset text.
        columns<double, QString, QString>("value", "pattern", "text");
        const struct { double v; const char *pattern, *text; } rows[] = {
            {0.10526, "#0.000", "0.105"}, {2200, "#0.000", "2200.000"}, {0.125, "##0.00", "0.13"},
            {1.005, "#0.00", "1.01"}, {9.9996, "#0.000", "10.000"}, {0.1249, "##0.00", "0.12"},
            {-5.5, "##00.0000", "-05.5000"}, {0.25, "##00.0000", "00.2500"}, {-0.125, "#0.00", "-0.13"},
            {-0.0001, "#0.00", "0.00"}, {HUGE_VAL, "#0.00", ""}, {55.5, "general", "55.5"},
            {1.0 / 3, "general", "0.3333333"}, {100000, "general", "100000"}, {1.37 * 33, "general", "45.21"},
            {12345678, "general", "1.234568E+07"}, {1e-5, "general", "1E-05"}, {0, "general", "0"},
            {16, "signed", " 16"}, {-5, "signed", "-5"}, {0.1, "signed", " 0.1"},
        };
        for (const auto &r : rows)
            QTest::addRow("%s %g", r.pattern, r.v) << r.v << r.pattern << r.text;
    }
    void formats()
    {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        for (const char *sep : {".", ","}) {
            const std::string got = pattern == "signed"    ? signedText(value)
                                    : pattern == "general" ? generalSingle(float(value), sep)
                                                           : formatPattern(value, pattern.toStdString(), sep);
            QCOMPARE(QString::fromStdString(got), pattern == "signed" ? text : QString(text).replace('.', sep));
        }
    }
    void floatChars()
    {
        // Made without <charconv>, as the browser build makes them, the texts
        // equal the library's: at every power of two (the values read as one
        // reach farther above it than below), at random bit patterns, and at
        // the values the meters and the rheostat show.
#ifdef Q_OS_WIN
        QSKIP("Windows' C library reads and writes long decimals inexactly; the program uses <charconv> there.");
#endif
        std::vector<double> doubles;
        std::vector<float> floats;
        for (int e = -1074; e <= 1023; ++e)
            doubles.push_back(std::ldexp(1.0, e));
        for (int e = -149; e <= 127; ++e)
            floats.push_back(std::ldexp(1.0f, e));
        std::uint64_t state = 2026;
        for (int i = 0; i < 20000; ++i) {
            const std::uint64_t bits = splitMix64(state);
            doubles.push_back(bit_cast<double>(bits));
            floats.push_back(bit_cast<float>(static_cast<std::uint32_t>(bits)));
            floats.push_back(float(i) * 0.37f);
            doubles.push_back(16.0 / (1 + i % 977) * (i % 5 + 1));
        }
        for (double d : doubles) {
            if (!std::isfinite(d))
                continue;
            QCOMPARE(portable::shortestDigits(d), shortestDigits(d));
            for (int decimals : {0, 2, 6, 16})
                QCOMPARE(QString::fromStdString(portable::scientificText(d, decimals)),
                         QString::fromStdString(scientificText(d, decimals)));
        }
        for (float f : floats)
            if (std::isfinite(f))
                QCOMPARE(portable::shortestDigits(f), shortestDigits(f));
        const std::pair<const char *, long long> decimals[] = {
            {"1", 400}, {"17976931348623158", 292}, {"24703282292062328", -340}, {"24703282292062327", -340},
            {"0", 999999}, {"0001", -3}, {"123456789012345678901234567890", -29}, {"1", -400}};
        for (const auto &[digits, exponent] : decimals)
            QCOMPARE(bit_cast<quint64>(portable::decimalValue(digits, exponent)),
                     bit_cast<quint64>(decimalValue(digits, exponent)));
    }
    void bounds_data()
    {
        columns<int, double, QString, double>("parameter", "value", "message", "reset"); // message empty: accepted
        const char *little = "Маловато будет!", *much = "Многовато будет!", *danger = "Опасно для жизни!";
        const struct { Parameter p; double value; const char *message; double reset; } rows[] = {
            {Parameter::Edc, 1, "", 0}, {Parameter::Edc, 0.99, little, 16}, {Parameter::Edc, 220, "", 0},
            {Parameter::Edc, 220.5, danger, 16}, {Parameter::r, 0, little, 20}, {Parameter::r, HUGE_VAL, much, 20},
            {Parameter::Rv, 0, little, 200}, {Parameter::Rv, HUGE_VAL, much, 200}, {Parameter::Ra, 0, "", 0},
            {Parameter::Ra, 100, much, 1}, {Parameter::Ra, -5, little, 1}, {Parameter::Rmax, 100000, "", 0},
            {Parameter::Rmax, 100001, much, 100}, {Parameter::Rmax, 0.5, little, 100},
            // The smallest source and voltmeter resistances whose circuit every single of a row holds, and the
            // next doubles below them.
            {Parameter::r, SmallestR, "", 0}, {Parameter::r, 1.4223483340521022e-34, little, 20},
            {Parameter::r, 1e-310, little, 20}, {Parameter::Rv, SmallestR, "", 0},
            {Parameter::Rv, 1.4223483340521022e-34, little, 200}};
        for (const auto &r : rows)
            QTest::addRow("%d %g", int(r.p), r.value) << int(r.p) << r.value << QString::fromUtf8(r.message) << r.reset;
    }
    void bounds()
    {
        QFETCH(int, parameter);
        QFETCH(double, value);
        QFETCH(QString, message);
        const Verdict v = checkParameter(Parameter(parameter), value);
        QCOMPARE(v.accepted, message.isEmpty());
        QCOMPARE(QString::fromUtf8(v.message), message);
        if (!v.accepted)
            QTEST(v.resetValue, "reset");
        // An accepted source or voltmeter resistance, with the other at its smallest, the highest EMF and an
        // ideal ammeter: whatever the rheostat, key and scheme, no reading or row reaches the largest single,
        // which stands in for what a single cannot hold.
        if (v.accepted && (Parameter(parameter) == Parameter::r || Parameter(parameter) == Parameter::Rv)) {
            const double r = Parameter(parameter) == Parameter::r ? value : SmallestR;
            const double Rv = Parameter(parameter) == Parameter::Rv ? value : SmallestR;
            for (int step = 0; step <= 100; ++step)
                for (int key = 0; key < 4; ++key) {
                    const Readings m = meterReadings(220, r, 0, Rv, float(step), key / 2, key % 2 + 1);
                    const MeasuredRow row = measuredRow(m.I, m.U, float(step), 220, 0, Rv, key % 2 + 1);
                    for (float f : {toSingle(m.I), toSingle(m.U), row.Po, row.Pv, row.h})
                        QVERIFY2(std::fabs(f) < FLT_MAX, qPrintable(QStringLiteral("%1 %2").arg(step).arg(key)));
                }
        }
    }
    void meters_data()
    {
        // E, r, Rv, the rheostat, the key, the scheme; the readings as the meters show them (empty: only finite).
        columns<QList<double>, QString>("circuit", "readings");
        const struct { double E, r, Rv, RR; int rabota, schema; const char *readings; } rows[] = {
            {16, 20, 75, 100, 0, 1, "0.000 12.63"}, {16, 20, 75, 100, 0, 2, "0.160 12.00"},
            {16, 20, 75, 100, 1, 1, "0.105 10.98"}, {16, 20, 75, 50, 1, 2, "0.291 8.73"},
            {16, 20, 75, 0, 1, 1, "0.608 3.04"}, {16, 20, 75, 0, 1, 2, "0.640 0.00"},
            // Only 1 closes the key, only 1 is scheme 1.
            {16, 20, 75, 100, 2, 1, "0.000 12.63"}, {16, 20, 75, 100, 1, 0, "0.236 10.11"},
            {220, 20, 1e307, 0, 0, 1, "0.000 220.00"}, // E*Rv overflows; the reading is still E
            {220, 1e-320, 75, 0, 1, 2, ""}, {220, 1e300, 1e300, 100000, 1, 1, ""}};
        for (const auto &r : rows)
            QTest::addRow("%g %g %g %g %d %d", r.E, r.r, r.Rv, r.RR, r.rabota, r.schema)
                << QList<double>{r.E, r.r, r.Rv, r.RR, double(r.rabota), double(r.schema)} << r.readings;
    }
    void meters()
    {
        QFETCH(QList<double>, circuit);
        QFETCH(QString, readings);
        const Readings got = meterReadings(circuit[0], circuit[1], 5, circuit[2], float(circuit[3]), int(circuit[4]),
                                           int(circuit[5]));
        QVERIFY(std::isfinite(got.I) && std::isfinite(got.U));
        if (!readings.isEmpty())
            QCOMPARE(QString::fromStdString(formatPattern(got.I, "#0.000", ".") + " " + formatPattern(got.U, "#0.00", ".")),
                     readings);
    }
    void rheostat_data()
    {
        columns<double, int, int, float, QString>("KR", "value", "X", "arrow", "label");
        QTest::newRow("tie 38.5 goes to 38") << 1.0 << 25 << 38 << 121.0f << "25";
        QTest::newRow("tie 115.5 goes to 116") << 1.0 << 75 << 116 << 199.0f << "75";
        QTest::newRow("right end") << 1.0 << 100 << 154 << 237.0f << "100";
        QTest::newRow("1.5 ohm per step") << 1.5 << 37 << 57 << 140.0f << "55.5";
        // KR * value in double, then single: 0.1, not 0.01f * 10.
        QTest::newRow("Rmax 1, value 10") << 0.01 << 10 << 15 << 98.0f << "0.1";
    }
    void rheostat()
    {
        QFETCH(double, KR);
        QFETCH(int, value);
        const std::int16_t X = thumbOffset(154.0f, value, 100);
        QTEST(int(X), "X");
        QTEST(arrowPosition(60, ArrowButtonWidth, ThumbWidth, X), "arrow");
        QTEST(QString::fromStdString(generalSingle(rheostatResistance(KR, value), ".")), "label");
        QCOMPARE(int(thumbOffset(154.0f, 5, 0)), 0);
    }
    void rows_data()
    {
        // Full and useful power and efficiency as the table shows them; none for readings beyond the singles.
        columns<QList<double>, int, QString>("IURRRaRv", "schema", "PoPvh");
        QTest::newRow("slider at 0") << QList<double>{0.64, 0, 0, 5, 75} << 2 << "10.24 0.00 0.00";
        QTest::newRow("Ra + RR = -Rv: no full power") << QList<double>{0.1, 1, 25, -100, 75} << 1 << "0.00 0.25 0.00";
        QTest::newRow("huge, held at the largest single") << QList<double>{1e200, 1e200, 0, 0, 1e-300} << 2 << "";
    }
    void rows()
    {
        QFETCH(QList<double>, IURRRaRv);
        QFETCH(int, schema);
        QFETCH(QString, PoPvh);
        const double I = IURRRaRv[0], U = IURRRaRv[1];
        const MeasuredRow row = measuredRow(I, U, float(IURRRaRv[2]), 16, IURRRaRv[3], IURRRaRv[4], schema);
        QCOMPARE(QList<float>({row.I, row.U}), QList<float>({toSingle(I), toSingle(U)}));
        QVERIFY(std::isfinite(row.Pv) && std::isfinite(row.Po) && std::isfinite(row.h));
        if (PoPvh.isEmpty()) {
            QCOMPARE(row.I, FLT_MAX);
            return;
        }
        const auto single = [](float v) { return QString::fromStdString(formatSingle(v, "##0.00", ".")); };
        QCOMPARE(single(row.Po) + " " + single(row.Pv) + " " + single(row.h), PoPvh);
        QCOMPARE(row.h, row.Po == 0 ? 0.0f : row.Pv / row.Po);
    }
    void fit_data()
    {
        // Ten currents and voltages; the slope and intercept as single-precision bits (0: no line).
        columns<QList<float>, QList<float>, quint32, quint32>("I", "U", "KK", "KB");
        QList<float> I{0.105f, 0.12f, 0.14f, 0.178f, 0.2f, 0.25f, 0.3f, 0.4f, 0.5f, 0.608f}, U;
        for (int n = 1; n <= 10; ++n)
            U << 12.63f - 15.79f * I[n - 1] + float((n % 3) - 1) * 0.02f;
        const QList<float> maxima = QList<float>{0} + QList<float>(9, FLT_MAX);
        QTest::newRow("scattered") << I << U << 0xc17cd87fu << 0x414a233au;
        QTest::newRow("three rows of ten") << QList<float>{0.05f, 0.1f, 0.15f} << QList<float>{15, 14, 13}
                                           << 0x42da7627u << 0x3f6c4ec4u;
        QTest::newRow("level, exact") << QList<float>{0.25f, 0.5f, 0.75f, 1, 1.25f, 1.5f, 1.75f, 2, 2.25f, 2.5f}
                                      << QList<float>(10, 7.5f) << 0u << 0x40f00000u;
        QTest::newRow("nothing measured") << QList<float>() << QList<float>() << 0u << 0u;
        QTest::newRow("currents equal") << QList<float>(10, 0.3f) << QList<float>(10, 5) << 0u << 0u;
        // All currents equal but the second, or the last: a line through two points, -5 and 6.5 but for rounding.
        for (int odd : {2, 10}) {
            QList<float> I(10, 0.3f), U(10, 5);
            I[odd - 1] = 0.5f;
            U[odd - 1] = 4;
            QTest::addRow("all currents but row %d equal", odd)
                << I << U << (odd == 2 ? 0xc09fff91u : 0xc09fffb4u) << (odd == 2 ? 0x40cfffdcu : 0x40cfffe8u);
        }
        QTest::newRow("sums out of range") << maxima << QList<float>(10, 5) << 0u << 0u;
    }
    void fit()
    {
        QFETCH(QList<float>, I);
        QFETCH(QList<float>, U);
        QFETCH(quint32, KB);
        std::array<float, 11> Im{}, Um{};
        std::copy(I.begin(), I.end(), Im.begin() + 1);
        std::copy(U.begin(), U.end(), Um.begin() + 1);
        const LineFit f = fitLine(Im, Um);
        QCOMPARE(f.defined, KB != 0);
        if (f.defined) {
            QTEST(bit_cast<quint32>(f.KK), "KK");
            QCOMPARE(bit_cast<quint32>(f.KB), KB);
        }
    }
    void variants()
    {
        // SplitMix64's published second output for the seed 1234567.
        std::uint64_t state = 1234567 + 0x9E3779B97F4A7C15u;
        QCOMPARE(splitMix64(state), 3203168211198807973u);
        // Output 5 * (variant - 1) + index + 1 of the stream, modulo the count of steps.
        const StepRange E{45, 120, 1, 1}, r{5, 50, 1, 1}, Rmax{100, 100000, 50, 0};
        QCOMPARE(drawnText(2026, 1, Parameter::Edc, E), "6.4");
        QCOMPARE(drawnText(2026, 7, Parameter::Edc, E), "9.9");
        QCOMPARE(drawnText(2026, 2, Parameter::r, r), "1.1");
        QCOMPARE(drawnText(0, 30, Parameter::Rmax, Rmax), "1200");
        QCOMPARE(decimalText(82, 1), "8.2");
        QCOMPARE(decimalText(120, 1), "12");
        QCOMPARE(decimalText(5, 2), "0.05");
    }
};

QTEST_APPLESS_MAIN(TestCore)
#include "tst_core.moc"
