// The main window as a student uses it: start-up, the rheostat and meters,
// the key and schemes, the parameter boxes, the table, the fit and its
// delay, resizing, leaving; the keyboard, focus marks and what a screen
// reader is told.
#include "app/lineshape.h"
#include "circuit/fit.h"
#include "graphs/canvas.h"
#include "tests/testsupport.h"
#include "ui/announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>

#include <bit>

using graphs::Canvas;

class TestWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        form = makeForm(boxes);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup()
    {
        boxes->exitAnswer = true;
        form.reset();
    }

    void startUp();
    void rheostat_data();
    void rheostat();
    void rheostatByMouseAndKeys();
    void numbersKeepEveryDigit_data();
    void numbersKeepEveryDigit();
    void key_data();
    void key();
    void schemes_data();
    void schemes();
    void validation_data();
    void validation();
    void fit_data();
    void fit();
    void waits_data();
    void waits();
    void resize_data();
    void resize();
    void leaving_data();
    void leaving();
    void keyboardOnly();
    void focus_data();
    void focus();
    void desktopFontIgnored();
    void textPieces_data();
    void textPieces();

private:
    template <class T = QWidget> T *find(const QString &name) const { return form->findChild<T *>(name); }
    QString meters() const { return find("Picture2")->accessibleDescription() + " " + find("Picture1")->accessibleDescription(); }
    // Everything the key changes, as one comparable text.
    QString keyState() const
    {
        QString out = QString::number(probe().s().rabota) + QString::number(find<LineShape>("Line14")->X2());
        for (const char *name : {"Frame1", "Option1", "Option2"})
            out += find(name)->isHidden() ? 'h' : 'v';
        for (const char *name : {"TxtEdc", "Txtr", "TxtRv", "TxtRa", "TxtRmax"})
            out += find(name)->isEnabled() ? 'e' : 'd';
        for (int n = 1; n <= 10; ++n)
            out += find(QStringLiteral("N_S(%1)").arg(n))->isHidden() ? 'h' : 'v';
        return out;
    }
    Form1Probe probe() const { return {*form}; }
    bool tableEmpty() const
    {
        for (std::size_t n = 1; n <= 10; ++n)
            if (probe().table().isRecorded(n) || probe().s().I_m[n] != 0 || probe().s().h_m[n] != 0)
                return false;
        return true;
    }
    // Rows on the line U = k*I + b; a level line with values exact in binary.
    void fillLine(int rows, float k, float b)
    {
        for (std::size_t n = 1; n <= 10; ++n) {
            probe().s().I_m[n] = n <= std::size_t(rows) ? (k == 0 ? 0.25f : 0.05f) * n : 0;
            probe().s().U_m[n] = n <= std::size_t(rows) ? b + k * probe().s().I_m[n] : 0;
        }
    }
    void key(int k) const
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(k));
        QCoreApplication::processEvents(); // as between a person's keystrokes
    }
    bool tabTo(const QString &name) const
    {
        for (int i = 0; i < 40 && QApplication::focusWidget()->objectName() != name; ++i)
            key(Qt::Key_Tab);
        return QApplication::focusWidget()->objectName() == name;
    }

    std::unique_ptr<Form1> form;
    Recorder *boxes = nullptr;
};

void TestWindow::startUp()
{
    const circuit::SimState &s = probe().s();
    QCOMPARE(QList<double>({s.Edc, s.r, s.Rv, s.Ra, s.Rmax, s.KR}), QList<double>({16, 20, 75, 5, 100, 1}));
    QCOMPARE(QList<int>({s.R_st, s.R_dv, s.rabota, s.schema, s.X}), QList<int>({17, 12, 0, 1, 154}));
    QCOMPARE(QList<float>({s.dlina, s.RR}), QList<float>({154, 100}));
    QVERIFY(tableEmpty());
    QCOMPARE(find<QScrollBar>("HScroll1")->value(), 100);
    QCOMPARE(meters(), QStringLiteral("0.000 12.63"));
    QCOMPARE(find<QLabel>("Lbldv")->text(), QStringLiteral("100"));
    QCOMPARE(find<QRadioButton>("Option1")->isChecked() && find<QRadioButton>("Option3")->isChecked(), true);
    for (const char *hidden : {"Picture4", "Picture5", "txtK", "txtB", "N_S(1)", "N_S(10)"})
        QVERIFY2(find(hidden)->isHidden(), hidden);
    QCOMPARE(find("Picture2")->pos(), QPoint(8, 112));
    QCOMPARE(QSize(form->scaleWidth(), form->scaleHeight()), QSize(549, 439));
    // The reset lays the three graphs over one another, 10 pixels short of the edges.
    for (const char *graph : {"Picture3", "Picture4", "Picture5"})
        QCOMPARE(find(graph)->geometry(), QRect(290, 200, 249, 229));
    // The meters are black with green digits.
    for (const char *meter : {"Picture1", "Picture2"}) {
        const QImage image = find<Canvas>(meter)->image();
        QVERIFY(countColour(image, Qt::black) > image.width() * image.height() / 2);
        QVERIFY(countColour(image, QColor(0, 255, 0)) > 20);
    }
    QVERIFY(boxes->errors.isEmpty());
}

