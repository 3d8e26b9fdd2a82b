// Results written to files: the table as CSV under either locale, a graph as
// PNG (also run at a scale factor of 2), and writes that cannot be made.
#include "graphs/canvas.h"
#include "report/exportactions.h"
#include "task/taskfile.h"
#include "tests/columns.h"
#include "tests/testsupport.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>


class TestReport : public QObject
{
    Q_OBJECT
    std::unique_ptr<Form1> form;
    Recorder *boxes = nullptr;
    QTemporaryDir dir;

    report::ExportActions &exports() { return *form->findChild<report::ExportActions *>(); }

private slots:
    void init() { form = makeForm(boxes); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

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
        form = makeForm(boxes);
        form->findChild<QRadioButton *>(scheme)->setChecked(true);
        form->Lblvkl_Click();
        // Rows 1, 3 and 10, the rest blank; the cells with the locale's separator, the file with points.
        QStringList expected{"n,I_A,U_V,Po_W,Pv_W,eta"};
        for (std::size_t n : {1, 3, 10}) {
            form->findChild<QScrollBar *>("HScroll1")->setValue(int(9 * n));
            Form1Probe{*form}.record(int(n));
            QStringList cells = Form1Probe{*form}.table().rowTexts(n);
            QCOMPARE(cells.join(' ').contains(','), locale.decimalPoint() == ",");
            expected << QString::number(n) + "," + cells.replaceInStrings(locale.decimalPoint(), ".").join(',');
        }
        const QString path = dir.filePath("таблица.csv");
        QVERIFY(exports().writeTable(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), expected.join("\r\n") + "\r\n");
    }
    void graphPng()
    {
        form->Lblvkl_Click();
        Form1Probe{*form}.record(4);
        const QString path = dir.filePath("график.png");
        const QImage graph = Form1Probe{*form}.plots().Picture4->image();
        QVERIFY(exports().writeGraph(*Form1Probe{*form}.plots().Picture4, path));
        QImage saved = QImage(path).convertToFormat(graph.format());
        saved.setDevicePixelRatio(graph.devicePixelRatio()); // in pixels of the screen
        QCOMPARE(saved, graph);
    }
    void reportPdf()
    {
#ifdef Q_OS_WIN
        QSKIP("read back with Poppler's tools, which Wine has not");
#endif
        // A teacher's variant, ten rows and a fit: read back by Poppler, the report holds the title, the task and
        // variant, the parameters as their boxes show them, every row as the table shows it, k and b; its graphs
        // are lines, not pictures.
        const task::Task task{"10 «Б»", {"9.9", "1.7", "150", "0.5", "100"}, {}, {}, 1};
        form = makeForm(boxes, &task);
        form->Lblvkl_Click();
        for (int n = 1; n <= 10; ++n) {
            form->findChild<QScrollBar *>("HScroll1")->setValue(110 - 10 * n);
            Form1Probe{*form}.record(n);
        }
        shortenWait(*form);
        form->Picture3_Click();
        QVERIFY(exports().writeReport(dir.filePath("отчёт.pdf")));
        QProcess poppler;
        poppler.start("pdftotext", {"-layout", dir.filePath("отчёт.pdf"), "-"});
        QVERIFY(poppler.waitForFinished());
        const QString text = QString::fromUtf8(poppler.readAll()).simplified();
        QStringList expected{form->windowTitle(), "Задание: 10 «Б», вариант 1", "Rmax(Ом)= 100", "r(Oм)= 1.7",
                             "k = " + form->findChild<QLineEdit *>("txtK")->text() + ", b = " +
                                 form->findChild<QLineEdit *>("txtB")->text()};
        for (std::size_t n = 1; n <= 10; ++n)
            expected << QString::number(n) + " " + Form1Probe{*form}.table().rowTexts(n).join(' ');
        for (const QString &part : expected)
            QVERIFY2(text.contains(part), qPrintable(part));
        poppler.start("pdfimages", {"-list", dir.filePath("отчёт.pdf")});
        QVERIFY(poppler.waitForFinished());
        for (const QString &image : QString::fromUtf8(poppler.readAll()).split('\n').mid(2, -1))
            QVERIFY2(image.section(' ', 3, 3, QString::SectionSkipEmpty).toInt() < 100, qPrintable(image));
    }
    void proposedNames_data()
    {
        // How the name the file dialog offers begins, without a task file and in a task's variant 7.
        columns<int, QString, QString>("variant", "action", "name");
        const char *const actions[][2] = {{"saveTable", "таблица-"}, {"saveReport", "отчёт-"}, {"saveGraph", "график-U(I)-"}};
        for (int variant : {0, 7})
            for (const auto &a : actions)
                QTest::addRow("%s, variant %d", a[0], variant)
                    << variant << a[0] << QString::fromUtf8(a[1]) + (variant ? "вариант-7-" : "");
    }
    void proposedNames()
    {
        QFETCH(int, variant);
        QFETCH(QString, action);
        const task::Task task{{}, {}, {}, {}, variant};
        form = makeForm(boxes, &task);
        QString offered;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget()))
                offered = QFileInfo(dialog->selectedFiles().value(0)).fileName(), dialog->reject();
        });
        answer.start(10);
        form->findChild<QAction *>(action)->trigger();
        QTRY_VERIFY(!offered.isEmpty());
        QFETCH(QString, name);
        const QRegularExpression stamp(R"(^\d{4}-\d\d-\d\d-\d{4}\.(csv|pdf|png)$)"); // then date and time
        QVERIFY2(offered.startsWith(name) && stamp.match(offered.mid(name.size())).hasMatch(), qPrintable(offered));
    }
    void failedWrite_data()
    {
        QTest::addColumn<QString>("suffix");
        for (const char *suffix : {"csv", "png", "pdf"})
            QTest::newRow(suffix) << suffix;
    }
    void failedWrite()
    {
        QFETCH(QString, suffix);
        // A folder that is not there takes no file, for root and on every system alike.
        QTemporaryDir dir;
        const QString path = dir.filePath("missing/x." + suffix);
        const bool written = suffix == "csv"   ? exports().writeTable(path)
                             : suffix == "png" ? exports().writeGraph(*Form1Probe{*form}.plots().Picture3, path)
                                               : exports().writeReport(path);
        QVERIFY(!written);
        // One message: the file's name, then why.
        const QStringList lines = boxes->errors.join("|").split("\r\n");
        QVERIFY2(lines.size() == 2 && lines[0].contains(QDir::toNativeSeparators(path)) && !lines[1].isEmpty(), qPrintable(lines.join("\n")));
        QVERIFY(QDir(QFileInfo(path).path()).entryList({"x.*"}, QDir::Files | QDir::Hidden).isEmpty());
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
