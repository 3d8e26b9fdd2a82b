// The drawing canvas: what is drawn stays the same whatever the canvas's size
// did since, replayed elsewhere it gives the same image; lines cut to a
// rectangle; clicks and keys that press a clickable canvas.
#include "graphs/canvas.h"
#include "graphs/clipping.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

class TestCanvas : public QObject
{
    Q_OBJECT
private slots:
    void drawingAcrossResizes_data()
    {
        // Steps: "line x1 y1 x2 y2" (red, 1 px, pixel scale), "size w h", "cls",
        // "read" (the image is read now), "hide", "show". Then the pixels
        // expected red (r) or white (w).
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("pixels");
        QTest::newRow("drawn, read") << "line 0 10 99 10; read" << "r 20 10; w 20 20";
        QTest::newRow("growing keeps the drawing") << "line 0 10 99 10; size 200 50" << "r 20 10; r 99 10; w 150 10";
        QTest::newRow("growing after a read") << "line 0 10 99 10; read; size 200 50" << "r 20 10; w 150 10";
        QTest::newRow("shrinking cuts for good") << "line 0 10 99 10; size 50 50; size 100 50" << "r 20 10; w 80 10";
        QTest::newRow("shrinking cuts, read between")
            << "line 0 10 99 10; read; size 50 50; read; size 100 50" << "r 20 10; w 80 10";
        QTest::newRow("shrunk and grown before the line") << "size 50 50; size 100 50; line 0 10 99 10" << "r 80 10";
        QTest::newRow("line beyond the canvas then growing") << "line 0 10 199 10; size 200 50" << "r 99 10; w 150 10";
        QTest::newRow("erased") << "line 0 10 99 10; cls" << "w 20 10";
        QTest::newRow("erased then drawn larger") << "line 0 10 99 10; cls; size 200 50; line 0 20 199 20"
                                                  << "w 20 10; r 150 20";
        QTest::newRow("hidden keeps the drawing") << "hide; line 0 10 99 10; size 200 50; show" << "r 20 10; w 150 10";
        QTest::newRow("no area loses the drawing") << "line 0 10 99 10; size 0 0; read; size 100 50" << "w 20 10";
    }
    void drawingAcrossResizes()
    {
        QFETCH(QString, steps);
        QFETCH(QString, pixels);
        QWidget window;
        window.resize(300, 100);
        graphs::Canvas canvas(&window);
        canvas.resize(100, 50);
        canvas.setBackColor(Qt::white);
        canvas.scalePixels();
        canvas.setDrawWidth(1);
        window.show();
        for (const QString &step : steps.split(QLatin1Char(';'))) {
            const QStringList w = step.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (w[0] == QLatin1String("line"))
                canvas.line(w[1].toFloat(), w[2].toFloat(), w[3].toFloat(), w[4].toFloat(), Qt::red);
            else if (w[0] == QLatin1String("size"))
                canvas.resize(w[1].toInt(), w[2].toInt());
            else if (w[0] == QLatin1String("cls"))
                canvas.cls();
            else if (w[0] == QLatin1String("read"))
                (void)canvas.image();
            else if (w[0] == QLatin1String("hide"))
                canvas.hide();
            else if (w[0] == QLatin1String("show"))
                canvas.show();
        }
        const QImage image = canvas.image();
        const qreal dpr = image.devicePixelRatio();
        for (const QString &pixel : pixels.split(QLatin1Char(';'))) {
            const QStringList p = pixel.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            const QColor want = p[0] == QLatin1String("r") ? QColor(Qt::red) : QColor(Qt::white);
            const QColor got = image.pixelColor(qRound(p[1].toInt() * dpr), qRound(p[2].toInt() * dpr));
            QVERIFY2(got == want, qPrintable(pixel + QStringLiteral(": ") + got.name()));
        }
        // Replayed onto an image of its own size, the list gives the canvas's own image.
        QImage replayed(image.size(), image.format());
        replayed.setDevicePixelRatio(dpr);
        QPainter painter(&replayed);
        canvas.replay(painter, QRectF(0, 0, canvas.width(), canvas.height()));
        painter.end();
        QCOMPARE(replayed, image);
    }
    void clipping_data()
    {
        // A segment cut to the rectangle 0,0 - 10,10: its ends after, or nothing.
        QTest::addColumn<QLineF>("segment");
        QTest::addColumn<QLineF>("inside"); // null: nothing of it inside
        QTest::newRow("inside") << QLineF(1, 2, 3, 4) << QLineF(1, 2, 3, 4);
        QTest::newRow("across") << QLineF(-10, 5, 20, 5) << QLineF(0, 5, 10, 5);
        QTest::newRow("across backwards") << QLineF(20, 5, -10, 5) << QLineF(10, 5, 0, 5);
        QTest::newRow("diagonal from far") << QLineF(-1e30, -1e30, 5, 5) << QLineF(0, 0, 5, 5);
        QTest::newRow("vertical, cut at both ends") << QLineF(4, -3, 4, 13) << QLineF(4, 0, 4, 10);
        QTest::newRow("on the edge") << QLineF(0, 0, 10, 0) << QLineF(0, 0, 10, 0);
        QTest::newRow("left of it") << QLineF(-5, 1, -1, 9) << QLineF();
        QTest::newRow("below it") << QLineF(1, 11, 9, 12) << QLineF();
        QTest::newRow("passing the corner") << QLineF(8, -5, 15, 5) << QLineF();
        QTest::newRow("a point outside") << QLineF(11, 11, 11, 11) << QLineF();
    }
    void clipping()
    {
        QFETCH(QLineF, segment);
        QFETCH(QLineF, inside);
        QPointF a = segment.p1(), b = segment.p2();
        QCOMPARE(graphs::clipSegment(a, b, QRectF(0, 0, 10, 10)), !inside.isNull());
        QCOMPARE(QLineF(a, b), inside.isNull() ? segment : inside);
    }
    void presses_data()
    {
        // What the user does to a canvas that may be clickable, and the clicks reported.
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("clickable");
        QTest::addColumn<int>("clicks");
        QTest::newRow("click") << "click" << true << 1;
        QTest::newRow("released outside") << "outside" << true << 0;
        QTest::newRow("right button") << "right" << true << 0;
        QTest::newRow("Space") << "Space" << true << 1;
        QTest::newRow("Enter") << "Enter" << true << 1;
        QTest::newRow("keypad Enter") << "keypad" << true << 1;
        QTest::newRow("another key") << "A" << true << 0;
        QTest::newRow("click, not clickable") << "click" << false << 0;
        QTest::newRow("Space, not clickable") << "Space" << false << 0;
    }
    void presses()
    {
        QFETCH(QString, action);
        QFETCH(bool, clickable);
        graphs::Canvas canvas;
        canvas.resize(100, 50);
        canvas.setClickable(clickable);
        int clicks = 0;
        connect(&canvas, &graphs::Canvas::clicked, [&] { ++clicks; });
        if (action == "click" || action == "right")
            QTest::mouseClick(&canvas, action == "click" ? Qt::LeftButton : Qt::RightButton);
        else if (action == "outside")
            QTest::mousePress(&canvas, Qt::LeftButton), QTest::mouseRelease(&canvas, Qt::LeftButton, {}, QPoint(120, 20));
        else if (action == "keypad")
            QTest::keyClick(&canvas, Qt::Key_Enter, Qt::KeypadModifier);
        else
            QTest::keyClick(&canvas, action == "Space" ? Qt::Key_Space : action == "Enter" ? Qt::Key_Return : Qt::Key_A);
        QTEST(clicks, "clicks");
    }
};

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