void TestWindow::rheostat_data()
{
    QTest::addColumn<QString>("Rmax");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("arrow");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("closed"); // the meters with the key closed
    QTest::newRow("0") << "100" << 0 << 83 << "0" << "0.608 3.04";
    QTest::newRow("25") << "100" << 25 << 121 << "25" << "0.276 8.28";
    QTest::newRow("75") << "100" << 75 << 199 << "75" << "0.132 10.55";
    QTest::newRow("100") << "100" << 100 << 237 << "100" << "0.105 10.98";
    QTest::newRow("Rmax 150 at 37") << "150" << 37 << 140 << "55.5" << "0.166 10.02";
    QTest::newRow("Rmax 1 at 10") << "1" << 10 << 98 << "0.1" << "0.605 3.08";
}

void TestWindow::rheostat()
{
    QFETCH(QString, Rmax);
    QFETCH(int, value);
    QFETCH(int, arrow);
    QFETCH(QString, label);
    auto *bar = find<QScrollBar>("HScroll1");
    find<QLineEdit>("TxtRmax")->setText(Rmax);
    QCOMPARE(probe().s().KR, Rmax.toDouble() / 100);
    bar->setValue(value == 100 ? 0 : 100);
    bar->setValue(value);
    QCOMPARE(find<LineShape>("Line1")->X1(), double(arrow));
    QCOMPARE(find<LineShape>("Line1")->X2(), double(arrow));
    QCOMPARE(find<LineShape>("Line6")->X1(), double(arrow));
    QCOMPARE(find<LineShape>("Line2")->X2(), double(arrow - 4));
    QCOMPARE(find<LineShape>("Line3")->X2(), double(arrow + 4));
    QCOMPARE(find("Lbldv")->x(), arrow + 2);
    QCOMPARE(find<QLabel>("Lbldv")->text(), label);
    QCOMPARE(find("Lbldv")->accessibleName(), "Значение сопротивления: " + label);
    QAccessibleValueInterface *ohms = QAccessible::queryAccessibleInterface(bar)->valueInterface();
    QCOMPARE(QString::number(ohms->currentValue().toDouble()), label);
    QCOMPARE(meters(), QStringLiteral("0.000 12.63"));
    form->Lblvkl_Click();
    QTEST(meters(), "closed");
    // The thumb, 12 pixels wide, stands under the arrow; each arrow button is 17 wide.
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Horizontal;
    option.maximum = 100;
    option.sliderPosition = option.sliderValue = value;
    const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
    QCOMPARE(thumb.width(), 12);
    QCOMPARE(bar->x() + thumb.x() + thumb.width() / 2, arrow);
    QCOMPARE(bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSubLine, bar).width(), 17);
}

void TestWindow::rheostatByMouseAndKeys()
{
    auto *bar = find<QScrollBar>("HScroll1");
    auto *label = find<QLabel>("Lbldv");
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(8, 12)); // the left arrow: one step
    QCOMPARE(bar->value(), 99);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(60, 12)); // the trough: ten
    QCOMPARE(label->text(), QStringLiteral("89"));
    // Dragging the thumb changes nothing until it is released.
    const int thumb = int(find<LineShape>("Line1")->X1()) - bar->x();
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(thumb, 12));
    QMouseEvent move(QEvent::MouseMove, QPointF(thumb - 77, 12), bar->mapToGlobal(QPointF(thumb - 77, 12)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    QCOMPARE(label->text(), QStringLiteral("89"));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(thumb - 77, 12));
    QCOMPARE(label->text(), QStringLiteral("39"));
    QTest::keyClick(bar, Qt::Key_Left);
    QTest::keyClick(bar, Qt::Key_PageUp);
    QCOMPARE(label->text(), QStringLiteral("48"));
}

