// The line fit, the delay it uses, leaving the program, and resizing.
#include "app/form1.h"
#include "graphs/canvas.h"
#include "graphs/graphs.h"
#include "graphs/plots.h"
#include "graphs/table.h"
#include "tests/testsupport.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

class TestShell : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        form = makeForm(boxes);
        form->fitSeconds = 0.2;
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup()
    {
        boxes->exitAnswer = true;
        form.reset();
    }

    void fitOnTenPoints();
    void fitWithEmptyRows();
    void fitBeforeMeasuring();
    void fitPressedByScreenReader();
    void fitLevelLine();
    void fitTwice();
    void waitProcessesEvents();
    void nestedWaitsEndTogether();
    void waitUsesNoProcessor();
    void exitNo();
    void exitYes_data();
    void exitYes();
    void resizeWider();
    void resizeTooSmall();

private:
    void fillLine(int rows, float k, float b)
    {
        for (std::size_t n = 1; n <= 10; ++n) {
            form->s.I_m[n] = n <= std::size_t(rows) ? 0.05f * n : 0;
            form->s.U_m[n] = n <= std::size_t(rows) ? b + k * form->s.I_m[n] : 0;
        }
    }

    std::unique_ptr<Form1> form;
    Recorder *boxes = nullptr;
};

void TestShell::fitOnTenPoints()
{
    fillLine(10, -20, 16);
    bool together = false;
    QTimer::singleShot(50, [&] { together = form->txtK->isVisible() && form->txtB->isVisible(); });
    const int before = redPixels(form->graphs->plots->Picture3->image());
    form->Picture3_Click();
    QVERIFY(together);
    QCOMPARE(form->txtK->text(), QStringLiteral("-20.0000"));
    QCOMPARE(form->txtB->text(), QStringLiteral("16.0000"));
    QCOMPARE(form->txtB->accessibleDescription(), QStringLiteral("16.0000"));
    // Hidden together after the delay; the red line stays.
    QVERIFY(form->txtK->isHidden() && form->txtB->isHidden());
    QVERIFY(redPixels(form->graphs->plots->Picture3->image()) > before + 100);
    QCOMPARE(form->graphs->plots->Picture3->drawWidth(), 2);
}

void TestShell::fitWithEmptyRows()
{
    fillLine(3, -20, 16);
    form->Picture3_Click();
    QVERIFY(form->txtK->text() != QStringLiteral("-20.0000"));
    QVERIFY(form->txtB->text() != QStringLiteral("16.0000"));
    QVERIFY(!form->txtK->text().contains("inf") && !form->txtK->text().contains("nan"));
}

void TestShell::fitBeforeMeasuring()
{
    // No slope can be fitted: nothing is shown, drawn or changed.
    const QImage before = form->graphs->plots->Picture3->image();
    const int runs = form->hscrollRuns;
    QElapsedTimer clock;
    clock.start();
    form->Picture3_Click();
    QVERIFY(clock.elapsed() < 150);
    QCOMPARE(form->graphs->plots->Picture3->image(), before);
    QCOMPARE(form->txtK->text(), QString());
    QVERIFY(form->txtK->isHidden());
    QCOMPARE(form->hscrollRuns, runs);
}

void TestShell::fitLevelLine()
{
    // Currents and voltages exact in binary, so the slope comes out exactly 0.
    for (std::size_t n = 1; n <= 10; ++n) {
        form->s.I_m[n] = 0.25f * n;
        form->s.U_m[n] = 7.5f;
    }
    const int before = redPixels(form->graphs->plots->Picture3->image());
    form->Picture3_Click();
    QCOMPARE(form->txtK->text(), QStringLiteral("00.0000"));
    QCOMPARE(form->txtB->text(), QStringLiteral("07.5000"));
    QCOMPARE(redPixels(form->graphs->plots->Picture3->image()), before); // no line to the current axis
}

