// The main window as created and started: controls, texts, the rheostat and
// the meters.
#include "canvas.h"
#include "form1.h"
#include "graphs.h"
#include "keylabel.h"
#include "lineshape.h"
#include "readings.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>

class TestForm1 : public QObject
{
    Q_OBJECT
private slots:
    void init() { form = std::make_unique<Form1>(); }
    void cleanup() { form.reset(); }

    void startState();
    void texts_data();
    void texts();
    void geometry_data();
    void geometry();
    void schematic();
    void slider_data();
    void slider();
    void sliderByMouse();
    void thumbUnderArrow_data();
    void thumbUnderArrow();
    void accessibleNames();
    void focusOrder();
    void menus();

private:
    std::unique_ptr<Form1> form;
};

void TestForm1::startState()
{
    const circuit::SimState &s = form->s;
    QCOMPARE(s.Edc, 16.0);
    QCOMPARE(s.r, 20.0);
    QCOMPARE(s.Rv, 75.0);
    QCOMPARE(s.Ra, 5.0);
    QCOMPARE(s.Rmax, 100.0);
    QCOMPARE(s.R_st, 17);
    QCOMPARE(s.R_dv, 12);
    QCOMPARE(s.dlina, 154.0f);
    QCOMPARE(s.KR, 1.0);
    QCOMPARE(s.rabota, 0);
    QCOMPARE(s.schema, 1);
    QCOMPARE(s.RR, 100.0f);
    QCOMPARE(form->HScroll1->value(), 100);
    QCOMPARE(form->Picture2->accessibleDescription(), QStringLiteral("0.000"));
    QCOMPARE(form->Picture1->accessibleDescription(), QStringLiteral("12.63"));
    QCOMPARE(form->Lbldv->text(), QStringLiteral("100"));
    QCOMPARE(form->Line1->X1(), 237.0);
    // The meters are black with green digits.
    for (graphs::Canvas *meter : {form->Picture1, form->Picture2}) {
        QCOMPARE(meter->backColor(), QColor(0, 0, 0));
        QCOMPARE(meter->foreColor(), QColor(0, 255, 0));
        const QImage image = meter->image();
        QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), QColor(0, 0, 0));
        bool green = false;
        for (int y = 0; y < image.height() && !green; ++y)
            for (int x = 0; x < image.width() && !green; ++x)
                green = image.pixelColor(x, y).green() > 200 && image.pixelColor(x, y).red() < 60;
        QVERIFY(green);
    }
    for (std::size_t n = 1; n <= 10; ++n) {
        QCOMPARE(s.I_m[n], 0.0f);
        QCOMPARE(form->graphs->lblI[n]->text(), QStringLiteral(" "));
    }
}

void TestForm1::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("title") << "Lblnazvan" << "Параметры задачи";
    QTest::newRow("E") << "LblEds" << "E (В)=";
    QTest::newRow("r, Latin O") << "Lblr" << QStringLiteral("r(O\u043c)=");
    QTest::newRow("Rv") << "LblRv" << "Rv(Ом)=";
    QTest::newRow("Ra") << "LblRa" << "Ra(Ом)=";
    QTest::newRow("Rmax") << "LblRmax" << "Rmax(Ом)=";
    QTest::newRow("current, Latin A") << "lblI(0)" << QStringLiteral("I, A");
    QTest::newRow("voltage, Latin B") << "lblU(0)" << QStringLiteral("U, B");
    QTest::newRow("full power") << "lblP0(0)" << QStringLiteral("Po, \u0412\u0442");
    QTest::newRow("useful power, Cyrillic v") << "lblPv(0)" << QStringLiteral("P\u0432, \u0412\u0442");
    QTest::newRow("efficiency, eta") << "lblKPD(0)" << QStringLiteral("\u03b7, %");
    QTest::newRow("graph 2 caption") << "Option4" << QStringLiteral("P\u0432(I), Po(I)");
    QTest::newRow("scheme 1") << "Option1" << "Схема 1";
    QTest::newRow("scheme 2") << "Option2" << "Схема 2";
    QTest::newRow("graph frame") << "Frame2" << "график";
    QTest::newRow("scheme frame") << "Frame1" << "Выбор схемы";
    QTest::newRow("box E") << "TxtEdc" << "16";
    QTest::newRow("box Rmax") << "TxtRmax" << "100";
    QTest::newRow("button 10") << "N_S(10)" << "10";
}

void TestForm1::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QWidget *w = form->findChild<QWidget *>(name);
    QVERIFY2(w, qPrintable(name));
    QString shown;
    if (auto *label = qobject_cast<QLabel *>(w))
        shown = label->text();
    else if (auto *box = qobject_cast<QLineEdit *>(w))
        shown = box->text();
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        shown = button->text();
    else if (auto *frame = qobject_cast<QGroupBox *>(w))
        shown = frame->title();
    QCOMPARE(shown, text);
    QCOMPARE(form->windowTitle(), QStringLiteral("Моделирование работы электрической цепи постоянного тока"));
}