void TestWindow::numbersKeepEveryDigit_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QStringList>("parameters"); // E, r, Ra, Rmax
    QTest::addColumn<int>("slider");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");
    const QStringList designed{"16", "20", "5", "100"}, e220{"220", "0.01", "0", "100"}, e50{"50", "1", "0", "100"};
    QTest::newRow("ammeter fits") << "Picture2" << designed << 100 << "0.105" << true;
    QTest::newRow("voltmeter fits") << "Picture1" << designed << 100 << "10.98" << true;
    QTest::newRow("current cell fits") << "lblI(1)" << designed << 100 << "0.105" << true;
    QTest::newRow("efficiency cell fits") << "lblKPD(1)" << designed << 100 << "0.27" << true;
    QTest::newRow("rheostat fits") << "Lbldv" << designed << 100 << "100" << true;
    QTest::newRow("ammeter E 220") << "Picture2" << e220 << 0 << "22000.000" << false;
    QTest::newRow("current cell E 220") << "lblI(1)" << e220 << 0 << "22000.000" << false;
    QTest::newRow("full power cell E 220") << "lblP0(1)" << e220 << 0 << "4840000.00" << false;
    QTest::newRow("ammeter E 50") << "Picture2" << e50 << 0 << "50.000" << false;
    QTest::newRow("full power cell E 50") << "lblP0(1)" << e50 << 0 << "2500.00" << false;
    QTest::newRow("rheostat 100.5") << "Lbldv" << QStringList{"16", "20", "5", "201"} << 50 << "100.5" << false;
}

void TestWindow::numbersKeepEveryDigit()
{
    QFETCH(QString, element);
    QFETCH(QStringList, parameters);
    QFETCH(bool, fits);
    auto *w = find(element);
    const QFont designed = w->font();
    const char *names[4] = {"TxtEdc", "Txtr", "TxtRa", "TxtRmax"};
    for (int i = 0; i < 4; ++i)
        find<QLineEdit>(names[i])->setText(parameters[i]);
    form->Lblvkl_Click();
    QFETCH(int, slider);
    find<QScrollBar>("HScroll1")->setValue(slider);
    probe().record(1);
    QTEST(w->accessibleDescription(), "text");
    QCOMPARE(w->font().pointSizeF() == designed.pointSizeF(), fits);
    QVERIFY(w->font().pointSizeF() <= designed.pointSizeF());
    // The text's ink stays off the inner right edge and, in a framed cell, off the left one too.
    const QImage shown = find("surface")->grab(w->geometry()).toImage();
    const auto *frame = qobject_cast<QFrame *>(w);
    const int edge = frame ? frame->frameWidth() : 0;
    const QRect inner = QRect(QPoint(0, 0), w->size()).adjusted(edge, edge, -edge, -edge);
    const QColor background = shown.pixelColor(inner.bottomLeft());
    int ink = 0;
    for (int y = inner.top(); y <= inner.bottom(); ++y)
        for (int x = inner.left(); x <= inner.right(); ++x)
            if (shown.pixelColor(x, y) != background) {
                ++ink;
                QVERIFY2(x != inner.right() && (x != inner.left() || edge == 0), qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
            }
    QVERIFY(ink > 10);
}

void TestWindow::key_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("rabota");
    QTest::newRow("click") << "click" << 1;
    QTest::newRow("double click is one click") << "double" << 1;
    QTest::newRow("released outside") << "outside" << 0;
    QTest::newRow("right button") << "right" << 0;
    QTest::newRow("shortcut") << "shortcut" << 1;
    QTest::newRow("assistive press") << "press" << 1;
}

