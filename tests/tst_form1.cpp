// The main window as created and started: controls, texts, the rheostat and
// the meters.
#include "app/form1.h"
#include "app/keylabel.h"
#include "app/lineshape.h"
#include "app/rheostat.h"
#include "circuit/readings.h"
#include "graphs/canvas.h"
#include "graphs/graphs.h"
#include "graphs/plots.h"
#include "graphs/table.h"
#include "info/form2.h"

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

    void texts_data();
    void texts();
    void slider_data();
    void slider();
    void sliderByMouse();
    void numbersKeepEveryDigit_data();
    void numbersKeepEveryDigit();
    void thumbUnderArrow_data();
    void thumbUnderArrow();
    void focusMarks_data();
    void focusMarks();
    void desktopFontIgnored();
    void accessibleNames();
    void textPieces_data();
    void textPieces();
    void focusOrder();

private:
    std::unique_ptr<Form1> form;
};

void TestForm1::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("r, Latin O") << "Lblr" << QStringLiteral("r(O\u043c)=");
    QTest::newRow("current, Latin A") << "lblI(0)" << QStringLiteral("I, A");
    QTest::newRow("voltage, Latin B") << "lblU(0)" << QStringLiteral("U, B");
    QTest::newRow("full power") << "lblP0(0)" << QStringLiteral("Po, \u0412\u0442");
    QTest::newRow("useful power, Cyrillic v") << "lblPv(0)" << QStringLiteral("P\u0432, \u0412\u0442");
    QTest::newRow("efficiency, eta") << "lblKPD(0)" << QStringLiteral("\u03b7, %");
    QTest::newRow("graph 2 caption") << "Option4" << QStringLiteral("P\u0432(I), Po(I)");
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
    // Keys: Left takes a step off, Page Up adds ten.
    QTest::keyClick(form->HScroll1, Qt::Key_Left);
    QCOMPARE(form->HScroll1->value(), 38);
    QTest::keyClick(form->HScroll1, Qt::Key_PageUp);
    QCOMPARE(form->Lbldv->text(), QStringLiteral("48"));
}

void TestForm1::numbersKeepEveryDigit_data()
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

void TestForm1::numbersKeepEveryDigit()
{
    QFETCH(QString, element);
    QFETCH(QStringList, parameters);
    QFETCH(int, slider);
    QFETCH(QString, text);
    QFETCH(bool, fits);
    const QFont designed = form->findChild<QWidget *>(element)->font();
    QLineEdit *boxes[4] = {form->TxtEdc, form->Txtr, form->TxtRa, form->TxtRmax};
    for (int i = 0; i < 4; ++i)
        boxes[i]->setText(parameters[i]);
    form->Lblvkl_Click();
    form->HScroll1->setValue(slider);
    form->graphs->N_S_Click(1);

    auto *w = form->findChild<QWidget *>(element);
    QCOMPARE(w->accessibleDescription(), text);
    QCOMPARE(w->font().pointSizeF() == designed.pointSizeF(), fits);
    QVERIFY(w->font().pointSizeF() <= designed.pointSizeF());
    // The element as the window shows it: its text's ink stays off the
    // column at its inner right edge and, in a framed cell, whose number
    // stands at the right, off the inner left one too. The meters and the
    // rheostat's value begin their text at their left edge.
    const QImage shown = form->surface->grab(w->geometry()).toImage();
    const auto *frame = qobject_cast<QFrame *>(w);
    const int edge = frame ? frame->frameWidth() : 0;
    const QRect inner = QRect(QPoint(0, 0), w->size()).adjusted(edge, edge, -edge, -edge);
    const QColor background = shown.pixelColor(inner.bottomLeft());
    int ink = 0;
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        for (int x = inner.left(); x <= inner.right(); ++x) {
            if (shown.pixelColor(x, y) == background)
                continue;
            ++ink;
            QVERIFY2(x != inner.right() && (x != inner.left() || edge == 0), qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
        }
    }
    QVERIFY(ink > 10);
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

void TestForm1::focusMarks_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<bool>("pictureKept"); // everything inside the outline
    QTest::newRow("U(I) graph") << "Picture3" << true;
    QTest::newRow("voltmeter") << "Picture1" << true;
    QTest::newRow("rheostat") << "HScroll1" << false;
}

