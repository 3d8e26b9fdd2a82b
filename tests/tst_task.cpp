// The teacher's task: task files and the window they start, with hidden boxes
// that give nothing away.
#include "circuit/leadingnumber.h"
#include "graphs/canvas.h"
#include "report/labreport.h"
#include "task/taskfile.h"
#include "tests/columns.h"
#include "tests/testsupport.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

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
        QTest::newRow("example") << example.readAll() << QStringList{"6.4", "5", "150", "0.5", "100"} << QString();
        const char *const bad[][3] = {
            {"E 221", "[task]\n\nE=221", "строка 3:\r\nE=221: значение вне допустимых пределов («Опасно для жизни!»)."},
            {"Ra 100", "[task]\nRa=100", "строка 2:\r\nRa=100: значение вне допустимых пределов («Многовато будет!»)."},
            {"range, bad end", "[task]\nRv=150\n[random]\nE=0.5..12, 0.1", "строка 4:\r\nE=0.5..12, 0.1: нижний конец"},
            {"unknown key", "[task]\nE=12\ncolour=red", "строка 3:\r\nнеизвестный ключ «colour» в разделе [task]"},
            {"not a number", "[task]\nE=12V", "строка 2:\r\nE=12V: это не число."},
            {"missing file", "", "»:\r\nтакого файла нет."},
            {"not UTF-8", "[task]\nE=12\ntitle=\xc2\xe0\xf0\xe8\xe0\xed\xf2", "строка 3:\r\nтекст не в кодировке UTF-8."},
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
            seen << form->findChild<QLineEdit *>(box)->text();
            QCOMPARE(values[seen.size() - 1], circuit::leadingNumber(seen.last().toStdString()));
        }
        QCOMPARE(seen, (texts.isEmpty() ? QStringList{"16", "20", "75", "5", "100"} : texts));
        const QString told = boxes->errors.join('|');
        const QString usual = "\r\nПрограмма запускается с обычными значениями.";
        QVERIFY2(error.isEmpty() ? told.isEmpty()
                                 : boxes->errors.size() == 1 && told.startsWith("Файл задания «" + QDir::toNativeSeparators(path) + "»") &&
                                       told.contains(error) && told.endsWith(usual),
                 qPrintable(told));
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
