// The drawing canvas keeps what is drawn as a list and puts it into its image
// only when the image is shown or read; the image must be the same as if
// every line had gone into it at once, whatever the canvas's size did since,
// and the list replayed elsewhere must give that image again.
#include "graphs/canvas.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

class TestCanvas : public QObject
{
    Q_OBJECT
private slots:
    void drawingAcrossResizes_data();
    void drawingAcrossResizes();
};

void TestCanvas::drawingAcrossResizes_data()
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

void TestCanvas::drawingAcrossResizes()
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

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