void TestForm1::focusMarks()
{
    QFETCH(QString, element);
    QFETCH(bool, pictureKept);
    auto *w = form->findChild<QWidget *>(element);
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    form->TxtEdc->setFocus();
    const QImage before = w->grab().toImage();
    w->setFocus();
    QVERIFY(w->hasFocus());
    const QImage after = w->grab().toImage();
    QVERIFY(after != before);
    if (pictureKept) {
        const QRect inside = QRect(QPoint(0, 0), w->size()).adjusted(1, 1, -1, -1);
        QCOMPARE(after.copy(inside), before.copy(inside));
    }
}

void TestForm1::desktopFontIgnored()
{
    // A desktop with a large default font: the controls without a font of
    // their own keep the small sans-serif face the window is laid out for.
    const QFont desktop = QApplication::font();
    QFont large = desktop;
    large.setPointSize(14);
    QApplication::setFont(large);
    Form1 window;
    Form2 authors;
    QApplication::setFont(desktop);
    for (QWidget *w : std::initializer_list<QWidget *>{window.graphs->plots->Picture3, window.graphs->plots->Picture5,
                                                       window.graphs->table->N_S[1], window.Lbldv, authors.Label1}) {
        const QFontInfo face(w->font());
        QCOMPARE(face.family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(face.pointSize(), 8);
        QVERIFY(QFontMetricsF(w->font()).horizontalAdvance(QLatin1Char('0')) < 7); // digits about 6 px wide
    }
    QCOMPARE(QFontInfo(window.Option1->font()).pointSizeF(), 9.75);
    QCOMPARE(QFontInfo(window.menuBar()->font()).pointSize(), 14);
}

void TestForm1::accessibleNames()
{
    // The tooltip (else the caption), then what the control shows.
    QCOMPARE(form->Picture2->accessibleName(), QStringLiteral("Сила тока, А: 0.000"));
    QCOMPARE(form->graphs->table->lblU[3]->accessibleName(), QStringLiteral("Напряжение, В, строка 3"));
    QCOMPARE(form->graphs->plots->Option5->accessibleName(), QStringLiteral("h(I)"));

    // The key is a pressable check box for assistive technology, outside the focus order.
    QAccessibleInterface *key = QAccessible::queryAccessibleInterface(form->Lblvkl);
    QVERIFY(key);
    QCOMPARE(key->role(), QAccessible::CheckBox);
    QCOMPARE(key->text(QAccessible::Name), QStringLiteral("Ключ: разомкнут"));
    QVERIFY(key->state().checkable && !key->state().checked);
    QVERIFY(key->actionInterface());
    QVERIFY(key->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QCOMPARE(form->Lblvkl->focusPolicy(), Qt::NoFocus);

    QAccessibleInterface *meter = QAccessible::queryAccessibleInterface(form->Picture2);
    QCOMPARE(meter->text(QAccessible::Description), QStringLiteral("0.000"));
}

void TestForm1::textPieces_data()
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

void TestForm1::textPieces()
{
    QFETCH(QString, text);
    QFETCH(int, offset);
    QFETCH(int, boundary);
    // Every text box answers through the program's own text interface.
    form->txtK->setText(text);
    QAccessibleTextInterface *box = QAccessible::queryAccessibleInterface(form->txtK)->textInterface();
    QStringList pieces;
    int start = -1, end = -1;
    const auto type = QAccessible::TextBoundaryType(boundary);
    using Query = QString (QAccessibleTextInterface::*)(int, QAccessible::TextBoundaryType, int *, int *) const;
    for (Query query : {&QAccessibleTextInterface::textAtOffset, &QAccessibleTextInterface::textBeforeOffset,
                        &QAccessibleTextInterface::textAfterOffset}) {
        const QString piece = (box->*query)(offset, type, &start, &end);
        QCOMPARE(piece, text.mid(start, end - start));
        pieces << QStringLiteral("%1-%2").arg(start).arg(end);
    }
    QTEST(pieces, "pieces");
    box->attributes(std::min<int>(offset, text.size()), &start, &end);
    QCOMPARE(QPair(start, end), QPair(0, int(text.size()))); // one run over the whole text
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
        form->graphs->table->N_S[std::size_t(n)]->show();
        expected << QStringLiteral("N_S(%1)").arg(n);
    }
    // Hidden graphs are passed over; round to the start again.
    expected << "TxtEdc" << "Txtr" << "TxtRv" << "TxtRa" << "TxtRmax" << "Picture3" << "Option3" << "txtK";
    form->txtK->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