void TestWindow::key()
{
    QFETCH(QString, way);
    QFETCH(int, rabota);
    QWidget *blade = find("Lblvkl");
    QAccessibleInterface *access = QAccessible::queryAccessibleInterface(blade);
    QCOMPARE(access->role(), QAccessible::CheckBox);
    QCOMPARE(access->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()), QStringList{"F2"});
    QCOMPARE(blade->focusPolicy(), Qt::NoFocus);
    const QString open = keyState();
    QCOMPARE(open, QStringLiteral("0288vvveeeeehhhhhhhhhh"));
    auto *announcer = form->findChild<ui::Announcer *>();
    // The same way twice: closed, then open again.
    for (const QString &state : {QStringLiteral("1280hhhdddddvvvvvvvvvv"), open}) {
        if (way == "click" || way == "double") {
            QTest::mouseClick(blade, Qt::LeftButton);
            if (way == "double") // the second press comes as a double-click
                QTest::mouseDClick(blade, Qt::LeftButton), QTest::mouseRelease(blade, Qt::LeftButton);
        } else if (way == "outside") {
            QTest::mousePress(blade, Qt::LeftButton);
            QTest::mouseRelease(blade, Qt::LeftButton, {}, QPoint(25, 25));
        } else if (way == "right") {
            QTest::mouseClick(blade, Qt::RightButton);
        } else if (way == "shortcut") {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        } else {
            access->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
        QCOMPARE(keyState(), rabota ? state : open);
        const QString said = probe().s().rabota ? "замкнут" : "разомкнут";
        QCOMPARE(blade->accessibleName(), "Ключ: " + said);
        QCOMPARE(access->state().checked, bool(probe().s().rabota));
        QCoreApplication::processEvents();
        if (rabota) // a screen reader hears the key, then both meters
            QCOMPARE(announcer->lastMessage(), "Ключ " + said + ". " + find("Picture2")->accessibleName() + "; " +
                                                   find("Picture1")->accessibleName());
    }
}

void TestWindow::schemes_data()
{
    // Clicks on the schemes and graph choices, then what the scheme, meters and table show.
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("scheme");
    QTest::addColumn<int>("ammeterTop");
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("closed");
    QTest::addColumn<bool>("cleared"); // a row recorded before the last click is gone
    QTest::newRow("scheme 2") << QStringList{"Option2"} << 2 << 50 << "0.160 12.00" << "0.236 10.11" << true;
    QTest::newRow("scheme 2, then 1") << QStringList{"Option2", "Option1"} << 1 << 112 << "0.000 12.63" << "0.105 10.98" << true;
    // A click on the scheme already selected changes nothing, whichever graph is chosen.
    QTest::newRow("1 again, U(I)") << QStringList{"Option3", "Option1"} << 1 << 112 << "0.000 12.63" << "0.105 10.98" << false;
    QTest::newRow("2 again, h(I)") << QStringList{"Option2", "Option5", "Option2"} << 2 << 50 << "0.160 12.00" << "0.236 10.11" << false;
    QTest::newRow("1 again, powers") << QStringList{"Option4", "Option1"} << 1 << 112 << "0.000 12.63" << "0.105 10.98" << false;
}

void TestWindow::schemes()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, scheme);
    for (const QString &name : clicks) {
        if (name == clicks.last()) { // something measured, the key open again
            form->Lblvkl_Click();
            find<QScrollBar>("HScroll1")->setValue(30);
            probe().record(5);
            form->Lblvkl_Click();
        }
        QTest::mouseClick(find(name), Qt::LeftButton, {}, QPoint(5, 5));
    }
    QCOMPARE(probe().s().schema, scheme);
    QVERIFY(find<QRadioButton>(scheme == 1 ? "Option1" : "Option2")->isChecked());
    QVERIFY(!find<QRadioButton>(scheme == 1 ? "Option2" : "Option1")->isChecked());
    QTEST(find("Picture2")->y(), "ammeterTop");
    QFETCH(bool, cleared);
    QCOMPARE(tableEmpty(), cleared);
    QCOMPARE(redPixels(probe().plots().Picture3->image()) == 0, cleared);
    QCOMPARE(find<QScrollBar>("HScroll1")->value(), cleared ? 100 : 30);
    // A scheme choice goes back to U(I); a click on the selected one keeps the graph.
    QVERIFY(find<QRadioButton>(cleared ? "Option3" : clicks[clicks.size() - 2])->isChecked());
    find<QScrollBar>("HScroll1")->setValue(100);
    QTEST(meters(), "open");
    form->Lblvkl_Click();
    QTEST(meters(), "closed");
}

