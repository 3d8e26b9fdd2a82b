// A whole experiment: start-up and reset, the two schemes, the key and the
// parameter boxes with their validation.
#include "app/form1.h"
#include "app/keylabel.h"
#include "app/lineshape.h"
#include "app/rheostat.h"
#include "circuit/fit.h"
#include "circuit/readings.h"
#include "graphs/canvas.h"
#include "graphs/graphs.h"
#include "graphs/plots.h"
#include "graphs/table.h"
#include "tests/testsupport.h"
#include "ui/announcer.h"
#include "ui/numbertexts.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {

QString meters(const Form1 &f)
{
    return f.Picture2->accessibleDescription() + " " + f.Picture1->accessibleDescription();
}

bool tableEmpty(const Form1 &f)
{
    for (std::size_t n = 1; n <= 10; ++n)
        if (f.graphs->table->lblI[n]->text() != " " || f.s.I_m[n] != 0 || f.s.h_m[n] != 0)
            return false;
    return true;
}

// Everything the key changes, as one comparable text.
QString keyState(const Form1 &f)
{
    QString out = QString::number(f.s.rabota) + QString::number(f.Line14->X2());
    for (const QWidget *w : {static_cast<const QWidget *>(f.Frame1), static_cast<const QWidget *>(f.Option1),
                             static_cast<const QWidget *>(f.Option2)})
        out += w->isHidden() ? 'h' : 'v';
    for (const QLineEdit *box : {f.TxtEdc, f.Txtr, f.TxtRv, f.TxtRa, f.TxtRmax})
        out += box->isEnabled() ? 'e' : 'd';
    for (std::size_t n = 1; n <= 10; ++n)
        out += f.graphs->table->N_S[n]->isHidden() ? 'h' : 'v';
    return out;
}

} // namespace

class TestExperiment : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        form = makeForm(boxes);
    }
    void cleanup() { form.reset(); }

    void startUp();
    void resetRedrawsAtMaximum();
    void schemesAndKey_data();
    void schemesAndKey();
    void keyOperations_data();
    void keyOperations();
    void schemeChangeClearsTable();
    void validation_data();
    void validation();
    void rmaxSetsStepResistance();
    void keyboardOnly();

private:
    std::unique_ptr<Form1> form;
    Recorder *boxes = nullptr;
};

void TestExperiment::startUp()
{
    // Scheme 1's handler resets once, then the load handler resets again.
    QCOMPARE(form->sbrosRuns, 2);
    // In the first reset the slider moves 0 -> 100 and is recomputed, then the
    // scheme handler recomputes; the second reset finds it at 100 already.
    QCOMPARE(form->hscrollRuns, 4);
    const circuit::SimState &s = form->s;
    QCOMPARE(QList<double>({s.Edc, s.r, s.Rv, s.Ra, s.Rmax}), QList<double>({16, 20, 75, 5, 100}));
    QCOMPARE(QList<int>({s.R_st, s.R_dv, s.rabota, s.schema}), QList<int>({17, 12, 0, 1}));
    QCOMPARE(s.dlina, 154.0f);
    QCOMPARE(s.KR, 1.0);
    QCOMPARE(s.RR, 100.0f);
    QVERIFY(tableEmpty(*form));
    QCOMPARE(form->HScroll1->value(), 100);
    QCOMPARE(form->Line1->X1(), 237.0);
    QCOMPARE(meters(*form), QStringLiteral("0.000 12.63"));
    QCOMPARE(form->Lbldv->text(), QStringLiteral("100"));
    QVERIFY(!form->graphs->plots->Picture3->isHidden());
    QVERIFY(form->graphs->plots->Picture4->isHidden());
    QVERIFY(form->graphs->plots->Picture5->isHidden());
    QVERIFY(form->graphs->plots->Option3->isChecked());
    QVERIFY(form->Option1->isChecked());
    QVERIFY(form->txtK->isHidden());
    QVERIFY(form->txtB->isHidden());
    for (std::size_t n = 1; n <= 10; ++n)
        QVERIFY(form->graphs->table->N_S[n]->isHidden());
    QCOMPARE(form->Picture2->y(), 112);
    QVERIFY(boxes->errors.isEmpty());
    QCOMPARE(QSize(form->scaleWidth(), form->scaleHeight()), QSize(549, 439));
    // The reset lays the three graphs over one another, 10 pixels short of the edges.
    for (QWidget *graph : {form->graphs->plots->Picture3, form->graphs->plots->Picture4, form->graphs->plots->Picture5})
        QCOMPARE(graph->geometry(), QRect(290, 200, 249, 229));
    // The meters are black with green digits.
    for (graphs::Canvas *meter : {form->Picture1, form->Picture2}) {
        const QImage image = meter->image();
        QCOMPARE(countColour(image, QColor(0, 0, 0)) + countColour(image, QColor(0, 255, 0)) > image.width() * image.height() * 3 / 4, true);
        QVERIFY(countColour(image, QColor(0, 255, 0)) > 20);
    }
}

