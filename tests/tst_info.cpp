// Help and information: the About and Authors texts, the Authors window
// centred on the main one, the documents opened from the menus, and the
// documents the build made.
#include "info/abouttext.h"
#include "info/form2.h"
#include "info/placement.h"
#include "tests/columns.h"
#include "tests/testsupport.h"
#include "ui/language.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QStringEncoder>
#include <QTemporaryDir>

class TestInfo : public QObject
{
    Q_OBJECT
    QList<QUrl> handed;

public slots:
    void open(const QUrl &url) { handed << url; }

private slots:
    void texts()
    {
        // Lines joined by CR LF, none after the last; five of the authors' padded to 36 characters.
        const QStringList about = info::aboutText().split("\r\n"), authors = info::authorsText().split("\r\n");
        QCOMPARE(QList<qsizetype>({about.size(), info::aboutText().count('\n'), authors.size()}),
                 QList<qsizetype>({12, 11, 6}));
        QCOMPARE(about[0], "Программа моделирует работу замкнутой электрической цепи");
        for (int i = 0; i < 5; ++i)
            QCOMPARE(authors[i].size(), info::AuthorsLineWidth);
        QVERIFY(authors[5] == authors[5].trimmed() && !authors[5].isEmpty()); // the last line is not padded
        QCOMPARE(info::programVersion(), QStringLiteral(DCSIM_VERSION));
    }
    void centredOn_data()
    {
        columns<QRect, QSize, QPoint>("main", "outer", "expected"); // odd sizes: half a pixel away from zero
        const int rows[][8] = {{100, 50, 600, 400, 200, 300, 300, 100}, {100, 50, 601, 401, 200, 300, 301, 101},
                               {10, 10, 100, 100, 226, 301, -53, -91}, {-500, -400, 300, 200, 226, 301, -463, -451},
                               {30000, 20000, 1001, 1000, 226, 300, 30388, 20350}};
        for (const auto &r : rows)
            QTest::addRow("%d %d %d %d", r[0], r[1], r[2], r[3])
                << QRect(r[0], r[1], r[2], r[3]) << QSize(r[4], r[5]) << QPoint(r[6], r[7]);
    }
    void centredOn()
    {
        QFETCH(QRect, main);
        QFETCH(QSize, outer);
        QTEST(info::centredOn(main, outer), "expected");
    }
    void authorsWindow()
    {
        Recorder *boxes;
        auto form = makeForm(boxes);
        form->show();
        form->setGeometry(20, 30, 901, 677);
        QTRY_COMPARE(form->size(), QSize(901, 677));
        // Opened (before it has a frame), moved away and opened again, closed and opened:
        // one window, reused while open, centred each time, with the whole text in view.
        QPointer<Form2> first;
        for (int pass = 0; pass < 3; ++pass) {
            form->findChild<QAction *>("mnuHelpAvtors")->trigger();
            Form2 *authors = nullptr;
            QTRY_VERIFY((authors = qobject_cast<Form2 *>(QApplication::activeWindow())));
            QCOMPARE(authors == first.data(), pass == 1);
            QVERIFY(!authors->parentWidget() && !authors->isModal());
            QCOMPARE(authors->Label1->text(), info::authorsText());
            const QPoint centre = form->frameGeometry().center() - authors->frameGeometry().center();
            QVERIFY(centre.manhattanLength() <= 2);
            QVERIFY(authors->rect().contains(authors->Label1->geometry()));
            QCOMPARE(inkLines(authors->Label1->grab().toImage()), 6);
            authors->move(authors->pos() + QPoint(137, -61));
            authors->Label1->setText("Label1");
            if (pass == 1)
                authors->close();
            first = authors;
            form->activateWindow();
        }
        form->findChild<QAction *>("mnuHelpAbout")->trigger();
        QCOMPARE(boxes->abouts, QStringList{info::aboutText()});
        delete first;
    }
    void documents_data()
    {
        // The files in the folder; the one handed over (none: nothing; "!": no handler for files, so nothing,
        // and only the editor's failure told). In English the English document where there is one.
        columns<QString, QString, QString, QString>("action", "language", "files", "opened");
        QTest::newRow("Справка 1") << "mnuFileSpravka1" << "ru" << "spravka1.pdf en/spravka1.pdf" << "spravka1.pdf";
        QTest::newRow("Управление") << "mnuHelpUprav" << "ru" << "uprav.pdf" << "uprav.pdf";
        QTest::newRow("Справка 1 in English") << "mnuFileSpravka1" << "en" << "spravka1.pdf en/spravka1.pdf"
                                              << "en/spravka1.pdf";
        QTest::newRow("Управление in English, none") << "mnuHelpUprav" << "en" << "uprav.pdf" << "uprav.pdf";
#ifndef Q_OS_WIN // there the instruction goes to Notepad, not to the desktop's handler
        QTest::newRow("instruction") << "mnuHelpInstruction" << "ru" << "instruction.txt" << "instruction.txt";
        QTest::newRow("no instruction") << "mnuHelpInstruction" << "ru" << "" << "";
        QTest::newRow("instruction, no editor") << "mnuHelpInstruction" << "ru" << "instruction.txt" << "!";
#endif
    }
    void documents()
    {
        QFETCH(QString, action);
        QFETCH(QString, files);
        QFETCH(QString, opened);
        QTemporaryDir folder;
        QDir(folder.path()).mkdir("en");
        for (const QString &file : files.split(' ', Qt::SkipEmptyParts))
            QFile(folder.filePath(file)).open(QIODevice::WriteOnly);
        // The documents are resolved against the current directory.
        const QString saved = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
        if (opened != "!")
            QDesktopServices::setUrlHandler("file", this, "open");
        QFETCH(QString, language);
        ui::useLanguage(language);
        Recorder *boxes;
        auto form = makeForm(boxes);
        handed.clear();
        form->findChild<QAction *>(action)->trigger();
        ui::useLanguage("ru");
        QDesktopServices::unsetUrlHandler("file");
        QDir::setCurrent(saved);
        QCOMPARE(handed, opened.isEmpty() || opened == "!" ? QList<QUrl>() : QList{QUrl::fromLocalFile(folder.filePath(opened))});
        QCOMPARE(boxes->errors, opened == "!" ? QStringList{"Не удалось запустить текстовый редактор."} : QStringList());
    }
    void pdfs_data()
    {
        columns<QString, QString>("file", "title"); // as /Title, in UTF-16 with its byte-order mark
        QTest::newRow("spravka1") << "spravka1.pdf" << "Справка 1. Теория";
        QTest::newRow("spravka2") << "spravka2.pdf" << "Справка 2. Измерительные приборы и схемы";
        QTest::newRow("history") << "history.pdf" << "История";
        QTest::newRow("uprav") << "uprav.pdf" << "Управление программой";
    }
    void pdfs()
    {
        QFETCH(QString, file);
        QFETCH(QString, title);
        QFile f(QDir(QStringLiteral(DCSIM_BIN_DIR)).filePath(file));
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
        QByteArray utf16 = QStringEncoder(QStringEncoder::Utf16BE, QStringConverter::Flag::WriteBom)(title);
        utf16.replace('\\', "\\\\").replace('(', "\\(").replace(')', "\\)");
        QVERIFY(f.readAll().contains("/Title (" + utf16 + ")"));
    }
};

QTEST_MAIN(TestInfo)
#include "tst_info.moc"
