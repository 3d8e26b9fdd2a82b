// The main window as a student uses it: the rheostat and meters, the key and
// schemes, the parameter boxes, the table, the fit and its delay, resizing,
// leaving; the keyboard, focus marks and what a screen reader is told.
#include "circuit/fit.h"
#include "graphs/canvas.h"
#include "tests/columns.h"
#include "tests/student.h"
#include "ui/fittext.h"

#include <QMenuBar>
#include <QProcess>

#include <bit>

using graphs::Canvas;
using Texts = QStringList;

class TestWindow : public QObject
{
    Q_OBJECT
    std::unique_ptr<Form1> form;
    Recorder *boxes = nullptr;

    template <class T = QWidget> T *find(const QString &name) const { return form->findChild<T *>(name); }
    Form1Probe probe() const { return {*form}; }
    QScrollBar *bar() const { return find<QScrollBar>("HScroll1"); }
    QString read(const QString &what) const { return Student{*form, *boxes}.read(what); }
    void run(const QString &steps) const { Student{*form, *boxes}.run(steps); }

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

    void experiment_data()
    {
        QTest::addColumn<QString>("steps");
        const QString open = "key=288vvvhhvvvvv", closed = "key=280hhhvvddddd";
        const QString keyClosedSaid = "said=Ключ замкнут. Сила тока, А: 0.105; Напряжение, В: 10.98";
        QTest::newRow("start") << "state=16 20 75 5 100 1 1 0 0 100|meters=0.000 12.63|Lbldv=100|"
                                  "chosen=Option1 Option3 Picture3 112|arrow=237 237 237 237 233 237 241 239|" +
                                      open + "|txtK=|focus=HScroll1|errors=|leaving=0";
        // The rheostat: arrow, label, value in ohms, and the meters with the key open and closed.
        const char *const rheostat[][5] = {{"100", "25", "121", "25", "0.276 8.28"},
                                           {"1", "10", "98", "0.1", "0.605 3.08"},
                                           {"201", "50", "160", "100.5", "0.104 10.99"}};
        for (const auto &r : rheostat) {
            const int x = QString(r[2]).toInt();
            QTest::addRow("Rmax %s at %s", r[0], r[1])
                << QStringLiteral("set TxtRmax %1|value %2|arrow=%3 %3 %3 %3 %4 %3 %5 %6|Lbldv=%7|ohms=%7|"
                                  "Lbldv:name=Значение сопротивления: %7|meters=0.000 12.63|click Lblvkl|meters=%8")
                       .arg(r[0], r[1]).arg(x).arg(x - 4).arg(x + 4).arg(x + 2).arg(r[3], r[4]);
        }
        // A click on each side of every edge of the rheostat's parts, the thumb in the middle (value 50, at 94 to
        // 105): the arrows step by 1, the page areas by 10, the thumb not at all.
        QString edges;
        const int clicks[][2] = {{16, 49}, {17, 40}, {93, 40}, {94, 50}, {105, 50}, {106, 60}, {182, 60}, {183, 51}};
        for (const auto &c : clicks)
            edges += QStringLiteral("value 50|click HScroll1 %1 12|Lbldv=%2|").arg(c[0]).arg(c[1]);
        QTest::newRow("the rheostat's parts") << edges + "idle";
        // The key, and what a screen reader hears of it.
        for (const char *way : {"click Lblvkl", "press Lblvkl", "key F2"})
            QTest::newRow(way) << QStringLiteral("%1|%2|checked=1|Lblvkl:name=Ключ: замкнут|%3|%1|%4|checked=0|"
                                                 "Lblvkl:name=Ключ: разомкнут|"
                                                 "said=Ключ разомкнут. Сила тока, А: 0.000; Напряжение, В: 12.63")
                                      .arg(way, closed, keyClosedSaid, open);
        QTest::newRow("a double-click is one click")
            << "mouse Lblvkl double|checked=1|" + closed + "|" + keyClosedSaid + "|mouse Lblvkl double|checked=0";
        for (const char *way : {"mouse Lblvkl outside", "mouse Lblvkl right"})
            QTest::newRow(way) << QStringLiteral("%1|checked=0|%2|%1|checked=0").arg(way, open);
        QTest::newRow("exit answered No twice")
            << "click Lblvkl|record 3|close|close|asked=2|lblI(3)=0.105|state=16 20 75 5 100 1 1 1 1 100|red=1|"
               "leaving=1|click Lblvkl|leaving=1";
        QTest::newRow("the focus leaves what the key locks")
            << "tab TxtRv|key F2|focus=HScroll1|tab N_S(3)|key F2|focus=HScroll1";
        // Schemes: each clears the table and goes back to U(I); a click on the selected one changes nothing.
        const QString measured = "click Lblvkl|value 30|record 5|click Lblvkl|";
        QTest::newRow("scheme 2") << measured + "leaving=1|click Option2|leaving=0|chosen=Option2 Option3 Picture3 50|red=0|"
                                                "state=16 20 75 5 100 1 2 0 0 100|meters=0.160 12.00|click Lblvkl|"
                                                "meters=0.236 10.11";
        for (const char *graph : {"Option3", "Option4", "Option5"})
            for (const char *scheme : {"Option1", "Option2"})
                QTest::addRow("%s again with %s", scheme, graph)
                    << QStringLiteral("click %1|click %2|%3click %1|chosen=%1 %2 Picture%4 %5|red=1|"
                                      "state=16 20 75 5 100 1 %6 0 1 30")
                           .arg(scheme, graph, measured, QString(graph).right(1), scheme[6] == '1' ? "112" : "50")
                           .arg(scheme[6]);
        // Parameter boxes, with a row recorded and the slider moved before: every edit clears them.
        const char *const boxRows[][4] = {
            {"type TxtEdc 300", "Опасно для жизни!", "TxtEdc= 16", "16 20 75 5 100 1"},
            // After a rejection the next keystroke replaces the reset text: never " 20.5" or " 165".
            {"type Txtr 0.5", "Маловато будет!, Маловато будет!", "Txtr=5", "16 5 75 5 100 1"},
            {"type TxtEdc -5", "Маловато будет!", "TxtEdc=5", "5 20 75 5 100 1"},
            {"type TxtRa ", "", "TxtRa=", "16 20 75 0 100 1"},
            {"set TxtEdc 12abc", "", "TxtEdc=12abc", "12 20 75 5 100 1"},
            {"set TxtRmax 1,5", "", "TxtRmax=1,5", "16 20 75 5 1 0.01"},
            {"set TxtRv 0", "Маловато будет!", "TxtRv= 200", "16 20 200 5 100 1"},
            {"set Txtr 1e-310", "Маловато будет!", "Txtr= 20", "16 20 75 5 100 1"},
            {"set TxtRmax 250", "", "TxtRmax=250", "16 20 75 5 250 2.5"}};
        for (const auto &r : boxRows)
            QTest::newRow(r[0]) << QStringLiteral("record 4|value 20|%1|errors=%2|%3|state=%4 1 0 0 100|red=0")
                                       .arg(r[0], r[1], r[2], r[3]);
        // The whole experiment from the keyboard; Space and Enter press the buttons.
        QString keyboard = "key Left|tab TxtEdc|key Ctrl+A|key 1|key 2|tab Option1|key Down|key F2|"
                           "state=12 20 75 5 100 1 2 1 0 100";
        const Texts currents = {"",      "0.182", "0.188", "0.196", "0.206", "0.218",
                                "0.235", "0.258", "0.294", "0.355", "0.480"};
        for (int n = 1; n <= 10; ++n)
            keyboard += QStringLiteral("|tab HScroll1|key PgDown|tab N_S(%1)|key %2|lblI(%1)=%3")
                            .arg(n)
                            .arg(n % 2 ? "Space" : "Return", currents[n]);
        QTest::newRow("keyboard only")
            << keyboard + "|said=Строка 10: Сила тока, А: 0.480; Напряжение, В: 0.00; Полная мощность, Вт: 5.76; "
                          "Полезная мощность, Вт: 0.00; КПД, %: 0.00|tab Option3|key Down|"
                          "chosen=Option2 Option4 Picture4 50|key F2|tab Option2|key Up|"
                          "said=Таблица измерений очищена. Сила тока, А: 0.000; Напряжение, В: 9.47|"
                          "chosen=Option1 Option3 Picture3 112";
    }
    void experiment()
    {
        QFETCH(QString, steps);
        run(steps);
    }

