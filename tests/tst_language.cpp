// The language: chosen from --lang or the desktop's list; the English
// window, boxes, report and documents without a Russian word left; every
// English caption shown whole (also run at a scale factor of 2).
#include "graphs/canvas.h"
#include "report/exportactions.h"
#include "tests/columns.h"
#include "tests/testsupport.h"
#include "ui/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestLanguage : public QObject
{
    Q_OBJECT
private slots:
    void init() { ui::useLanguage("en"); }
    void cleanupTestCase() { ui::useLanguage("ru"); }

    void chosen_data()
    {
        // The one language variable of the environment; what the program printed.
        columns<QStringList, QString, int, QString>("arguments", "environment", "status", "printed");
        const QString ru = "Моделирование работы электрической цепи постоянного тока\nПараметры задачи\n";
        const QString en = "Simulation of a Direct-Current Electric Circuit\nParameters\n";
        QTest::newRow("--lang en") << QStringList{"--lang", "en"} << "LANG=C.UTF-8" << 0 << en;
        QTest::newRow("--lang ru") << QStringList{"--lang=ru"} << "LANGUAGE=en" << 0 << ru;
        QTest::newRow("LANGUAGE=en") << QStringList{} << "LANGUAGE=en" << 0 << en;
        QTest::newRow("LANG=ru_RU.UTF-8") << QStringList{} << "LANG=ru_RU.UTF-8" << 0 << ru;
        QTest::newRow("LANG=C.UTF-8") << QStringList{} << "LANG=C.UTF-8" << 0 << ru;
        QTest::newRow("LANGUAGE=de:en") << QStringList{} << "LANGUAGE=de:en" << 0 << en;
        QTest::newRow("LC_ALL=en_GB.UTF-8") << QStringList{} << "LC_ALL=en_GB.UTF-8" << 0 << en;
        QTest::newRow("bad --lang") << QStringList{"--lang", "de"} << "LANGUAGE=en" << 2
                                    << "dcsim: --lang: expected one of the languages ru, en, not “de”.\nHelp: dcsim --help\n";
        QTest::newRow("help") << QStringList{"-lang", "en", "--help"} << "LANG=ru_RU.UTF-8" << 0
                              << "  --lang <language>     The program's language: ru, en. By default the first of";
        QTest::newRow("Russian help") << QStringList{"--lang", "ru", "--help"} << "LANGUAGE=en" << 0
                                      << "--lang <язык>";
    }
    void chosen()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows gives its languages through its settings, not through the environment");
#endif
        QFETCH(QStringList, arguments);
        QFETCH(QString, environment);
        QProcess child;
        child.setEnvironment(QProcess::systemEnvironment().filter(QRegularExpression("^(?!LANGUAGE|LC_ALL|LC_MESSAGES|LANG)"))
                             << environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationDirPath() + "/child", arguments);
        QVERIFY(child.waitForFinished(30000));
        const QString out = QString::fromUtf8(child.readAll());
        QFETCH(QString, printed);
        QVERIFY2(out.contains(printed), qPrintable(out));
        QTEST(child.exitCode(), "status");
    }

    void complete()
    {
        // Every text property of every object of the windows and boxes (titles, captions, tooltips,
        // actions, accessible names and descriptions, what the announcer told last), the graphs' texts.
        QStringList texts;
        const auto walk = [&texts](QWidget *top) {
            QObjectList objects = top->findChildren<QObject *>();
            for (const QObject *o : objects << top) {
                for (int i = 0; i < o->metaObject()->propertyCount(); ++i)
                    texts << o->metaObject()->property(i).read(o).toString();
                if (auto *canvas = qobject_cast<const graphs::Canvas *>(o))
                    texts << canvas->texts();
            }
        };
        Form1 form;
        form.show();
        QTimer boxes; // every message box read, then answered No or OK
        connect(&boxes, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                walk(box), (box->button(QMessageBox::No) ? box->button(QMessageBox::No) : box->buttons().constFirst())->click();
        });
        boxes.start(10);
        form.Lblvkl_Click();
        Form1Probe{form}.record(1);
        QCoreApplication::processEvents(); // the announcer tells the key and the row
        walk(&form);
        form.Lblvkl_Click();
        form.findChild<QLineEdit *>("TxtEdc")->setText("300");
        for (const char *item : {"mnuHelpAbout", "mnuHelpAvtors"})
            form.findChild<QAction *>(item)->trigger();
        for (QWidget *top : QApplication::topLevelWidgets())
            walk(top);
        form.close();
        QVERIFY(texts.contains("Are you absolutely sure?"));
#ifndef Q_OS_WIN // the report read back by Poppler's pdftotext, which Wine has not
        QTemporaryDir folder;
        QVERIFY(form.findChild<report::ExportActions *>()->writeReport(folder.filePath("report.pdf")));
        QProcess pdftotext;
        pdftotext.start("pdftotext", {folder.filePath("report.pdf"), "-"});
        QVERIFY(pdftotext.waitForFinished());
        texts << QString::fromUtf8(pdftotext.readAll());
        QVERIFY(texts.last().contains("Laboratory report"));
#endif
        // No Russian letter is left; the English texts need no exception, not even for units.
        QCOMPARE(texts.filter(QRegularExpression("\\p{Cyrillic}")).join(" | "), QString());
        // Nor is any text of the translation unfinished or obsolete.
        QFile ts(QStringLiteral(DCSIM_TS_FILE));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QVERIFY(!QRegularExpression(R"re(type="(unfinished|obsolete|vanished)")re").match(ts.readAll()).hasMatch());
    }

    void fits_data()
    {
        QTest::addColumn<QString>("control");
        for (const char *name : {"Lblnazvan", "LblEds", "Lblr", "LblRv", "LblRa", "LblRmax", "Frame1", "Option1",
                                 "Option2", "Frame2", "Option3", "Option4", "Option5", "lblI(0)", "lblU(0)", "lblP0(0)",
                                 "lblPv(0)", "lblKPD(0)"})
            QTest::newRow(name) << name;
    }
    void fits()
    {
        // Drawn again 100 pixels wider (on both sides when centred), the caption's dark ink stays within
        // the control's own width, inside its frame: nothing of it was cut.
        QFETCH(QString, control);
        Form1 form;
        auto *w = form.findChild<QWidget *>(control);
        auto *label = qobject_cast<QLabel *>(w);
        const int frame = label ? label->frameWidth() : 0, left = label && label->alignment() & Qt::AlignHCenter ? 50 : 0;
        const int width = w->width();
        w->setGeometry(w->x() - left, w->y(), width + 100, w->height());
        const QImage wide = w->grab().toImage();
        const qreal scale = wide.devicePixelRatio();
        const int edge = std::ceil(frame * scale);
        int ink = 0;
        for (int y = edge; y < wide.height() - edge; ++y)
            for (int x = edge; x < wide.width() - edge; ++x)
                if (qGray(wide.pixel(x, y)) < 96 && ++ink)
                    QVERIFY2(x > (left + frame) * scale && x < (left + width - frame - 1) * scale, qPrintable(QString::number(x)));
        QVERIFY(ink > 20 && w->font().pointSizeF() >= 8);
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