void TestForm1::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("ammeter") << "Picture2" << QRect(8, 112, 50, 24);
    QTest::newRow("voltmeter") << "Picture1" << QRect(128, 76, 50, 24);
    QTest::newRow("rheostat") << "HScroll1" << QRect(60, 160, 200, 25);
    QTest::newRow("key") << "Lblvkl" << QRect(272, 100, 20, 20);
    QTest::newRow("box r") << "Txtr" << QRect(370, 46, 60, 25);
    QTest::newRow("scheme frame") << "Frame1" << QRect(440, 10, 94, 60);
    QTest::newRow("scheme 2") << "Option2" << QRect(448, 43, 65, 25);
    QTest::newRow("graph 1 in its frame") << "Option3" << QRect(8, 16, 80, 15);
    QTest::newRow("header I") << "lblI(0)" << QRect(30, 200, 45, 20);
    QTest::newRow("row 10 of eta") << "lblKPD(10)" << QRect(218, 410, 45, 20);
    QTest::newRow("button 1") << "N_S(1)" << QRect(9, 221, 20, 20);
    QTest::newRow("button 3") << "N_S(3)" << QRect(8, 263, 20, 20);
    QTest::newRow("k") << "txtK" << QRect(290, 160, 60, 25);
    QTest::newRow("b") << "txtB" << QRect(376, 160, 65, 27);
    // After start-up the three graphs share one rectangle.
    QTest::newRow("U(I) graph") << "Picture3" << QRect(290, 200, 249, 229);
    QTest::newRow("h(I) graph") << "Picture5" << QRect(290, 200, 249, 229);
}

void TestForm1::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QWidget *w = form->findChild<QWidget *>(name);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(w->geometry(), rect);
    QCOMPARE(form->scaleWidth(), 549);
    QCOMPARE(form->scaleHeight(), 439);
}

void TestForm1::schematic()
{
    // The key is drawn open, 4 pixels wide; the rest 2 pixels wide.
    QCOMPARE(form->Line14->X2(), 288.0);
    QCOMPARE(form->Line14->borderWidth(), 4);
    QCOMPARE(form->findChildren<LineShape *>().size(), 14);
    QCOMPARE(form->Line13->Y1(), 88.0);
    // Lines are painted on the window's surface.
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const QImage shot = form->surface->grab().toImage();
    QCOMPARE(shot.pixelColor(32, 50), QColor(0, 0, 0));   // left wire
    QCOMPARE(shot.pixelColor(200, 24), QColor(0, 0, 0));  // top wire
    QCOMPARE(shot.pixelColor(10, 10), QColor(224, 224, 224)); // background
}

void TestForm1::slider_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("arrow");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("ammeter");
    QTest::addColumn<QString>("voltmeter");
    QTest::newRow("0") << 0 << 83 << "0" << "0.000" << "12.63";
    QTest::newRow("25") << 25 << 121 << "25" << "0.000" << "12.63";
    QTest::newRow("75") << 75 << 199 << "75" << "0.000" << "12.63";
    QTest::newRow("100") << 100 << 237 << "100" << "0.000" << "12.63";
}

void TestForm1::slider()
{
    QFETCH(int, value);
    QFETCH(int, arrow);
    if (value == 100)
        form->HScroll1->setValue(0);
    const int runs = form->hscrollRuns;
    form->HScroll1->setValue(value);
    QCOMPARE(form->hscrollRuns, runs + 1);
    QCOMPARE(form->Line1->X1(), double(arrow));
    QCOMPARE(form->Line1->X2(), double(arrow));
    QCOMPARE(form->Line6->X1(), double(arrow));
    QCOMPARE(form->Line2->X2(), double(arrow - 4));
    QCOMPARE(form->Line3->X2(), double(arrow + 4));
    QCOMPARE(form->Line2->Y2(), 144.0);
    QCOMPARE(form->Lbldv->x(), arrow + 2);
    QTEST(form->Lbldv->text(), "label");
    QTEST(form->Lbldv->accessibleDescription(), "label");
    QTEST(form->Picture2->accessibleDescription(), "ammeter");
    QTEST(form->Picture1->accessibleDescription(), "voltmeter");
    // With the key closed the readings follow the slider.
    form->s.rabota = 1;
    form->HScroll1_Change();
    const circuit::Readings r = circuit::meterReadings(16, 20, 5, 75, float(value), 1, 1);
    QCOMPARE(form->Picture2->accessibleDescription(), QString::number(r.I, 'f', 3));
}