void TestWindow::validation_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("typed"); // keystroke by keystroke over the selection, else pasted at once
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    const QStringList none, little{"Маловато будет!"}, much{"Многовато будет!"}, danger{"Опасно для жизни!"};
    QTest::newRow("E emptied") << "TxtEdc" << "" << true << little << 16.0 << " 16";
    QTest::newRow("E 3, 30, 300") << "TxtEdc" << "300" << true << danger << 16.0 << " 16";
    QTest::newRow("E 2, 22, 220") << "TxtEdc" << "220" << true << none << 220.0 << "220";
    // After a rejection the next keystroke replaces the reset text: what is
    // kept is what was typed after the last message, never " 20.5" or " 165".
    QTest::newRow("r 0.5") << "Txtr" << "0.5" << true << little + little << 5.0 << "5";
    QTest::newRow("E -5") << "TxtEdc" << "-5" << true << little << 5.0 << "5";
    QTest::newRow("Ra emptied is ideal") << "TxtRa" << "" << true << none << 0.0 << "";
    QTest::newRow("E 220.5") << "TxtEdc" << "220.5" << false << danger << 16.0 << " 16";
    QTest::newRow("E 12abc") << "TxtEdc" << "12abc" << false << none << 12.0 << "12abc";
    QTest::newRow("Rmax 100001") << "TxtRmax" << "100001" << false << much << 100.0 << " 100";
    QTest::newRow("Rmax 1,5") << "TxtRmax" << "1,5" << false << none << 1.0 << "1,5";
    QTest::newRow("Ra 100") << "TxtRa" << "100" << false << much << 1.0 << " 1";
    QTest::newRow("Rv 0") << "TxtRv" << "0" << false << little << 200.0 << " 200";
    QTest::newRow("r 1e999") << "Txtr" << "1e999" << false << much << 20.0 << " 20";
    QTest::newRow("Rv 1e307") << "TxtRv" << "1e307" << false << none << 1e307 << "1e307";
}

void TestWindow::validation()
{
    QFETCH(QString, box);
    QFETCH(QString, input);
    auto *edit = find<QLineEdit>(box);
    // Something measured and the slider moved: every edit must clear them.
    probe().record(4);
    find<QScrollBar>("HScroll1")->setValue(20);
    QFETCH(bool, typed);
    if (typed) {
        edit->setFocus();
        edit->selectAll();
        input.isEmpty() ? QTest::keyClick(edit, Qt::Key_Backspace) : QTest::keyClicks(edit, input);
    } else {
        edit->setText(input);
    }
    QTEST(boxes->errors, "messages");
    QTEST(edit->text(), "text");
    const circuit::SimState &s = probe().s();
    const QMap<QString, double> stored{{"TxtEdc", s.Edc}, {"Txtr", s.r}, {"TxtRv", s.Rv}, {"TxtRa", s.Ra}, {"TxtRmax", s.Rmax}};
    QTEST(stored[box], "value");
    QVERIFY(tableEmpty());
    QCOMPARE(find<QScrollBar>("HScroll1")->value(), 100);
    QCOMPARE(s.KR, s.Rmax / 100);
    QString shown = meters();
    for (const char *graph : {"Picture3", "Picture4", "Picture5"})
        shown += find<Canvas>(graph)->texts().join(' ');
    QVERIFY(!shown.contains("inf") && !shown.contains("nan"));
}

void TestWindow::fit_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<float>("k");
    QTest::addColumn<QString>("press"); // how the U(I) graph is pressed
    QTest::addColumn<QString>("K");
    QTest::addColumn<QString>("B"); // empty: nothing fitted, shown or drawn
    QTest::newRow("ten rows, click") << 10 << -20.0f << "click" << "-20.0000" << "16.0000";
    QTest::newRow("ten rows, Space") << 10 << -20.0f << "Space" << "-20.0000" << "16.0000";
    QTest::newRow("ten rows, Enter") << 10 << -20.0f << "Enter" << "-20.0000" << "16.0000";
    QTest::newRow("ten rows, screen reader") << 10 << -20.0f << "press" << "-20.0000" << "16.0000";
    QTest::newRow("three rows counted as ten") << 3 << -20.0f << "click" << "109.2308" << "00.9231";
    QTest::newRow("before measuring") << 0 << -20.0f << "click" << "" << "";
    QTest::newRow("level line") << 10 << 0.0f << "click" << "00.0000" << "16.0000";
}

