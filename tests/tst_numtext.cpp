// The leading-number rule of the parameter boxes and the number texts.
#include "circuit/leadingnumber.h"
#include "circuit/numberformat.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestNumText : public QObject
{
    Q_OBJECT
private slots:
    void leadingNumber_data();
    void leadingNumber();
    void hugeAndTinyMagnitudes();
    void formatPattern_data();
    void formatPattern();
    void generalSingle_data();
    void generalSingle();
    void signedText_data();
    void signedText();
};

void TestNumText::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << "16" << 16.0;
    QTest::newRow("trailing letters") << "12abc" << 12.0;
    QTest::newRow("comma ends it") << "1,5" << 1.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("plus sign") << "+5" << 5.0;
    QTest::newRow("exponent then junk") << "-2.5e1x" << -25.0;
    QTest::newRow("blanks inside") << " 1 6" << 16.0;
    QTest::newRow("tab and line feed") << "\t2\n5" << 25.0;
    QTest::newRow("bare e") << "1e" << 1.0;
    QTest::newRow("e with sign only") << "1e-" << 1.0;
    QTest::newRow("e first") << "e5" << 0.0;
    QTest::newRow("second point ends it") << "1.2.3" << 1.2;
    QTest::newRow("capital E negative") << "1E-2" << 0.01;
    QTest::newRow("explicit plus exponent") << "2e+1" << 20.0;
    QTest::newRow("fraction only") << ".5" << 0.5;
    QTest::newRow("point last") << "5." << 5.0;
    QTest::newRow("blank in exponent") << "1e 3" << 1000.0;
    QTest::newRow("letters first") << "abc12" << 0.0;
    QTest::newRow("non-ASCII ends it") << "3½" << 3.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("negative zero reads 0") << "-0" << 0.0;
    QTest::newRow("reset text") << " 200" << 200.0;
}

void TestNumText::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const double got = circuit::leadingNumber(text.toStdString());
    QCOMPARE(got, value);
    QVERIFY(!std::signbit(got) || got != 0.0);
}

void TestNumText::hugeAndTinyMagnitudes()
{
    const double inf = std::numeric_limits<double>::infinity();
    QCOMPARE(circuit::leadingNumber("1e999"), inf);
    QCOMPARE(circuit::leadingNumber("-1e999"), -inf);
    QCOMPARE(circuit::leadingNumber("1e99999999999999999999"), inf);
    QCOMPARE(circuit::leadingNumber(std::string(10000, '9')), inf);
    QCOMPARE(circuit::leadingNumber("-1e-400"), 0.0);
    QCOMPARE(circuit::leadingNumber("0." + std::string(500, '0') + "1"), 0.0);
    QCOMPARE(circuit::leadingNumber("1e-40"), 1e-40);
    QCOMPARE(circuit::leadingNumber("1.7976931348623157e308"), 1.7976931348623157e308);
    QCOMPARE(circuit::leadingNumber("123456789012345678901234567890"), 1.2345678901234568e29);
}

void TestNumText::formatPattern_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("point");
    QTest::addColumn<QString>("comma");
    QTest::newRow("ammeter") << 0.10526 << "#0.000" << "0.105" << "0,105";
    QTest::newRow("ammeter zero") << 0.0 << "#0.000" << "0.000" << "0,000";
    QTest::newRow("10 A keeps its digits") << 12.345 << "#0.000" << "12.345" << "12,345";
    QTest::newRow("large current") << 2200.0 << "#0.000" << "2200.000" << "2200,000";
    QTest::newRow("voltmeter") << 12.631578 << "#0.00" << "12.63" << "12,63";
    QTest::newRow("table voltage") << 14.0 << "##0.00" << "14.00" << "14,00";
    QTest::newRow("half rounds up") << 0.125 << "##0.00" << "0.13" << "0,13";
    QTest::newRow("decimal half rounds up") << 1.005 << "#0.00" << "1.01" << "1,01";
    QTest::newRow("carry into integer") << 9.9996 << "#0.000" << "10.000" << "10,000";
    QTest::newRow("below half") << 0.1249 << "##0.00" << "0.12" << "0,12";
    QTest::newRow("negative slope") << -20.0 << "##00.0000" << "-20.0000" << "-20,0000";
    QTest::newRow("negative padded") << -5.5 << "##00.0000" << "-05.5000" << "-05,5000";
    QTest::newRow("intercept") << 16.0 << "##00.0000" << "16.0000" << "16,0000";
    QTest::newRow("fraction padded") << 0.25 << "##00.0000" << "00.2500" << "00,2500";
    QTest::newRow("negative half away from zero") << -0.125 << "#0.00" << "-0.13" << "-0,13";
    QTest::newRow("tiny negative has no sign") << -0.0001 << "#0.00" << "0.00" << "0,00";
    QTest::newRow("three digits of hundreds") << 123.456 << "#0.00" << "123.46" << "123,46";
}

void TestNumText::formatPattern()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, point);
    QFETCH(QString, comma);
    QCOMPARE(QString::fromStdString(circuit::formatPattern(value, pattern.toStdString(), ".")), point);
    QCOMPARE(QString::fromStdString(circuit::formatPattern(value, pattern.toStdString(), ",")), comma);
}

void TestNumText::generalSingle_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 100.0f << "100";
    QTest::newRow("half ohms") << 55.5f << "55.5";
    QTest::newRow("not exact in binary") << 0.21f << "0.21";
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("seven digits at most") << 1.0f / 3.0f << "0.3333333";
    QTest::newRow("largest rheostat") << 100000.0f << "100000";
    QTest::newRow("per step of 1 ohm") << 0.01f << "0.01";
    QTest::newRow("product in double kept single") << static_cast<float>(1.37 * 33) << "45.21";
    QTest::newRow("beyond seven digits") << 12345678.0f << "1.234568E+07";
    QTest::newRow("very small") << 1e-5f << "1E-05";
}

void TestNumText::generalSingle()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(circuit::generalSingle(value, ".")), text);
    QCOMPARE(QString::fromStdString(circuit::generalSingle(value, ",")), QString(text).replace('.', ','));
}

void TestNumText::signedText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    for (double v : {16.0, 20.0, 200.0, 1.0, 100.0})
        QTest::newRow(qPrintable(QString::number(v))) << v << " " + QString::number(v);
    QTest::newRow("negative") << -5.0 << "-5";
    QTest::newRow("fraction") << 2.5 << " 2.5";
}

void TestNumText::signedText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(circuit::signedText(value)), text);
}

QTEST_APPLESS_MAIN(TestNumText)
#include "tst_numtext.moc"