void TestForm1::sliderByMouse()
{
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    // A click on the left arrow steps by 1, in the trough by 10.
    QTest::mouseClick(form->HScroll1, Qt::LeftButton, {}, QPoint(8, 12));
    QCOMPARE(form->HScroll1->value(), 99);
    QTest::mouseClick(form->HScroll1, Qt::LeftButton, {}, QPoint(60, 12));
    QCOMPARE(form->HScroll1->value(), 89);
    QCOMPARE(form->Lbldv->text(), QStringLiteral("89"));
    // Dragging the thumb changes nothing until it is released.
    const int runs = form->hscrollRuns;
    const int thumbCentre = form->Line1->X1() - form->HScroll1->x();
    QTest::mousePress(form->HScroll1, Qt::LeftButton, {}, QPoint(thumbCentre, 12));
    QMouseEvent move(QEvent::MouseMove, QPointF(thumbCentre - 77, 12), form->HScroll1->mapToGlobal(QPointF(thumbCentre - 77, 12)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form->HScroll1, &move);
    QCOMPARE(form->hscrollRuns, runs);
    QTest::mouseRelease(form->HScroll1, Qt::LeftButton, {}, QPoint(thumbCentre - 77, 12));
    QCOMPARE(form->hscrollRuns, runs + 1);
    QCOMPARE(form->HScroll1->value(), 39);
}

void TestForm1::thumbUnderArrow_data()
{
    QTest::addColumn<int>("value");
    for (int v : {0, 25, 50, 75, 100})
        QTest::newRow(qPrintable(QString::number(v))) << v;
}

void TestForm1::thumbUnderArrow()
{
    QFETCH(int, value);
    form->HScroll1->setValue(value);
    QStyleOptionSlider option;
    option.initFrom(form->HScroll1);
    option.orientation = Qt::Horizontal;
    option.minimum = 0;
    option.maximum = 100;
    option.sliderPosition = value;
    option.sliderValue = value;
    option.rect = form->HScroll1->rect();
    const QRect thumb = form->HScroll1->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                                QStyle::SC_ScrollBarSlider, form->HScroll1);
    QCOMPARE(thumb.width(), 12);
    QCOMPARE(form->HScroll1->x() + thumb.x() + thumb.width() / 2, int(form->Line1->X1()));
    const QRect left = form->HScroll1->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                               QStyle::SC_ScrollBarSubLine, form->HScroll1);
    QCOMPARE(left.width(), 17);
}

void TestForm1::accessibleNames()
{
    QCOMPARE(form->Picture2->accessibleName(), QStringLiteral("Сила тока, А"));
    QCOMPARE(form->Picture1->accessibleName(), QStringLiteral("Напряжение, В"));
    QCOMPARE(form->TxtEdc->accessibleName(), QStringLiteral("ЭДС источника"));
    QCOMPARE(form->Option1->accessibleName(), QStringLiteral("Вольметр параллельно источнику"));
    QCOMPARE(form->graphs->Option5->accessibleName(), QStringLiteral("h(I)"));
    QCOMPARE(form->graphs->N_S[4]->accessibleName(), QStringLiteral("4"));
    QCOMPARE(form->Lbldv->accessibleName(), QStringLiteral("Значение сопротивления"));
    QCOMPARE(form->Lblnazvan->accessibleName(), QStringLiteral("Параметры задачи"));

    // The key is a pressable button for assistive technology, outside the focus order.
    QAccessibleInterface *key = QAccessible::queryAccessibleInterface(form->Lblvkl);
    QVERIFY(key);
    QCOMPARE(key->role(), QAccessible::Button);
    QCOMPARE(key->text(QAccessible::Name), QStringLiteral("Ключ"));
    QVERIFY(key->actionInterface());
    QVERIFY(key->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QCOMPARE(form->Lblvkl->focusPolicy(), Qt::NoFocus);

    QAccessibleInterface *meter = QAccessible::queryAccessibleInterface(form->Picture2);
    QCOMPARE(meter->text(QAccessible::Description), QStringLiteral("0.000"));
}

void TestForm1::focusOrder()
{
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    for (QWidget *w : {static_cast<QWidget *>(form->txtK), static_cast<QWidget *>(form->txtB)})
        w->show(); // the fit boxes are first when shown
    // Tab visits only the selected button of an option group (Option1, not Option2).
    QStringList expected = {"txtK", "txtB", "HScroll1", "Picture1", "Picture2", "Option1"};
    for (int n = 1; n <= 10; ++n) {
        form->graphs->N_S[std::size_t(n)]->show();
        expected << QStringLiteral("N_S(%1)").arg(n);
    }
    expected << "TxtEdc" << "Txtr" << "TxtRv" << "TxtRa" << "TxtRmax" << "Picture3";
    form->txtK->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void TestForm1::menus()
{
    const QList<QAction *> top = form->menuBar()->actions();
    QCOMPARE(top.size(), 2);
    QCOMPARE(top[0]->text(), QStringLiteral("&Файл"));
    QCOMPARE(top[1]->text(), QStringLiteral("&Помощь"));
    QStringList help;
    for (QAction *a : top[1]->menu()->actions())
        help << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(help, QStringList({"Инструкция", "Управление", "-", "Авторы", "&О программе"}));
    for (QAction *a : top[0]->menu()->actions())
        QVERIFY(a->shortcut().isEmpty());
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
