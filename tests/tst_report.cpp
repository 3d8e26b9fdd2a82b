// Results written to files: the table as CSV under either locale, a graph as
// PNG, and a write that cannot be made.
#include "testsupport.h"

#include "app/rheostat.h"
#include "graphs/canvas.h"
#include "graphs/graphs.h"
#include "graphs/plots.h"
#include "graphs/table.h"
#include "report/exportactions.h"

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
    void tableCsv_data();
    void tableCsv();
    void graphPng();
    void failedWrite_data();
    void failedWrite();
};

void TestReport::tableCsv_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<QLocale>("locale");
    for (int scheme : {1, 2})
        for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::Russian, QLocale::Russia)})
            QTest::addRow("scheme %d, %s", scheme, qPrintable(locale.name())) << scheme << locale;
}

void TestReport::tableCsv()
{
    QFETCH(int, scheme);
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    Recorder *boxes;
    auto form = makeForm(boxes);
    (scheme == 1 ? form->Option1 : form->Option2)->setChecked(true);
    form->Lblvkl_Click();
    const graphs::Graphs &g = *form->graphs;
    QStringList expected{QStringLiteral("n,I_A,U_V,Po_W,Pv_W,eta")};
    for (std::size_t n : {1, 3, 10}) {
        form->HScroll1->setValue(static_cast<int>(9 * n));
        form->graphs->N_S_Click(static_cast<int>(n));
        QStringList row{QString::number(n)};
        for (const QLabel *cell : {g.table->lblI[n], g.table->lblU[n], g.table->lblP0[n], g.table->lblPv[n], g.table->lblKPD[n]})
            row << cell->text().trimmed().replace(locale.decimalPoint(), QLatin1String("."));
        expected << row.join(QLatin1Char(','));
    }
    QCOMPARE(g.table->lblU[1]->text().contains(QLatin1Char(',')), locale.decimalPoint() == QLatin1String(","));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("таблица.csv"));
    QVERIFY(form->findChild<report::ExportActions *>()->writeTable(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), expected.join(QLatin1String("\r\n")) + QLatin1String("\r\n"));
}

void TestReport::graphPng()
{
    Recorder *boxes;
    auto form = makeForm(boxes);
    form->Lblvkl_Click();
    form->graphs->N_S_Click(4);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("график.png"));
    const graphs::Canvas &graph = *form->graphs->plots->Picture4;
    QVERIFY(form->findChild<report::ExportActions *>()->writeGraph(graph, path));
    QImage saved = QImage(path).convertToFormat(graph.image().format());
    QCOMPARE(saved.size(), graph.image().size()); // in pixels of the screen
    saved.setDevicePixelRatio(graph.image().devicePixelRatio());
    QCOMPARE(saved, graph.image());
}

void TestReport::failedWrite_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::newRow("table") << "csv";
    QTest::newRow("graph") << "png";
    QTest::newRow("report") << "pdf";
}

void TestReport::failedWrite()
{
    QFETCH(QString, suffix);
    Recorder *boxes;
    auto form = makeForm(boxes);
    auto *exports = form->findChild<report::ExportActions *>();
    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    // Root writes into any folder; /proc, which takes no new files, stands in.
    const QString path = (geteuid() == 0 ? QStringLiteral("/proc") : dir.path()) + QStringLiteral("/x.") + suffix;
    const bool written = suffix == QLatin1String("csv")   ? exports->writeTable(path)
                         : suffix == QLatin1String("png") ? exports->writeGraph(*form->graphs->plots->Picture3, path)
                                                          : exports->writeReport(path);
    QVERIFY(!written);
    QCOMPARE(boxes->errors.size(), 1);
    const QStringList lines = boxes->errors[0].split(QLatin1String("\r\n"));
    QVERIFY2(lines.size() == 2 && lines[0].contains(path) && !lines[1].isEmpty(), qPrintable(boxes->errors[0]));
    QVERIFY(QDir(QFileInfo(path).path()).entryList({QStringLiteral("x.*")}, QDir::Files | QDir::Hidden).isEmpty());
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