void TestExperiment::resetRedrawsAtMaximum()
{
    form->Picture2->cls();
    const int runs = form->hscrollRuns;
    form->sbros();
    QCOMPARE(form->hscrollRuns, runs + 1);
    QCOMPARE(form->Picture2->texts(), QStringList{"0.000"});
    // The reset hides what was shown.
    form->txtK->show();
    form->graphs->table->N_S[3]->show();
    form->sbros();
    QVERIFY(form->txtK->isHidden());
    QVERIFY(form->graphs->table->N_S[3]->isHidden());
}

void TestExperiment::schemesAndKey_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("closed");
    QTest::addColumn<int>("ammeterTop");
    QTest::newRow("scheme 1") << 1 << "0.000 12.63" << "0.105 10.98" << 112;
    QTest::newRow("scheme 2") << 2 << "0.160 12.00" << "0.236 10.11" << 50;
}

void TestExperiment::schemesAndKey()
{
    QFETCH(int, scheme);
    QFETCH(int, ammeterTop);
    if (scheme == 2)
        form->Option2->click();
    QCOMPARE(form->s.schema, scheme);
    QCOMPARE(form->Picture2->y(), ammeterTop);
    QCOMPARE(form->Picture2->x(), 8);
    QTEST(meters(*form), "open");
    form->Lblvkl_Click();
    QTEST(meters(*form), "closed");
    form->Lblvkl_Click();
    QTEST(meters(*form), "open");
}

void TestExperiment::keyOperations_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("rabota");
    QTest::newRow("click") << "click" << 1;
    QTest::newRow("double click is one click") << "double" << 1;
    QTest::newRow("released outside") << "outside" << 0;
    QTest::newRow("shortcut") << "shortcut" << 1;
    QTest::newRow("assistive press") << "press" << 1;
}

void TestExperiment::keyOperations()
{
    QFETCH(QString, way);
    QFETCH(int, rabota);
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QAccessibleActionInterface *action = QAccessible::queryAccessibleInterface(form->Lblvkl)->actionInterface();
    QCOMPARE(action->keyBindingsForAction(QAccessibleActionInterface::pressAction()), QStringList{"F2"});
    const QString open = keyState(*form);
    QCOMPARE(open, QStringLiteral("0288vvveeeeehhhhhhhhhh"));
    // The same way twice: closed, then open again.
    for (const QString &state : {QStringLiteral("1280hhhdddddvvvvvvvvvv"), open}) {
        if (way == "click") {
            QTest::mouseClick(form->Lblvkl, Qt::LeftButton);
        } else if (way == "double") {
            // As the window system delivers it: a click, then the second
            // press as a double-click, then its release.
            QTest::mouseClick(form->Lblvkl, Qt::LeftButton);
            QTest::mouseDClick(form->Lblvkl, Qt::LeftButton);
            QTest::mouseRelease(form->Lblvkl, Qt::LeftButton);
        } else if (way == "outside") {
            QTest::mousePress(form->Lblvkl, Qt::LeftButton);
            QTest::mouseRelease(form->Lblvkl, Qt::LeftButton, {}, QPoint(25, 25));
        } else if (way == "shortcut") {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(KeyLabel::Shortcut));
        } else {
            action->doAction(QAccessibleActionInterface::pressAction());
        }
        QCOMPARE(keyState(*form), rabota ? state : open);
        QCOMPARE(form->Lblvkl->accessibleName(),
                 form->s.rabota ? QStringLiteral("Ключ: замкнут") : QStringLiteral("Ключ: разомкнут"));
        QCOMPARE(QAccessible::queryAccessibleInterface(form->Lblvkl)->state().checked, bool(form->s.rabota));
    }
}

