// Results written to files: the table as CSV under either locale, a graph as
// PNG (also run at a scale factor of 2), and writes that cannot be made.
#include "graphs/canvas.h"
#include "report/exportactions.h"
#include "tests/testsupport.h"

#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

class TestReport : public QObject
{
    Q_OBJECT
private slots:
    void init() { form = makeForm(boxes), exports = form->findChild<report::ExportActions *>(); }
    void cleanup() { form.reset(), QLocale::setDefault(QLocale::c()); }
    void tableCsv_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QLocale>("locale");
        for (const char *scheme : {"Option1", "Option2"})
            for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::Russian, QLocale::Russia)})
                QTest::addRow("%s, %s", scheme, qPrintable(locale.name())) << scheme << locale;
    }
    void tableCsv()
    {
        QFETCH(QString, scheme);
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        form = makeForm(boxes), exports = form->findChild<report::ExportActions *>();
        form->findChild<QRadioButton *>(scheme)->setChecked(true);
        form->Lblvkl_Click();
        QStringList expected{"n,I_A,U_V,Po_W,Pv_W,eta"};
        for (std::size_t n : {1, 3, 10}) {
            form->findChild<QScrollBar *>("HScroll1")->setValue(int(9 * n));
            Form1Probe{*form}.record(int(n));
            QStringList cells = Form1Probe{*form}.table().rowTexts(n);
            QCOMPARE(cells.join(' ').contains(','), locale.decimalPoint() == ",");
            expected << QString::number(n) + "," + cells.replaceInStrings(locale.decimalPoint(), ".").join(',');
        }
        QTemporaryDir dir;
        const QString path = dir.filePath("таблица.csv");
        QVERIFY(exports->writeTable(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), expected.join("\r\n") + "\r\n");
    }
    void graphPng()
    {
        form->Lblvkl_Click();
        Form1Probe{*form}.record(4);
        QTemporaryDir dir;
        const QString path = dir.filePath("график.png");
        const graphs::Canvas &graph = *Form1Probe{*form}.plots().Picture4;
        QVERIFY(exports->writeGraph(graph, path));
        QImage saved = QImage(path).convertToFormat(graph.image().format());
        QCOMPARE(saved.size(), graph.image().size()); // in pixels of the screen
        saved.setDevicePixelRatio(graph.image().devicePixelRatio());
        QCOMPARE(saved, graph.image());
    }
    void failedWrite_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("table") << "csv";
        QTest::newRow("graph") << "png";
        QTest::newRow("report") << "pdf";
    }
    void failedWrite()
    {
        QFETCH(QString, suffix);
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        // Root writes into any folder; /proc, which takes no new files, stands in.
        const QString path = (geteuid() == 0 ? QStringLiteral("/proc") : dir.path()) + "/x." + suffix;
        QVERIFY(!(suffix == "csv"   ? exports->writeTable(path)
                  : suffix == "png" ? exports->writeGraph(*Form1Probe{*form}.plots().Picture3, path)
                                    : exports->writeReport(path)));
        QCOMPARE(boxes->errors.size(), 1);
        const QStringList lines = boxes->errors[0].split("\r\n");
        QVERIFY2(lines.size() == 2 && lines[0].contains(path) && !lines[1].isEmpty(), qPrintable(boxes->errors[0]));
        QVERIFY(QDir(QFileInfo(path).path()).entryList({"x.*"}, QDir::Files | QDir::Hidden).isEmpty());
    }

private:
    std::unique_ptr<Form1> form;
    Recorder *boxes = nullptr;
    report::ExportActions *exports = nullptr;
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