void TestWindow::fit()
{
    QFETCH(int, rows);
    QFETCH(float, k);
    QFETCH(QString, press);
    QFETCH(QString, B);
    fillLine(rows, k, 16);
    Canvas *graph = probe().plots().Picture3;
    const int before = redPixels(graph->image());
    // The student reads k while the boxes show; the focus comes back after.
    QString shownK, shownB;
    QTimer reader;
    connect(&reader, &QTimer::timeout, [&] {
        if (find("txtK")->isHidden())
            return;
        reader.stop();
        shownK = find<QLineEdit>("txtK")->text(), shownB = find<QLineEdit>("txtB")->text();
        QVERIFY(find("txtB")->isVisible());
        find("txtK")->setFocus();
        find<QTimer>("Timer1")->start(1);
    });
    reader.start(0);
    graph->setFocus();
    if (press == "click")
        QTest::mouseClick(graph, Qt::LeftButton);
    else if (press == "press") // the action answers at once; the fit runs in the event loop
        QAccessible::queryAccessibleInterface(graph)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    else
        QTest::keyClick(graph, press == "Space" ? Qt::Key_Space : Qt::Key_Return);
    if (B.isEmpty()) {
        QCoreApplication::processEvents();
        QCOMPARE(find<QLineEdit>("txtK")->text(), QString());
        QCOMPARE(redPixels(graph->image()), before);
        QVERIFY(find("txtK")->isHidden());
        return;
    }
    QTRY_VERIFY(!shownK.isEmpty());
    QTEST(shownK, "K");
    QCOMPARE(shownB, B);
    QCOMPARE(find("txtB")->accessibleDescription(), B);
    QTRY_VERIFY(find("txtK")->isHidden() && find("txtB")->isHidden());
    QCOMPARE(QApplication::focusWidget(), graph);
    const circuit::LineFit fit = circuit::fitLine(probe().s().I_m, probe().s().U_m);
    QCOMPARE(std::bit_cast<quint32>(probe().s().KK), std::bit_cast<quint32>(fit.KK));
    QCOMPARE(std::bit_cast<quint32>(probe().s().KB), std::bit_cast<quint32>(fit.KB));
    QCOMPARE(redPixels(graph->image()) > before + 100, shownK.startsWith("-")); // the red line stays; none level or off the graph
    QCOMPARE(form->findChild<ui::Announcer *>()->lastMessage(),
             "коэффициент k прямой U=kI+b: " + shownK + "; коэффициент b прямой U=kI+b: " + B);
}

void TestWindow::waits_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::newRow("events go on") << "events";
    QTest::newRow("a wait inside a wait ends both") << "nested";
    // Leaving the event loops from elsewhere than the window's close ends the wait.
    QTest::newRow("application quits") << "quit";
}

void TestWindow::waits()
{
    QFETCH(QString, scenario);
    auto *timer = find<QTimer>("Timer1");
    QStringList order;
    if (scenario == "events") {
        QTimer::singleShot(0, [&] { order << "event" << QString::number(timer->interval()); timer->start(1); });
    } else if (scenario == "nested") {
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(0, [&] { order << QString::number(timer->interval()); timer->start(1); });
            form->Wait(1000); // restarts the count, so one tick ends both
            order << "inner";
        });
    } else {
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }
    form->Wait(30);
    order << "outer";
    if (scenario == "quit") {
        form->Wait(30); // a new wait after that ends at once as well
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec(); // the application's own loop clears its quitting
    }
    const QStringList expected = scenario == "events"   ? QStringList{"event", "30000", "outer"}
                                 : scenario == "nested" ? QStringList{"1000000", "inner", "outer"}
                                                        : QStringList{"outer"};
    QCOMPARE(order, expected);
    QVERIFY(!timer->isActive());
}

void TestWindow::resize_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("graph"); // the graphs' size after it
    QTest::newRow("wider") << QSize(649, 439) << QSize(349, 229);
    QTest::newRow("larger") << QSize(700, 520) << QSize(400, 310);
    QTest::newRow("too small keeps the graphs") << QSize(200, 150) << QSize(249, 229);
}

void TestWindow::resize()
{
    QFETCH(QSize, size);
    QFETCH(QSize, graph);
    form->Lblvkl_Click();
    for (int n = 1; n <= 10; ++n) {
        find<QScrollBar>("HScroll1")->setValue(100 - 10 * n);
        probe().record(n);
    }
    shortenWait(*form);
    probe().f.Picture3_Click(); // the fitted line goes with the resize
    const int dots = redPixels(probe().plots().Picture3->image());
    form->resize(size + form->size() - find("surface")->size());
    QTRY_COMPARE(find("surface")->size(), size);
    for (const char *name : {"Picture3", "Picture4", "Picture5"}) {
        auto *c = find<Canvas>(name);
        QCOMPARE(c->geometry(), QRect(QPoint(290, 200), graph));
        QCOMPARE(c->image().size(), graph * c->image().devicePixelRatio());
        // Ten points replotted from the table on every graph, the fitted line gone.
        const int reds = redPixels(c->image());
        QVERIFY2(reds > 100 && (reds < 20 * 25 || size.width() < 300), qPrintable(QStringLiteral("%1: %2").arg(name).arg(reds)));
    }
    QCOMPARE(redPixels(probe().plots().Picture3->image()) == dots, size.width() < 300);
    form->showMinimized();
    QApplication::processEvents();
    form->showNormal();
    QCOMPARE(find<Canvas>("Picture3")->texts().mid(18, 1), QStringList{"U, B"});
}