void TestExperiment::schemeChangeClearsTable()
{
    form->Lblvkl_Click();
    form->HScroll1->setValue(30);
    form->graphs->N_S_Click(1);
    form->graphs->N_S_Click(5);
    form->Lblvkl_Click();
    form->Option2->click();
    QVERIFY(tableEmpty(*form));
    QCOMPARE(redPixels(form->graphs->plots->Picture3->image()), 0);
    QCOMPARE(form->HScroll1->value(), 100);
    QCOMPARE(form->s.schema, 2);
    form->Option1->click();
    QCOMPARE(form->s.schema, 1);
    QCOMPARE(form->Picture2->y(), 112);
}

void TestExperiment::validation_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("typed"); // keystroke by keystroke over the selection, else pasted at once
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("resets");
    const QStringList none;
    const QStringList little{"Маловато будет!"}, much{"Многовато будет!"}, danger{"Опасно для жизни!"};

    // Typed: every keystroke resets; a rejected one resets twice.
    QTest::newRow("E emptied") << "TxtEdc" << "" << true << little << 16.0 << " 16" << 2;
    QTest::newRow("E 3, 30, 300") << "TxtEdc" << "300" << true << danger << 16.0 << " 16" << 4;
    QTest::newRow("E 2, 22, 220") << "TxtEdc" << "220" << true << none << 220.0 << "220" << 3;
    QTest::newRow("E 1") << "TxtEdc" << "1" << true << none << 1.0 << "1" << 1;
    // After a rejection the next keystroke replaces the reset text: what is
    // kept is what was typed after the last message, never " 20.5" or " 165".
    QTest::newRow("r 0.5") << "Txtr" << "0.5" << true << little + little << 5.0 << "5" << 5;
    QTest::newRow("E -5") << "TxtEdc" << "-5" << true << little << 5.0 << "5" << 3;
    QTest::newRow("Ra emptied is ideal") << "TxtRa" << "" << true << none << 0.0 << "" << 1;
    // Pasted.
    QTest::newRow("E 220.5") << "TxtEdc" << "220.5" << false << danger << 16.0 << " 16" << 2;
    QTest::newRow("E 0.99") << "TxtEdc" << "0.99" << false << little << 16.0 << " 16" << 2;
    QTest::newRow("E 12abc") << "TxtEdc" << "12abc" << false << none << 12.0 << "12abc" << 1;
    QTest::newRow("Rmax 100000") << "TxtRmax" << "100000" << false << none << 100000.0 << "100000" << 1;
    QTest::newRow("Rmax 100001") << "TxtRmax" << "100001" << false << much << 100.0 << " 100" << 2;
    QTest::newRow("Rmax 0.5") << "TxtRmax" << "0.5" << false << little << 100.0 << " 100" << 2;
    QTest::newRow("Rmax 1,5") << "TxtRmax" << "1,5" << false << none << 1.0 << "1,5" << 1;
    QTest::newRow("Ra 99.9") << "TxtRa" << "99.9" << false << none << 99.9 << "99.9" << 1;
    QTest::newRow("Ra 100") << "TxtRa" << "100" << false << much << 1.0 << " 1" << 2;
    QTest::newRow("Ra negative") << "TxtRa" << "-5" << false << little << 1.0 << " 1" << 2;
    QTest::newRow("Rv 0") << "TxtRv" << "0" << false << little << 200.0 << " 200" << 2;
    QTest::newRow("r 0") << "Txtr" << "0" << false << little << 20.0 << " 20" << 2;
    QTest::newRow("r 1e999") << "Txtr" << "1e999" << false << much << 20.0 << " 20" << 2;
    QTest::newRow("Rv 1e999") << "TxtRv" << "1e999" << false << much << 200.0 << " 200" << 2;
    QTest::newRow("E 1e999") << "TxtEdc" << "1e999" << false << danger << 16.0 << " 16" << 2;
    QTest::newRow("r 1e-40") << "Txtr" << "1e-40" << false << none << 1e-40 << "1e-40" << 1;
    QTest::newRow("Rv 1e307") << "TxtRv" << "1e307" << false << none << 1e307 << "1e307" << 1;
}