    void numbersKeepEveryDigit_data()
    {
        columns<QString, QString, bool>("steps", "element", "fits"); // the steps end with the element's text
        const QString e220 = "set TxtEdc 220|set Txtr 0.01|set TxtRa 0|click Lblvkl|value 0|record 1|";
        const QString e50 = "set TxtEdc 50|set Txtr 1|set TxtRa 0|click Lblvkl|value 0|record 1|";
        const char *const rows[][3] = {{"click Lblvkl|", "Picture1", "10.98"},
                                       {"click Lblvkl|record 1|", "lblKPD(1)", "0.27"},
                                       {"", "Lbldv", "100"}};
        for (const auto &r : rows)
            QTest::addRow("%s fits", r[1]) << QString(r[0]) + r[1] + "=" + r[2] << r[1] << true;
        QTest::newRow("ammeter E 220") << e220 + "Picture2=22000.000" << "Picture2" << false;
        QTest::newRow("full power E 50") << e50 + "lblP0(1)=2500.00" << "lblP0(1)" << false;
        QTest::newRow("rheostat 100.5") << "set TxtRmax 201|value 50|Lbldv=100.5" << "Lbldv" << false;
    }
    void numbersKeepEveryDigit()
    {
        QFETCH(QString, element);
        auto *w = find(element);
        const QFont designed = w->font();
        QFETCH(QString, steps);
        run(steps);
        QTEST(w->font().pointSizeF() == designed.pointSizeF(), "fits");
        QVERIFY(w->font().pointSizeF() <= designed.pointSizeF());
        // The rule's edge: a text exactly as wide as its room keeps its size, with a 64th of a pixel less it does not.
        const QString text = read(element);
        const qreal advance = QFontMetricsF(designed).horizontalAdvance(text);
        QCOMPARE(ui::fittingFont(designed, text, advance), designed);
        QVERIFY(ui::fittingFont(designed, text, advance - 1.0 / 64).pointSizeF() < designed.pointSizeF());
        // The text's ink stays off the inner right edge and, in a framed cell, off the left one too.
        QCoreApplication::processEvents(); // what the screen shows, painted after the change
        const QPoint at = w->mapTo(form.get(), QPoint(0, 0));
        const QImage shown = form->screen()->grabWindow(form->winId(), at.x(), at.y(), w->width(), w->height()).toImage();
        const int edge = qobject_cast<QFrame *>(w) ? qobject_cast<QFrame *>(w)->frameWidth() : 0;
        const QRect inner = QRect(QPoint(0, 0), w->size()).adjusted(edge, edge, -edge, -edge);
        int ink = 0;
        for (int y = inner.top(); y <= inner.bottom(); ++y)
            for (int x = inner.left(); x <= inner.right(); ++x) {
                if (shown.pixelColor(x, y) == shown.pixelColor(inner.bottomLeft()))
                    continue;
                ++ink;
                QVERIFY2(x != inner.right() && (x != inner.left() || edge == 0), qPrintable(QString::number(x)));
            }
        QVERIFY(ink > 10);
    }

