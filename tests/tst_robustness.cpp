// Faults that the random soak and the fuzzing brought to light, each held
// by a test of its own.
#include "app/form1.h"
#include "circuit/leadingnumber.h"
#include "tests/testsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <limits>
#include <string>

class TestRobustness : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        form = makeForm(boxes);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    void selectedSchemeStaysSelected_data();
    void selectedSchemeStaysSelected();
    void waitEndsWhenTheApplicationQuits();
    void exponentBeyondAMillionDigits_data();
    void exponentBeyondAMillionDigits();

private:
    std::unique_ptr<Form1> form;
    Recorder *boxes = nullptr;
};

void TestRobustness::selectedSchemeStaysSelected_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<QString>("graph");
    QTest::newRow("scheme 1, U(I)") << 1 << "Option3";
    QTest::newRow("scheme 2, U(I)") << 2 << "Option3";
    QTest::newRow("scheme 1, powers") << 1 << "Option4";
    QTest::newRow("scheme 2, efficiency") << 2 << "Option5";
}

// A click on the scheme already selected changes nothing: it stays selected
// and the experiment is not reset, whichever graph is chosen.
void TestRobustness::selectedSchemeStaysSelected()
{
    QFETCH(int, scheme);
    QFETCH(QString, graph);
    QRadioButton *mine = scheme == 1 ? form->Option1 : form->Option2;
    QRadioButton *other = scheme == 1 ? form->Option2 : form->Option1;
    QTest::mouseClick(mine, Qt::LeftButton);
    QTest::mouseClick(form->findChild<QRadioButton *>(graph), Qt::LeftButton);
    const int resets = form->sbrosRuns;

    QTest::mouseClick(mine, Qt::LeftButton);
    QVERIFY(mine->isChecked());
    QVERIFY(!other->isChecked());
    QCOMPARE(form->s.schema, scheme);
    QCOMPARE(form->sbrosRuns, resets);
    QVERIFY(form->findChild<QRadioButton *>(graph)->isChecked());
}

// When the application leaves its event loops while the fit waits (exit
// called from elsewhere than the window's own close), the wait ends instead
// of spinning on an event loop that no longer runs.
void TestRobustness::waitEndsWhenTheApplicationQuits()
{
    QTimer::singleShot(20, qApp, [] { QCoreApplication::exit(0); });
    QElapsedTimer clock;
    clock.start();
    form->Wait(30);
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    // A new wait after that ends at once as well.
    form->Wait(30);
    QVERIFY(clock.elapsed() < 5000);
    // Lets the application's own loop run once, which clears its quitting.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

void TestRobustness::exponentBeyondAMillionDigits_data()
{
    QTest::addColumn<bool>("integerDigits");
    QTest::addColumn<QString>("exponent");
    QTest::addColumn<double>("value");
    // Two million digits against an exponent of a thousand million.
    QTest::newRow("nines, large negative exponent") << true << "e-1000000000" << 0.0;
    QTest::newRow("tiny fraction, large exponent") << false << "e1000000000"
                                                   << std::numeric_limits<double>::infinity();
    QTest::newRow("nines, exponent that cancels them") << true << "e-1999998" << 100.0;
}

void TestRobustness::exponentBeyondAMillionDigits()
{
    QFETCH(bool, integerDigits);
    QFETCH(QString, exponent);
    QFETCH(double, value);
    const std::string digits = integerDigits ? std::string(2000000, '9')
                                             : "0." + std::string(2000000, '0') + "1";
    QCOMPARE(circuit::leadingNumber(digits + exponent.toStdString()), value);
}

QTEST_MAIN(TestRobustness)
#include "tst_robustness.moc"