void TestWindow::leaving_data()
{
    QTest::addColumn<QString>("scenario"); // "no" here; else the real exit question in a child answered Yes
    QTest::newRow("No keeps everything") << "no";
    QTest::newRow("Yes, idle") << "idle";
    QTest::newRow("Yes during the fit's wait") << "wait";
    QTest::newRow("Yes with the Authors window open") << "authors";
}

void TestWindow::leaving()
{
    QFETCH(QString, scenario);
    if (scenario == "no") {
        form->Lblvkl_Click();
        probe().record(3);
        const QImage graph = probe().plots().Picture3->image();
        for (int asked = 1; asked <= 2; ++asked) {
            QVERIFY(!form->close());
            QCOMPARE(boxes->exitAsked, asked);
        }
        QVERIFY(form->isVisible());
        QCOMPARE(probe().table().lblI[3]->text(), QStringLiteral("0.105"));
        QCOMPARE(probe().s().rabota, 1);
        QCOMPARE(probe().plots().Picture3->image(), graph);
        return;
    }
    QProcess child;
    child.start(QCoreApplication::applicationDirPath() + "/exit_child", {scenario});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(child.readAllStandardOutput(), QByteArray("asked\n")); // and the fit did not run on
}

void TestWindow::keyboardOnly()
{
    // The rheostat has the first focus: the arrow keys move it at once.
    QCOMPARE(QApplication::focusWidget(), find("HScroll1"));
    key(Qt::Key_Left);
    QCOMPARE(find<QScrollBar>("HScroll1")->value(), 99);
    QVERIFY(tabTo("TxtEdc"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "12");
    QVERIFY(tabTo("Option1"));
    key(Qt::Key_Down);
    QCOMPARE(probe().s().schema, 2);
    key(Qt::Key_F2);
    QCOMPARE(probe().s().rabota, 1);
    auto *announcer = form->findChild<ui::Announcer *>();
    for (int n = 1; n <= 10; ++n) {
        QVERIFY(tabTo("HScroll1"));
        key(Qt::Key_PageDown);
        QVERIFY(tabTo(QStringLiteral("N_S(%1)").arg(n)));
        key(n % 2 ? Qt::Key_Space : Qt::Key_Return); // either presses the button
        QCOMPARE(announcer->lastMessage(), probe().table().spokenRow(std::size_t(n)));
    }
    QCOMPARE(probe().table().recordedRows(), 10);
    QVERIFY(announcer->lastMessage().startsWith("Строка 10: Сила тока, А: " + probe().table().lblI[10]->text()));
    QVERIFY(tabTo("Option3"));
    key(Qt::Key_Down);
    QVERIFY(find("Picture4")->isVisible());
    key(Qt::Key_Up);
    QVERIFY(tabTo("Picture3"));
    shortenWait(*form);
    key(Qt::Key_Space);
    QCOMPARE(find<QLineEdit>("txtK")->text().isEmpty(), false);
    QCOMPARE(probe().s().Edc, 12.0);
    QVERIFY(boxes->errors.isEmpty());
    // Ctrl+C copies the table, the headers and ten rows; a box with a selection its own text.
    QTest::keyClick(form.get(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), probe().table().tableText());
    QCOMPARE(probe().table().tableText().count('\n'), 11);
    form->Lblvkl_Click();
    find<QLineEdit>("TxtRv")->setFocus();
    find<QLineEdit>("TxtRv")->selectAll();
    QTest::keyClick(find("TxtRv"), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("75"));
    // A scheme change that clears the rows says so.
    find<QRadioButton>("Option1")->click();
    QCoreApplication::processEvents();
    QVERIFY(announcer->lastMessage().contains("Таблица измерений очищена"));
}

void TestWindow::focus_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<bool>("pictureKept"); // everything inside the dotted outline
    QTest::newRow("U(I) graph") << "Picture3" << true;
    QTest::newRow("voltmeter") << "Picture1" << true;
    QTest::newRow("rheostat") << "HScroll1" << false;
    QTest::newRow("Tab order") << "" << false;
}