    void fit_data()
    {
        // B empty: nothing fitted, shown or drawn
        columns<int, float, QString, QString, QString>("rows", "k", "press", "K", "B");
        // A screen reader's press answers at once; the fit runs in the event loop.
        for (const char *press : {"click Picture3", "key Space", "press Picture3"})
            QTest::addRow("ten rows, %s", press) << 10 << -20.0f << press << "-20.0000" << "16.0000";
        QTest::newRow("three rows counted as ten") << 3 << -20.0f << "click Picture3" << "109.2308" << "00.9231";
        QTest::newRow("before measuring") << 0 << -20.0f << "click Picture3" << "" << "";
        QTest::newRow("level line") << 10 << 0.0f << "click Picture3" << "00.0000" << "16.0000";
    }
    void fit()
    {
        QFETCH(int, rows);
        QFETCH(float, k);
        for (std::size_t n = 1; n <= 10; ++n) { // on the line U = k*I + 16; a level one exact in binary
            probe().s().I_m[n] = n <= std::size_t(rows) ? (k == 0 ? 0.25f : 0.05f) * n : 0;
            probe().s().U_m[n] = n <= std::size_t(rows) ? 16 + k * probe().s().I_m[n] : 0;
        }
        Canvas *graph = probe().plots().Picture3;
        const int before = redPixels(graph->image());
        // The student reads k while the boxes show, then the wait is cut short; the focus comes back after.
        QString K, B;
        QTimer reader;
        connect(&reader, &QTimer::timeout, [&] {
            if (find("txtK")->isHidden() || find("txtB")->isHidden())
                return;
            reader.stop();
            K = read("txtK");
            B = read("txtB");
            find("txtK")->setFocus();
            find<QTimer>("Timer1")->start(1);
        });
        reader.start(0);
        graph->setFocus();
        QFETCH(QString, press);
        run(press);
        QTRY_VERIFY(!K.isEmpty() || !rows);
        QTRY_VERIFY(find("txtK")->isHidden() && find("txtB")->isHidden());
        QTEST(K, "K");
        QTEST(B, "B");
        QCOMPARE(read("txtB") + "|" + read("txtB:description"), B + "|" + B); // kept in the hidden box
        // The red line stays; none when level or off the graph.
        QCOMPARE(redPixels(graph->image()) > before + 100, K.startsWith("-"));
        if (!rows)
            return;
        QCOMPARE(QApplication::focusWidget(), graph);
        const circuit::LineFit fit = circuit::fitLine(probe().s().I_m, probe().s().U_m);
        QCOMPARE(std::bit_cast<quint32>(probe().s().KK), std::bit_cast<quint32>(fit.KK));
        QCOMPARE(std::bit_cast<quint32>(probe().s().KB), std::bit_cast<quint32>(fit.KB));
        QCOMPARE(read("said"), "коэффициент k прямой U=kI+b: " + K + "; коэффициент b прямой U=kI+b: " + B);
    }

