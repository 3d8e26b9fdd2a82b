// The teacher's task: task files and the window they start, with hidden boxes
// that give nothing away.
#include "circuit/leadingnumber.h"
#include "graphs/canvas.h"
#include "report/csv.h"
#include "report/labreport.h"
#include "task/commandline.h"
#include "task/tablecheck.h"
#include "task/taskfile.h"
#include "tests/columns.h"
#include "tests/student.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

const QString Example = QStringLiteral(DCSIM_DOCS_DIR "/example-task.ini");

// A window of the example task's `variant` (with another Rmax when given), the key closed in scheme `option`
// and the rheostat's `positions` recorded into rows 1, 2, ...
std::unique_ptr<Form1> recorded(Recorder *&boxes, int variant, const char *option, const QList<int> &positions,
                                const QString &Rmax = {})
{
    task::Task task = task::loadTask(Example, variant);
    task.texts[4] = Rmax.isEmpty() ? task.texts[4] : Rmax;
    auto form = makeForm(boxes, &task);
    QString steps = QStringLiteral("click %1|click Lblvkl").arg(option);
    for (int n = 1; n <= positions.size(); ++n)
        steps += QStringLiteral("|value %1|record %2").arg(positions[n - 1]).arg(n);
    Student{*form, *boxes}.run(steps);
    return form;
}

QByteArray saved(Form1 &form) { return report::tableCsv(Form1Probe{form}.table()); }

// The fit's k and b as the window shows them.
QString fitted(Form1 &form, Recorder &boxes)
{
    shortenWait(form);
    form.Picture3_Click();
    return Student{form, boxes}.read("txtK") + " " + Student{form, boxes}.read("txtB");
}

} // namespace