void TestShell::fitPressedByScreenReader()
{
    // The graph's press action answers at once; the fit and its delay run
    // afterwards in the event loop.
    fillLine(10, -20, 16);
    QAccessibleInterface *graph = QAccessible::queryAccessibleInterface(form->graphs->plots->Picture3);
    QVERIFY(graph && graph->actionInterface());
    QVERIFY(graph->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    graph->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(form->txtK->text(), QString());
    QTRY_COMPARE(form->txtK->text(), QStringLiteral("-20.0000"));
    QTRY_VERIFY(form->txtK->isHidden() && form->txtB->isHidden());
}

void TestShell::fitTwice()
{
    fillLine(10, -20, 16);
    form->Picture3_Click();
    const int one = redPixels(form->graphs->plots->Picture3->image());
    fillLine(10, -10, 12);
    form->Picture3_Click();
    QVERIFY(redPixels(form->graphs->plots->Picture3->image()) > one + 50);
    QCOMPARE(form->txtK->text(), QStringLiteral("-10.0000"));
}

void TestShell::waitProcessesEvents()
{
    bool handled = false;
    QTimer::singleShot(30, [&] { handled = true; });
    QElapsedTimer clock;
    clock.start();
    form->Wait(0.3);
    QVERIFY(handled);
    QVERIFY2(clock.elapsed() >= 290, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!form->Timer1->isActive());
}

void TestShell::nestedWaitsEndTogether()
{
    // A second wait restarts the count: both end 0.3 s after it started.
    QElapsedTimer clock;
    qint64 innerEnd = -1;
    clock.start();
    QTimer::singleShot(100, [&] {
        form->Wait(0.3);
        innerEnd = clock.elapsed();
    });
    form->Wait(0.3);
    const qint64 outerEnd = clock.elapsed();
    QVERIFY(innerEnd >= 390);
    QVERIFY2(outerEnd - innerEnd < 100, qPrintable(QString("%1 %2").arg(innerEnd).arg(outerEnd)));
}

void TestShell::waitUsesNoProcessor()
{
    QElapsedTimer clock;
    clock.start();
    const double cpuBefore = cpuSeconds();
    form->Wait(2);
    const double cpu = cpuSeconds() - cpuBefore;
    const double wall = clock.elapsed() / 1000.0;
    qInfo("Wait(2): %.3f s of processor time in %.3f s (%.2f %%)", cpu, wall, 100 * cpu / wall);
    QVERIFY(cpu < 0.2 * wall);
}

void TestShell::exitNo()
{
    form->Lblvkl_Click();
    form->graphs->N_S_Click(3);
    const QImage graph = form->graphs->plots->Picture3->image();
    QVERIFY(!form->close());
    QCOMPARE(boxes->exitAsked, 1);
    QVERIFY(form->isVisible());
    QCOMPARE(form->graphs->table->lblI[3]->text(), QStringLiteral("0.105"));
    QCOMPARE(form->s.rabota, 1);
    QCOMPARE(form->graphs->plots->Picture3->image(), graph);
    QVERIFY(!form->close());
    QCOMPARE(boxes->exitAsked, 2); // asked again
}

void TestShell::exitYes_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::newRow("idle") << "idle";
    QTest::newRow("during the fit's wait") << "wait";
    QTest::newRow("with the Authors window open") << "authors";
}

void TestShell::exitYes()
{
    QFETCH(QString, scenario);
    QProcess child;
    child.setProgram(QCoreApplication::applicationDirPath() + "/exit_child");
    child.setArguments({scenario});
    QElapsedTimer clock;
    clock.start();
    child.start();
    QVERIFY(child.waitForFinished(8000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QVERIFY2(clock.elapsed() < 8000, "the wait of 10 s must not hold the exit");
    const QByteArray out = child.readAllStandardOutput();
    QVERIFY2(out.contains("asked"), out.constData());
    QVERIFY2(!out.contains("returned"), out.constData());
}

void TestShell::resizeWider()
{
    form->Lblvkl_Click();
    form->graphs->N_S_Click(1);
    fillLine(10, -20, 16);
    form->Picture3_Click(); // a fitted line, gone after the resize
    const QSize before = form->graphs->plots->Picture4->size();
    form->resize(form->width() + 100, form->height());
    QTRY_COMPARE(form->graphs->plots->Picture4->width(), before.width() + 100);
    for (graphs::Canvas *c : {form->graphs->plots->Picture3, form->graphs->plots->Picture4, form->graphs->plots->Picture5}) {
        QCOMPARE(c->pos(), QPoint(290, 200));
        QCOMPARE(c->height(), before.height());
        QCOMPARE(c->drawWidth(), 5);
    }
    const QImage u = form->graphs->plots->Picture3->image();
    QCOMPARE(u.width(), before.width() + 100);
    // Ten points replotted (from the table), no fitted line: only dots are red.
    const int reds = redPixels(u);
    QVERIFY2(reds > 0 && reds < 10 * 25, qPrintable(QString::number(reds)));
    QCOMPARE(form->txtK->text(), QStringLiteral("-20.0000"));
}

void TestShell::resizeTooSmall()
{
    form->resize(200, 150);
    QApplication::processEvents();
    for (graphs::Canvas *c : {form->graphs->plots->Picture3, form->graphs->plots->Picture4, form->graphs->plots->Picture5})
        QVERIFY(c->width() > 0 && c->height() > 0);
    form->sbros(); // the reset's layout keeps away from negative sizes too
    QVERIFY(form->graphs->plots->Picture3->width() > 0);
    form->showMinimized();
    QApplication::processEvents();
    form->showNormal();
    form->resize(700, 520);
    QTRY_COMPARE(form->graphs->plots->Picture3->width(), form->scaleWidth() - 300);
    QCOMPARE(form->graphs->plots->Picture3->height(), form->scaleHeight() - 210);
    QCOMPARE(form->graphs->plots->Picture3->image().width(), form->scaleWidth() - 300);
    QCOMPARE(form->graphs->plots->Picture3->texts().mid(18, 1), QStringList{"U, B"});
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