void TestExperiment::validation()
{
    QFETCH(QString, box);
    QFETCH(QString, input);
    QFETCH(bool, typed);
    QFETCH(QStringList, messages);
    QFETCH(double, value);
    QFETCH(QString, text);
    QFETCH(int, resets);

    auto *edit = form->findChild<QLineEdit *>(box);
    QVERIFY(edit);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    // Something measured and the slider moved: every edit must clear them.
    form->graphs->N_S_Click(4);
    form->HScroll1->setValue(20);
    const int before = form->sbrosRuns;

    if (typed) {
        edit->setFocus();
        edit->selectAll();
        if (input.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, input);
    } else {
        edit->setText(input);
    }

    QCOMPARE(boxes->errors, messages);
    QCOMPARE(edit->text(), text);
    const double stored = box == "TxtEdc" ? form->s.Edc
                          : box == "Txtr" ? form->s.r
                          : box == "TxtRv" ? form->s.Rv
                          : box == "TxtRa" ? form->s.Ra
                                           : form->s.Rmax;
    QCOMPARE(stored, value);
    QCOMPARE(form->sbrosRuns - before, resets);
    QVERIFY(tableEmpty(*form));
    QCOMPARE(form->HScroll1->value(), 100);
    for (const QString &shown : {form->Picture1->accessibleDescription(), form->Picture2->accessibleDescription()})
        QVERIFY(!shown.contains("inf") && !shown.contains("nan") && !shown.isEmpty());
    for (graphs::Canvas *c : {form->graphs->plots->Picture3, form->graphs->plots->Picture4, form->graphs->plots->Picture5})
        for (const QString &label : c->texts())
            QVERIFY(!label.contains("inf") && !label.contains("nan"));
}

void TestExperiment::rmaxSetsStepResistance()
{
    form->TxtRmax->setText("150");
    QCOMPARE(form->s.KR, 1.5);
    QCOMPARE(form->s.RR, 150.0f);
    QCOMPARE(form->Lbldv->text(), QStringLiteral("150"));
    form->HScroll1->setValue(37);
    QCOMPARE(form->Lbldv->text(), QStringLiteral("55.5"));
    form->TxtRmax->setText("250");
    QCOMPARE(form->s.KR, 2.5);
}

void TestExperiment::keyboardOnly()
{
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    auto key = [](int k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(k));
        QCoreApplication::processEvents(); // as between a person's keystrokes
    };
    auto tabTo = [&](const QString &name) {
        for (int i = 0; i < 40 && QApplication::focusWidget()->objectName() != name; ++i)
            key(Qt::Key_Tab);
        return QApplication::focusWidget()->objectName() == name;
    };
    // The rheostat has the first focus: the arrow keys move it at once.
    QCOMPARE(QApplication::focusWidget(), form->HScroll1);
    key(Qt::Key_Left);
    QCOMPARE(form->HScroll1->value(), 99);

    QVERIFY(tabTo("TxtEdc"));
    QTest::keyClick(form->TxtEdc, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(form->TxtEdc, "12");
    QVERIFY(tabTo("Option1"));
    key(Qt::Key_Down);
    QCOMPARE(form->s.schema, 2);
    key(KeyLabel::Shortcut);
    QCOMPARE(form->s.rabota, 1);
    // A screen reader is told what changed out of its sight.
    auto *announcer = form->findChild<ui::Announcer *>();
    QCOMPARE(announcer->lastMessage(), "Ключ замкнут. " + form->Picture2->accessibleName() + "; " +
                                               form->Picture1->accessibleName());

    for (int n = 1; n <= 10; ++n) {
        QVERIFY(tabTo("HScroll1"));
        key(Qt::Key_PageDown);
        QVERIFY(tabTo(QStringLiteral("N_S(%1)").arg(n)));
        key(n % 2 ? Qt::Key_Space : Qt::Key_Return); // either presses the button
    }
    QCOMPARE(form->graphs->table->recordedRows(), 10);
    QVERIFY(announcer->lastMessage().startsWith("Строка 10: Сила тока, А: " + form->graphs->table->lblI[10]->text()));
    QCOMPARE(form->HScroll1->value(), 0);

    QVERIFY(tabTo("Option3"));
    key(Qt::Key_Down);
    QVERIFY(form->graphs->plots->Picture4->isVisible());
    key(Qt::Key_Up);
    QVERIFY(tabTo("Picture3"));
    // The student visits k while they show; the focus comes back after.
    form->fitSeconds = 0.2;
    QTimer::singleShot(0, form->txtK, [this] { form->txtK->setFocus(); });
    key(Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget(), form->graphs->plots->Picture3);
    const circuit::LineFit fit = circuit::fitLine(form->s.I_m, form->s.U_m);
    QVERIFY(fit.defined);
    QCOMPARE(form->txtB->text(), ui::formatSingle(fit.KB, "##00.0000"));
    QVERIFY(boxes->errors.isEmpty());
    QCOMPARE(form->s.Edc, 12.0);
}

QTEST_MAIN(TestExperiment)
#include "tst_experiment.moc"