class TestTask : public QObject
{
    Q_OBJECT
private slots:
    void taskFile_data()
    {
        // The file's bytes (none: there is no file); the five boxes after start-up (none: the usual ones);
        // what the one message box says after the file's name.
        columns<QByteArray, QStringList, QString>("file", "texts", "error");
        QTest::newRow("fixed values") << QByteArray("[task]\ntitle=10 «Б»\nE=12.5\nr=1.7\nRv=150\nRa=0\nRmax=1e3\n")
                                      << QStringList{"12.5", "1.7", "150", "0", "1e3"} << QString();
        QFile example(QStringLiteral(DCSIM_DOCS_DIR "/example-task.ini"));
        QVERIFY(example.open(QIODevice::ReadOnly));
        QTest::newRow("example") << example.readAll() << QStringList{"6.4*", "5*", "150", "0.5", "100"} << QString();
        // A range of one value; every parameter but Rmax may be hidden (a hidden box's text marked *).
        QTest::newRow("one value, four hidden") << QByteArray("[task]\nhidden=E,r,Rv,Ra\n[random]\nE=12..12, 0.5\n")
                                                << QStringList{"12*", "20*", "75*", "5*", "100"} << QString();
        const char *const bad[][3] = {
            {"E 221", "[task]\n\nE=221", "строка 3:\r\nE=221: значение вне допустимых пределов («Опасно для жизни!»)."},
            {"Ra 100", "[task]\nRa=100", "строка 2:\r\nRa=100: значение вне допустимых пределов («Многовато будет!»)."},
            {"r 1e-310", "[task]\nr=1e-310", "строка 2:\r\nr=1e-310: значение вне допустимых пределов («Маловато будет!»)."},
            {"range, bad end", "[task]\nRv=150\n[random]\nE=0.5..12, 0.1", "строка 4:\r\nE=0.5..12, 0.1: нижний конец"},
            {"unknown key", "[task]\nE=12\ncolour=red", "строка 3:\r\nнеизвестный ключ «colour» в разделе [task]"},
            {"not a number", "[task]\nE=12V", "строка 2:\r\nE=12V: это не число."},
            {"missing file", "", "»:\r\nтакого файла нет."},
            {"not UTF-8", "[task]\nE=12\ntitle=\xc2\xe0\xf0\xe8\xe0\xed\xf2", "строка 3:\r\nтекст не в кодировке UTF-8."},
            {"Rmax hidden", "[task]\nhidden=Rmax", "строка 2:\r\nhidden=Rmax: Rmax скрыть нельзя"},
            {"fixed and drawn", "[task]\nE=12\n[random]\nE=5..6, 0.5", "строка 4:\r\nE задан и в [task], и в [random]."},
            {"step 0", "[random]\nr=1..2, 0", "строка 2:\r\nr=1..2, 0: шаг должен быть больше нуля."},
            {"ends reversed", "[random]\nr=2..1.5, 0.1", "строка 2:\r\nr=2..1.5, 0.1: нижний конец диапазона больше"},
            {"upper end too high", "[random]\nRa=0..100, 0.5", "строка 2:\r\nRa=0..100, 0.5: верхний конец"},
        };
        for (const auto &row : bad)
            QTest::newRow(row[0]) << QByteArray(row[1]) << QStringList() << QString::fromUtf8(row[2]);
    }
    void taskFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, texts);
        QFETCH(QString, error);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("task.ini"));
        QFile written(path);
        QVERIFY(file.isEmpty() || (written.open(QIODevice::WriteOnly) && written.write(file) == file.size()));
        written.close();
        const task::Task task = task::loadTask(path, 1);
        Recorder *boxes = nullptr;
        auto form = makeForm(boxes, &task);
        const circuit::SimState &s = Form1Probe{*form}.s();
        const double values[5] = {s.Edc, s.r, s.Rv, s.Ra, s.Rmax};
        QStringList seen; // each box's text, and the value it gave
        for (const char *box : {"TxtEdc", "Txtr", "TxtRv", "TxtRa", "TxtRmax"}) {
            const QLineEdit *edit = form->findChild<QLineEdit *>(box);
            seen << edit->text() + (edit->echoMode() == QLineEdit::Password ? "*" : "");
            QCOMPARE(values[seen.size() - 1], circuit::leadingNumber(edit->text().toStdString()));
        }
        QCOMPARE(seen, (texts.isEmpty() ? QStringList{"16", "20", "75", "5", "100"} : texts));
        const QString told = boxes->errors.join('|');
        const QString usual = "\r\nПрограмма запускается с обычными значениями.";
        QVERIFY2(error.isEmpty() ? told.isEmpty()
                                 : boxes->errors.size() == 1 && told.startsWith("Файл задания «" + QDir::toNativeSeparators(path) + "»") &&
                                       told.contains(error) && told.endsWith(usual),
                 qPrintable(told));
    }
    void link_data()
    {
        // A web page's link read as the command line: what is wrong with it (told in a box; for a task file
        // that cannot be used, the file's line), else the variant, zoom and task title it starts with.
        columns<QString, QString>("query", "outcome");
        const QString task = QUrl::toPercentEncoding(Example);
        QTest::newRow("none") << "" << "variant 0, zoom 0, ";
        QTest::newRow("all four") << "?task=" + task + "&variant=7&lang=ru&zoom=1.5"
                                  << "variant 7, zoom 1.5, Вариант для 10 «Б»";
        QTest::newRow("+ and %20 for blanks")
            << "task=" + QString(task).replace("example-task", "ex+ample%20task") + "&variant=2"
            << "Файл задания «" +
                   QDir::toNativeSeparators(QFileInfo(QString(Example).replace("example-task", "ex ample task")).absoluteFilePath()) +
                   "»:";
        QTest::newRow("a sign in a value") << "task=" + task + "&variant=-5"
                                           << "--variant: нужен номер варианта от 1 до 100000, а не «-5».";
        QTest::newRow("zoom past 4") << "zoom=4.5" << "--zoom: нужно число от 1 до 4, например 1.5, а не «4.5».";
        QTest::newRow("a language not shipped") << "lang=de" << "--lang: нужен один из языков ru, en, а не «de».";
        QTest::newRow("variant without a task") << "variant=3" << "варианты задаются файлом задания: добавьте --task файл.";
        QTest::newRow("another parameter") << "task=" + task + "&answers=1-30"
                                           << "в ссылке неизвестный параметр «answers»; понятны task, variant, lang, zoom.";
    }
    void link()
    {
        QFETCH(QString, query);
        const task::Start start = task::readLink(query);
        QCOMPARE(start.exitStatus.has_value(), !start.problem.isEmpty());
        QTEST(!start.problem.isEmpty()      ? start.problem
              : !start.task.error.isEmpty() ? start.task.error.section("\r\n", 0, 0)
                                            : QStringLiteral("variant %1, zoom %2, %3")
                                                  .arg(start.task.variant).arg(start.zoom).arg(start.task.title),
              "outcome");
    }
    void answerKey_data()
    {
        // The key (k1 b1 k2 b2 E1 r1 E2 r2) of a variant of the example task; the window's own fit over ten rows
        // recorded at the positions 10, 20, ..., 100, scheme 1 then 2 (empty: equal to the key's k and b). The
        // fit keeps single precision and here misses the exact line by less than 0.000025 in k and 0.000011 in
        // b: the texts are equal whenever the exact values lie farther than that from a rounding boundary.
        columns<int, QString, QString>("variant", "key", "fit");
        QTest::newRow("2, far from boundaries") << 2 << "-01.0920 05.9563 -01.6000 06.0000 05.9563 01.0920 06.0000 01.6000"
                                                << "";
        QTest::newRow("7") << 7 << "-01.6809 09.7891 -02.2000 09.9000 09.7891 01.6809 09.9000 02.2000" << "";
        QTest::newRow("14, k1 -0.795756 near -0.79575")
            << 14 << "-00.7958 08.8528 -01.3000 08.9000 08.8528 00.7958 08.9000 01.3000"
            << "-00.7957 08.8528 -01.3000 08.9000";
    }
    void answerKey()
    {
        QFETCH(int, variant);
        QFETCH(QString, key);
        QFETCH(QString, fit);
        QCOMPARE(task::keyColumns(task::parameterValues(task::loadTask(Example, variant).texts)).join(' '), key);
        QStringList fits;
        for (const char *scheme : {"Option1", "Option2"}) {
            Recorder *boxes = nullptr;
            auto form = recorded(boxes, variant, scheme, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100});
            fits << fitted(*form, *boxes);
        }
        QCOMPARE(fits.join(' '), fit.isEmpty() ? key.section(' ', 0, 3) : fit);
    }
    void checkTable_data()
    {
        // A table as handed in, and what the check of variant 7 finds: the exit status and part of its report.
        columns<QByteArray, int, QString>("table", "status", "said");
        Recorder *boxes = nullptr;
        const QByteArray one = saved(*recorded(boxes, 7, "Option1", {100, 0, 55, 55})); // a position twice
        auto form = recorded(boxes, 7, "Option2", {30, 90, 60});
        const QByteArray two = saved(*form);
        const QString fit = fitted(*form, *boxes);
        const QList<QByteArray> rows = one.split('\n'); // the header, four rows, ""
        const QByteArray changed = QByteArray(one).replace("0.69\r\n4,", "0.60\r\n4,"); // the last digit of row 3
        const QByteArray variant8 = saved(*recorded(boxes, 8, "Option1", {55})).split('\n')[1];
        const QByteArray rmax150 = saved(*recorded(boxes, 7, "Option1", {37}, "150")).split('\n')[1];

        QTest::newRow("scheme 1") << one << 0 << "строка 5, n = 4: настоящая: схема 1, R = 55 Ом (положение движка 55)";
        QTest::newRow("scheme 2, the window's fit")
            << two << 0 << "Прямая по строкам таблицы: k = " + fit.section(' ', 0, 0) + ", b = " + fit.section(' ', 1);
        QTest::newRow("a last digit changed")
            << changed << 1
            << "строка 4, n = 3: НЕ НАСТОЯЩАЯ: таких показаний нет ни в одной схеме ни при одном положении движка; в "
               "столбце eta стоит 0.60, а в строке «схема 1, R = 55 Ом (положение движка 55)» было бы 0.69\n";
        QTest::newRow("a row of variant 8") << one + variant8 + "\n" << 1 << "строка 6, n = 1: НЕ НАСТОЯЩАЯ";
        QTest::newRow("a row of Rmax 150") << one + rmax150 + "\n" << 1 << "строка 6, n = 1: НЕ НАСТОЯЩАЯ";
        QTest::newRow("rows out of order, repeated")
            << rows[0] + "\n" + rows[4] + "\n" + rows[2] + "\n" + rows[1] + "\n" + rows[2] << 0
            << "Итог: все строки настоящие.";
        QTest::newRow("LF, quoted, byte-order mark, a blank line")
            << "\xEF\xBB\xBF\"n\"" + QByteArray(two).replace("\r\n", "\n").mid(1) + "\n" << 0
                                    << "строка 3, n = 2: настоящая: схема 2, R = 90 Ом";
        QTest::newRow("a row 11") << rows[0] + "\n11" + rows[1].mid(1) << 2 << "строка 2: номер строки 11 — не целое";
        QTest::newRow("too large") << QByteArray(task::MaxTableBytes + 1, '\n') << 2 << "файл слишком велик";
        QTest::newRow("empty") << QByteArray() << 2 << "строка 1: файл пуст";
        QTest::newRow("header only") << rows[0] + "\n" << 1
                                     << "Ключ, схема 2: k = -02.2000, b = 09.9000\n"
                                        "Итог: в таблице нет ни одной строки измерений.";
        QTest::newRow("another program's") << QByteArray("Date,Value\r\n1,2\r\n") << 2
                                           << "строка 1: это не таблица измерений программы";
        QTest::newRow("not UTF-8") << QByteArray(one).insert(one.indexOf("\r\n3,") - 1, '\xff') << 2
                                   << "строка 3: текст не в кодировке UTF-8";
    }
    void checkTable()
    {
        QFETCH(QByteArray, table);
        QFETCH(int, status);
        QFETCH(QString, said);
        const task::CheckResult result = task::checkTable(table, task::parameterValues(task::loadTask(Example, 7).texts));
        QVERIFY2(result.status == status && result.text.contains(said), qPrintable(result.text));
    }
    void hiddenBox()
    {
        const task::Task task{"10 «Б»", {QStringLiteral("12.5")}, {true}, {}}; // E 12.5, hidden
        Recorder *boxes = nullptr;
        auto form = makeForm(boxes, &task);
        QCOMPARE(form->windowTitle(), "Моделирование работы электрической цепи постоянного тока — 10 «Б»");
        form->Lblvkl_Click(); // closing and opening the key enables the boxes again
        form->Lblvkl_Click();
        auto *E = form->findChild<QLineEdit *>("TxtEdc");
        QVERIFY(E->isEnabled() && E->isReadOnly() && E->echoMode() == QLineEdit::Password);
        QCOMPARE(Form1Probe{*form}.s().Edc, 12.5);
        // Neither a screen reader, a tooltip nor the report sees the value.
        QAccessibleInterface *box = QAccessible::queryAccessibleInterface(E);
        const QString told = box->text(QAccessible::Name) + box->text(QAccessible::Description) +
                             box->text(QAccessible::Value) + box->textInterface()->text(0, 4) + E->toolTip();
        QVERIFY2(!told.contains("12") && !told.contains("5"), qPrintable(told));
        QCOMPARE(form->labReport().parameters[0].value + form->labReport().parameters[1].value, "скрыто20");
        // The U(I) graph's scale is E and E/r: no tick values, no source line through its centre.
        const graphs::Canvas *graph = Form1Probe{*form}.plots().Picture3;
        QCOMPARE(graph->texts(), (QStringList{"U, B", "I, A"}));
        QVERIFY(graph->image().pixelColor(graph->image().rect().center()) != QColor(0, 0, 0));
    }
};

QTEST_MAIN(TestTask)
#include "tst_task.moc"