    void waits_data()
    {
        columns<QString, Texts>("scenario", "order");
        QTest::newRow("events go on") << "events" << Texts{"tick", "30000", "outer"};
        QTest::newRow("a wait inside a wait ends both") << "nested" << Texts{"tick", "1000000", "inner", "outer"};
        // Leaving the event loops from elsewhere than the window's close ends the wait.
        QTest::newRow("application quits") << "quit" << Texts{"outer"};
    }
    void waits()
    {
        QFETCH(QString, scenario);
        auto *timer = find<QTimer>("Timer1");
        Texts order;
        const auto tick = [&] {
            order << "tick" << QString::number(timer->interval());
            timer->start(1);
        };
        const auto quit = [] { QCoreApplication::exit(0); };
        if (scenario == "nested") {
            QTimer::singleShot(0, [&] {
                QTimer::singleShot(0, tick);
                form->Wait(1000);
                order << "inner";
            });
        } else {
            QTimer::singleShot(0, qApp, scenario == "events" ? std::function<void()>(tick) : quit);
        }
        form->Wait(30);
        order << "outer";
        if (scenario == "quit") {
            form->Wait(30); // a new wait after that ends at once as well
            QTimer::singleShot(0, qApp, quit);
            QCoreApplication::exec(); // the application's own loop clears its quitting
        }
        QTEST(order, "order");
        QVERIFY(!timer->isActive());
    }

    void resize_data()
    {
        columns<QSize, QSize>("size", "graph"); // the graphs' size after it
        QTest::newRow("larger") << QSize(700, 520) << QSize(400, 310);
        QTest::newRow("too small keeps the graphs") << QSize(200, 150) << QSize(249, 229);
    }
    void resize()
    {
        QFETCH(QSize, size);
        QFETCH(QSize, graph);
        form->Lblvkl_Click();
        for (int n = 1; n <= 10; ++n) {
            bar()->setValue(100 - 10 * n);
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
            const int reds = redPixels(c->image()); // ten points replotted from the table on every graph
            QVERIFY2(reds > 100 && (reds < 20 * 25 || size.width() < 300), qPrintable(name + QString::number(reds)));
        }
        QCOMPARE(redPixels(probe().plots().Picture3->image()) == dots, size.width() < 300);
    }

    void leaving_data()
    {
        QTest::addColumn<QString>("scenario"); // the real exit question in a child, answered Yes
        for (const char *scenario : {"idle", "wait", "authors"})
            QTest::newRow(scenario) << scenario;
    }
    void leaving()
    {
        QFETCH(QString, scenario);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DCSIM_LEAVING", scenario);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationDirPath() + "/child", {}, QIODevice::ReadOnly | QIODevice::Text);
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(child.readAllStandardOutput(), QByteArray("asked\n")); // and the fit did not run on
    }

