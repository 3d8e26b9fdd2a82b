// The drawing canvas: what is drawn stays the same whatever the canvas's size
// did since, replayed elsewhere or painted on the screen it gives the same
// image; lines cut to a rectangle; clicks and keys that press a clickable
// canvas.
#include "graphs/canvas.h"
#include "graphs/clipping.h"
#include "graphs/drawinglist.h"
#include "tests/columns.h"

#include <QApplication>
#include <cmath>
#include <QPainter>
#include <QTest>

using graphs::Canvas;

class TestCanvas : public QObject
{
    Q_OBJECT
    QWidget window;

    // A canvas of 100 x 50 on the shown window, white, drawing 1 pixel wide in pixels.
    Canvas *canvas()
    {
        auto *c = new Canvas(&window);
        c->setGeometry(0, 0, 100, 50);
        c->setBackColor(Qt::white);
        c->show();
        return c;
    }

private slots:
    void init()
    {
        window.resize(300, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    void cleanup() { qDeleteAll(window.findChildren<Canvas *>()); }

    void drawingAcrossResizes_data()
    {
        // The steps, then the pixels expected red (r) or white (w).
        columns<QString, QString>("steps", "pixels");
        QTest::newRow("growing keeps the drawing") << "line 0 10 99 10; size 200 50" << "r 20 10; r 99 10; w 150 10";
        QTest::newRow("growing after a read") << "line 0 10 99 10; read; size 200 50" << "r 20 10; w 150 10";
        QTest::newRow("shrinking cuts for good") << "line 0 10 99 10; size 50 50; size 100 50" << "r 20 10; w 80 10";
        QTest::newRow("shrinking cuts what was read") << "line 0 10 99 10; read; size 50 50; size 100 50"
                                                      << "r 20 10; w 80 10";
        QTest::newRow("shrunk and grown before the line") << "size 50 50; size 100 50; line 0 10 99 10" << "r 80 10";
        QTest::newRow("erased then drawn larger") << "line 0 10 99 10; cls; size 200 50; line 0 20 199 20"
                                                  << "w 20 10; r 150 20";
        QTest::newRow("hidden keeps the drawing") << "hide; line 0 10 99 10; size 200 50; show" << "r 20 10; w 150 10";
        QTest::newRow("no area loses the drawing") << "line 0 10 99 10; size 0 0; read; size 100 50" << "w 20 10";
        QTest::newRow("a point one pixel wide is one pixel") << "point 30 20" << "r 30 20; w 31 20; w 29 20; w 30 21; w 30 19";
    }
    void drawingAcrossResizes()
    {
        QFETCH(QString, steps);
        Canvas *c = canvas();
        for (const QString &step : steps.split(';')) {
            const QStringList w = step.split(' ', Qt::SkipEmptyParts);
            if (w[0] == "line")
                c->line(w[1].toFloat(), w[2].toFloat(), w[3].toFloat(), w[4].toFloat(), Qt::red);
            else if (w[0] == "point")
                c->pset(w[1].toFloat(), w[2].toFloat(), Qt::red);
            else if (w[0] == "size")
                c->resize(w[1].toInt(), w[2].toInt());
            else if (w[0] == "cls" || w[0] == "read")
                w[0] == "cls" ? c->cls() : void(c->image());
            else
                c->setVisible(w[0] == "show");
        }
        const QImage image = c->image();
        const qreal dpr = image.devicePixelRatio();
        QFETCH(QString, pixels);
        for (const QString &pixel : pixels.split(';')) {
            const QStringList p = pixel.split(' ', Qt::SkipEmptyParts);
            const QColor got = image.pixelColor(qRound(p[1].toInt() * dpr), qRound(p[2].toInt() * dpr));
            QVERIFY2(got == (p[0] == "r" ? QColor(Qt::red) : QColor(Qt::white)), qPrintable(pixel + ": " + got.name()));
        }
        QCOMPARE(c->grab().toImage().convertToFormat(image.format()), image); // as painted on the screen
        // Replayed onto an image of its own size, the list gives the canvas's own image.
        QImage replayed(image.size(), image.format());
        replayed.setDevicePixelRatio(dpr);
        QPainter painter(&replayed);
        c->replay(painter, QRectF(0, 0, c->width(), c->height()));
        painter.end();
        QCOMPARE(replayed, image);
    }
    void paintedAsDrawn()
    {
        // Shrunk, grown (its image then keeps room to grow) and shrunk again, a
        // canvas shows what one drawn at once at its last size shows, on the
        // screen as in its image; also at a scale factor of 2.
        Canvas *resized = canvas(), *atOnce = canvas();
        const auto drawing = [](Canvas *c) {
            c->setDrawWidth(2);
            c->line(0, 5, 59, 30, Qt::red);
            c->pset(30, 20, Qt::blue);
            c->print("12,5");
        };
        drawing(resized);
        resized->image();
        resized->resize(60, 40);
        resized->resize(200, 80);
        resized->image();
        resized->resize(80, 45);
        atOnce->resize(80, 45);
        drawing(atOnce);
        QCOMPARE(resized->image(), atOnce->image());
        for (Canvas *c : {resized, atOnce})
            QCOMPARE(c->grab().toImage().convertToFormat(c->image().format()), c->image());
    }
    void clipping_data()
    {
        // A segment cut to the rectangle 0,0 - 10,10: its ends after, or (null) nothing of it inside.
        columns<QLineF, QLineF>("segment", "inside");
        const double rows[][8] = {{1, 2, 3, 4, 1, 2, 3, 4}, {-10, 5, 20, 5, 0, 5, 10, 5}, {20, 5, -10, 5, 10, 5, 0, 5},
                                  {-1e30, -1e30, 5, 5, 0, 0, 5, 5}, {4, -3, 4, 13, 4, 0, 4, 10},
                                  {0, 0, 10, 0, 0, 0, 10, 0}, {-5, 1, -1, 9}, {1, 11, 9, 12}, {8, -5, 15, 5}, {11, 11, 11, 11}};
        for (const auto &r : rows)
            QTest::addRow("%g %g %g %g", r[0], r[1], r[2], r[3]) << QLineF(r[0], r[1], r[2], r[3])
                                                                 << QLineF(r[4], r[5], r[6], r[7]);
    }
    void clipping()
    {
        QFETCH(QLineF, segment);
        QFETCH(QLineF, inside);
        QPointF a = segment.p1(), b = segment.p2();
        QCOMPARE(graphs::clipSegment(a, b, QRectF(0, 0, 10, 10)), !inside.isNull());
        QCOMPARE(QLineF(a, b), inside.isNull() ? segment : inside);
    }
    void axisLinesAsStroked_data()
    {
        // A one-pixel line along an axis (its ends, the clip, the painter's shift) sets the
        // pixels the toolkit's line stroker sets: halves, 64ths, ends far out, ends that nearly meet,
        // just outside the clip, antialiased (a shift of 1).
        columns<QLineF, QRectF, int>("line", "clip", "shift");
        const double next = std::nextafter(25.5, 26.0), before = std::nextafter(25.5, 25.0);
        const double rows[][9] = {{0, 10.5, 59, 10.5, 0, 0, 60, 50, 0}, {12.5, 49, 12.5, 0, 0, 0, 60, 50, 0},
            {3.015625, 7.5, 3.015625, 30.49, 2, 8, 40, 20, 0}, {-1e7, 20.984375, 1e7, 20.984375, 0, 0, 60, 50, 0},
            {next, 1, before, 40, 0, 0, 60, 50, 3}, {40, next, 10, next, 5, 5, 50, 40, -2},
            {-0.001, 0, -0.001, 30, -5, -5, 20, 40, 3}, {25.5, 3, 25.5, 3.01, 0, 0, 60, 50, 0},
            {25.5, 3, before, 3, 0, 0, 60, 50, 0}, {10, 40, 10, 60, 0, 0, 60, 50, -3}, {1, 5, 1, 30, 2.4, 0, 40, 50, 0},
            {-9, 12.25, 40, 12.25, 0, 0, 60, 50, 1}};
        for (const auto &r : rows)
            QTest::addRow("%g %g %g %g", r[0], r[1], r[2], r[3])
                << QLineF(r[0], r[1], r[2], r[3]) << QRectF(r[4], r[5], r[6], r[7]) << int(r[8]);
    }
    void axisLinesAsStroked()
    {
        QFETCH(QLineF, line);
        QFETCH(QRectF, clip);
        QFETCH(int, shift);
        QImage listed(60, 50, QImage::Format_RGB32), stroked = listed;
        graphs::DrawingList list;
        list.add({graphs::DrawingList::Item::Segment, line.p1(), line.p2(), Qt::darkGreen, 1, {}, {}, clip});
        for (QImage *image : {&listed, &stroked}) {
            image->fill(Qt::white);
            QPainter p(image);
            p.translate(shift, shift);
            p.setRenderHint(QPainter::Antialiasing, shift == 1);
            if (image == &listed) {
                list.paintAll(p, 1.0);
                continue;
            }
            p.setClipRect(clip);
            p.setPen(QPen(Qt::darkGreen, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(line);
        }
        QCOMPARE(listed, stroked);
    }
    void presses_data()
    {
        // A mouse button let go inside or outside, or a key ("Enter" on the keypad), on a canvas that may be
        // clickable; the first four press it.
        columns<QString, bool>("action", "clickable");
        for (const char *action : {"left", "Space", "Return", "Enter", "outside", "right", "A"})
            for (bool clickable : {true, false})
                QTest::addRow("%s %d", action, clickable) << action << clickable;
    }
    void presses()
    {
        QFETCH(QString, action);
        QFETCH(bool, clickable);
        Canvas *c = canvas();
        c->setClickable(clickable);
        bool clicked = false;
        connect(c, &Canvas::clicked, [&] { clicked = true; });
        if (action == "left" || action == "outside" || action == "right") {
            const Qt::MouseButton button = action == "right" ? Qt::RightButton : Qt::LeftButton;
            QTest::mousePress(c, button);
            QTest::mouseRelease(c, button, {}, action == "outside" ? QPoint(120, 20) : c->rect().center());
        } else {
            QTest::keyClick(c, QKeySequence(action)[0].key(), action == "Enter" ? Qt::KeypadModifier : Qt::NoModifier);
        }
        QCOMPARE(clicked, clickable && QStringList({"left", "Space", "Return", "Enter"}).contains(action));
    }
};

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