void TestWindow::focus()
{
    QFETCH(QString, element);
    if (element.isEmpty()) {
        // Tab visits only the selected button of a group and passes over hidden graphs.
        find("txtK")->show(), find("txtB")->show();
        QStringList expected = {"txtK", "txtB", "HScroll1", "Picture1", "Picture2", "Option1"};
        for (int n = 1; n <= 10; ++n)
            find(expected.emplace_back(QStringLiteral("N_S(%1)").arg(n)))->show();
        expected << "TxtEdc" << "Txtr" << "TxtRv" << "TxtRa" << "TxtRmax" << "Picture3" << "Option3" << "txtK";
        find("txtK")->setFocus();
        QStringList visited{"txtK"};
        while (visited.size() < expected.size())
            key(Qt::Key_Tab), visited << QApplication::focusWidget()->objectName();
        QCOMPARE(visited, expected);
        return;
    }
    auto *w = find(element);
    find("TxtEdc")->setFocus();
    const QImage before = w->grab().toImage();
    w->setFocus();
    const QImage after = w->grab().toImage();
    QVERIFY(after != before);
    const QRect inside = QRect(QPoint(0, 0), w->size()).adjusted(1, 1, -1, -1);
    QFETCH(bool, pictureKept);
    if (pictureKept)
        QCOMPARE(after.copy(inside), before.copy(inside));
}

void TestWindow::desktopFontIgnored()
{
    // A desktop with a large default font: the controls without a font of
    // their own keep the small sans-serif face the window is laid out for.
    const QFont desktop = QApplication::font();
    QFont large = desktop;
    large.setPointSize(14);
    QApplication::setFont(large);
    Form1 window;
    QApplication::setFont(desktop);
    for (const char *name : {"Picture3", "Picture5", "N_S(1)", "Lbldv"}) {
        const QFont font = window.findChild<QWidget *>(name)->font();
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(font).pointSize(), 8);
        QVERIFY(QFontMetricsF(font).horizontalAdvance(QLatin1Char('0')) < 7); // digits about 6 px wide
    }
    QCOMPARE(QFontInfo(window.findChild<QWidget *>("Option1")->font()).pointSizeF(), 9.75);
    QCOMPARE(QFontInfo(window.menuBar()->font()).pointSize(), 14);
}

void TestWindow::textPieces_data()
{
    // The pieces at, before and after an offset, as "start-end".
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("boundary");
    QTest::addColumn<QStringList>("pieces");
    const int word = QAccessible::WordBoundary, character = QAccessible::CharBoundary;
    QTest::newRow("word at the end") << " 16" << 3 << word << QStringList{"1-3", "0-1", "3-3"};
    QTest::newRow("word at a blank") << " 16" << 0 << word << QStringList{"0-1", "0-0", "1-3"};
    QTest::newRow("two words") << "12 abc" << 4 << word << QStringList{"3-6", "0-3", "6-6"};
    QTest::newRow("character at the end") << "100" << 3 << character << QStringList{"3-3", "2-3", "3-3"};
    QTest::newRow("character past the end") << "100" << 9 << character << QStringList{"3-3", "2-3", "3-3"};
    QTest::newRow("character") << "100" << 0 << character << QStringList{"0-1", "0-0", "1-2"};
    QTest::newRow("line") << "1e3" << 1 << int(QAccessible::LineBoundary) << QStringList{"0-3", "0-0", "3-3"};
    QTest::newRow("empty") << "" << 0 << word << QStringList{"0-0", "0-0", "0-0"};
}

void TestWindow::textPieces()
{
    QFETCH(QString, text);
    QFETCH(int, offset);
    QFETCH(int, boundary);
    // Every text box answers through the program's own text interface.
    find<QLineEdit>("txtK")->setText(text);
    QAccessibleTextInterface *box = QAccessible::queryAccessibleInterface(find("txtK"))->textInterface();
    QStringList pieces;
    int start = -1, end = -1;
    using Query = QString (QAccessibleTextInterface::*)(int, QAccessible::TextBoundaryType, int *, int *) const;
    for (Query query : {&QAccessibleTextInterface::textAtOffset, &QAccessibleTextInterface::textBeforeOffset,
                        &QAccessibleTextInterface::textAfterOffset}) {
        const QString piece = (box->*query)(offset, QAccessible::TextBoundaryType(boundary), &start, &end);
        QCOMPARE(piece, text.mid(start, end - start));
        pieces << QStringLiteral("%1-%2").arg(start).arg(end);
    }
    QTEST(pieces, "pieces");
    box->attributes(std::min<int>(offset, text.size()), &start, &end);
    QCOMPARE(QPair(start, end), QPair(0, int(text.size()))); // one run over the whole text
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