    void looks()
    {
        // The three graphs over one another, 10 pixels short of the edges; black meters with green digits.
        QCOMPARE(QSize(form->scaleWidth(), form->scaleHeight()), QSize(549, 439));
        for (const char *graph : {"Picture3", "Picture4", "Picture5"})
            QCOMPARE(find(graph)->geometry(), QRect(290, 200, 249, 229));
        for (const char *meter : {"Picture1", "Picture2"}) {
            const QImage image = find<Canvas>(meter)->image();
            QVERIFY(countColour(image, Qt::black) > image.width() * image.height() / 2);
            QVERIFY(countColour(image, QColor(0, 255, 0)) > 20);
        }
        // A desktop with a large font: the controls without a font of their own keep the small face
        // the window is laid out for.
        const QFont desktop = QApplication::font();
        QApplication::setFont(QFont(desktop.family(), 14));
        Form1 large;
        QApplication::setFont(desktop);
        for (const char *name : {"Picture3", "Picture5", "N_S(1)", "Lbldv"}) {
            const QFont font = large.findChild<QWidget *>(name)->font();
            QCOMPARE(QFontInfo(font).family() + QString::number(QFontInfo(font).pointSize()), "Liberation Sans8");
            QVERIFY(QFontMetricsF(font).horizontalAdvance('0') < 7); // digits about 6 px wide
        }
        QCOMPARE(QFontInfo(large.findChild<QWidget *>("Option1")->font()).pointSizeF(), 9.75);
        QCOMPARE(QFontInfo(large.menuBar()->font()).pointSize(), 14);
        // A dragged thumb counts once it is let go.
        const int thumb = int(find<LineShape>("Line1")->X1()) - bar()->x();
        QTest::mousePress(bar(), Qt::LeftButton, {}, {thumb, 12});
        QTest::mouseMove(bar(), {thumb - 77, 12});
        QCOMPARE(read("Lbldv"), "100");
        QTest::mouseRelease(bar(), Qt::LeftButton, {}, {thumb - 77, 12});
        QCOMPARE(read("Lbldv"), "50");
        // Ctrl+C copies the table; a box with a selection copies its own text.
        run("click Lblvkl|record 2|record 5|key Ctrl+C");
        QCOMPARE(QApplication::clipboard()->text(), probe().table().tableText());
        QCOMPARE(QApplication::clipboard()->text().count('\n'), 3);
        run("click Lblvkl|type TxtRv 75|key Ctrl+A|key Ctrl+C");
        QCOMPARE(QApplication::clipboard()->text(), "75");
    }

    void focus_data()
    {
        columns<QString, bool>("element", "pictureKept"); // everything inside the dotted outline
        QTest::newRow("U(I) graph") << "Picture3" << true;
        QTest::newRow("voltmeter") << "Picture1" << true;
        QTest::newRow("rheostat") << "HScroll1" << false;
    }
    void focus()
    {
        QFETCH(QString, element);
        auto *w = find(element);
        find("TxtEdc")->setFocus();
        const QImage before = w->grab().toImage();
        w->setFocus();
        const QImage after = w->grab().toImage();
        const QRect inside = QRect(QPoint(0, 0), w->size()).adjusted(1, 1, -1, -1);
        QVERIFY(after != before);
        QFETCH(bool, pictureKept);
        QVERIFY(!pictureKept || after.copy(inside) == before.copy(inside));
    }

    void textPieces_data()
    {
        // The pieces at, before and after an offset, as "start-end".
        columns<QString, int, int, Texts>("text", "offset", "boundary", "pieces");
        const int word = QAccessible::WordBoundary, character = QAccessible::CharBoundary;
        QTest::newRow("word at the end") << " 16" << 3 << word << Texts{"1-3", "0-1", "3-3"};
        QTest::newRow("word at a blank") << " 16" << 0 << word << Texts{"0-1", "0-0", "1-3"};
        QTest::newRow("character past the end") << "100" << 9 << character << Texts{"3-3", "2-3", "3-3"};
        QTest::newRow("line") << "1e3" << 1 << int(QAccessible::LineBoundary) << Texts{"0-3", "0-0", "3-3"};
        QTest::newRow("empty") << "" << 0 << word << Texts{"0-0", "0-0", "0-0"};
    }
    void textPieces()
    {
        QFETCH(QString, text);
        QFETCH(int, offset);
        QFETCH(int, boundary);
        find<QLineEdit>("txtK")->setText(text); // every text box answers through the program's own text interface
        QAccessibleTextInterface *box = QAccessible::queryAccessibleInterface(find("txtK"))->textInterface();
        Texts pieces;
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
        QCOMPARE(std::pair(start, end), std::pair(0, int(text.size()))); // one run over the whole text
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
