// Help and information: the About and Authors texts, the Authors window
// centred on the main one, the documents opened from the menus, and the
// documents the build made.
#include "info/abouttext.h"
#include "info/form2.h"
#include "info/placement.h"
#include "tests/columns.h"
#include "tests/testsupport.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QScopeGuard>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>

class TestInfo : public QObject
{
    Q_OBJECT
private slots:
    void texts()
    {
        // Lines joined by CR LF, none after the last; five of the authors' padded to 36 characters.
        const QStringList about = info::aboutText().split("\r\n"), authors = info::authorsText().split("\r\n");
        QCOMPARE(QList<qsizetype>({about.size(), info::aboutText().count('\n'), authors.size(), info::authorsText().count('\n')}),
                 QList<qsizetype>({12, 11, 6, 5}));
        QCOMPARE(about.mid(0, 4) << about[6], QStringList({"Программа моделирует работу замкнутой электрической цепи",
                                                          "с учётом сопротивлений амперметра и вольметра.", " ", "История версий:", " "}));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(authors[i].size(), info::AuthorsLineWidth);
        QVERIFY(QRegularExpression(QStringLiteral("^©, \\S.*, \\d{4} *$")).match(authors[0]).hasMatch());
        QVERIFY(authors[5] == authors[5].trimmed() && !authors[5].isEmpty()); // the last line is not padded
        QCOMPARE(info::programVersion(), QStringLiteral(DCSIM_VERSION));
        QVERIFY(!(info::aboutText() + info::authorsText()).contains(QRegularExpression("@|http|www")));
    }
    void centredOn_data()
    {
        columns<QRect, QSize, QPoint>("main", "outer", "expected"); // odd sizes: half a pixel away from zero
        const int rows[][8] = {{100, 50, 600, 400, 200, 300, 300, 100}, {100, 50, 601, 401, 200, 300, 301, 101},
                               {10, 10, 100, 100, 226, 301, -53, -91}, {-500, -400, 300, 200, 226, 301, -463, -451},
                               {30000, 20000, 1001, 1000, 226, 300, 30388, 20350}};
        for (const auto &r : rows)
            QTest::addRow("%d %d %d %d", r[0], r[1], r[2], r[3]) << QRect(r[0], r[1], r[2], r[3]) << QSize(r[4], r[5]) << QPoint(r[6], r[7]);
    }
    void centredOn()
    {
        QFETCH(QRect, main);
        QFETCH(QSize, outer);
        QTEST(info::centredOn(main, outer), "expected");
    }
    void authorsWindow_data()
    {
        QTest::addColumn<QRect>("main"); // as created, moved and enlarged, narrow and odd
        for (const QRect &main : {QRect(71, 255, 549, 458), QRect(20, 30, 901, 677), QRect(400, 200, 311, 261)})
            QTest::addRow("%d %d", main.width(), main.height()) << main;
    }
    void authorsWindow()
    {
        QFETCH(QRect, main);
        Recorder *boxes;
        auto form = makeForm(boxes);
        form->show(), form->setGeometry(main);
        QTRY_COMPARE(form->size(), main.size());
        auto *item = form->findChild<QAction *>("mnuHelpAvtors");
        QPointer<Form2> first;
        // Twice (the first time before the Authors window has a frame), then after it was closed.
        for (int pass = 0; pass < 3; ++pass) {
            item->trigger();
            Form2 *authors = nullptr;
            QTRY_VERIFY((authors = qobject_cast<Form2 *>(QApplication::activeWindow())));
            QCOMPARE(authors == first.data(), pass == 1); // reused while open, new once closed
            QVERIFY(!authors->parentWidget() && !authors->isModal());
            QCOMPARE(authors->Label1->text(), info::authorsText());
            const QRect m = form->frameGeometry(), outer = authors->frameGeometry();
            QVERIFY(std::abs(outer.left() + outer.right() - m.left() - m.right()) <= 1 && std::abs(outer.top() + outer.bottom() - m.top() - m.bottom()) <= 1);
            const QFontMetrics metrics(authors->Label1->font());
            for (const QString &line : authors->Label1->text().split("\r\n"))
                QVERIFY(metrics.horizontalAdvance(line.trimmed()) <= authors->Label1->width());
            QVERIFY(authors->rect().contains(authors->Label1->geometry()));
            // Moved away and its text changed, it comes back to the centre with its text.
            authors->move(outer.topLeft() + QPoint(137, -61)), authors->Label1->setText("Label1");
            if (pass == 1)
                authors->close();
            first = authors, form->activateWindow();
        }
        int shown = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            shown += qobject_cast<Form2 *>(w) && w->isVisible();
        QCOMPARE(shown, 1);
        QVERIFY(boxes->errors.isEmpty() && boxes->abouts.isEmpty());
        form->findChild<QAction *>("mnuHelpAbout")->trigger();
        QCOMPARE(boxes->abouts, QStringList{info::aboutText()});
        delete first;
    }
    void documents_data()
    {
        // The file handed over (none: the folder has none); a handler takes files, else nothing does (only the editor's failure is told).
        columns<QString, QString, bool>("action", "file", "handled");
        const char *const rows[][2] = {{"mnuFileSpravka1", "spravka1.pdf"}, {"mnuFileSpravka2", "spravka2.pdf"}, {"mnuFilesHistory", "history.pdf"},
                                       {"mnuHelpUprav", "uprav.pdf"}, {"mnuHelpInstruction", "instruction.txt"}, {"mnuHelpInstruction", ""}};
        for (const auto &r : rows)
            QTest::addRow("%s %s", r[0], r[1]) << r[0] << r[1] << true, QTest::addRow("%s %s, unhandled", r[0], r[1]) << r[0] << r[1] << false;
    }
    void documents()
    {
        QFETCH(QString, action);
        QFETCH(QString, file);
        QFETCH(bool, handled);
        QTemporaryDir folder;
        const QDir dir(folder.path());
        for (const QString &name : {"spravka1.pdf", "spravka2.pdf", "history.pdf", "uprav.pdf", "instruction.txt"})
            if (!file.isEmpty())
                QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
        // The documents are resolved against the current directory.
        const QString saved = QDir::currentPath();
        const auto back = qScopeGuard([&] { QDir::setCurrent(saved), QDesktopServices::unsetUrlHandler("file"); });
        QVERIFY(QDir::setCurrent(folder.path()));
        if (handled)
            QDesktopServices::setUrlHandler("file", this, "open");
        Recorder *boxes;
        auto form = makeForm(boxes);
        opened.clear();
        form->findChild<QAction *>(action)->trigger();
        QCOMPARE(opened, file.isEmpty() || !handled ? QList<QUrl>() : QList<QUrl>{QUrl::fromLocalFile(dir.filePath(file))});
        QCOMPARE(boxes->errors, !handled && file.endsWith(".txt") ? QStringList{"Не удалось запустить текстовый редактор."} : QStringList());
    }
    void pdfs_data()
    {
        columns<QString, QString, int>("file", "title", "minimumPages"); // the title as /Title, in UTF-16 with its byte-order mark
        QTest::newRow("spravka1") << "spravka1.pdf" << "Справка 1. Теория" << 3;
        QTest::newRow("spravka2") << "spravka2.pdf" << "Справка 2. Измерительные приборы и схемы" << 3;
        QTest::newRow("history") << "history.pdf" << "История" << 2;
        QTest::newRow("uprav") << "uprav.pdf" << "Управление программой" << 4;
    }
    void pdfs()
    {
        QFETCH(QString, file);
        QFETCH(QString, title);
        QFile f(QDir(QStringLiteral(DCSIM_BIN_DIR)).filePath(file));
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
        const QByteArray pdf = f.readAll();
        QVERIFY(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF"));
        QByteArray utf16("\xFE\xFF", 2);
        for (QChar c : title)
            utf16 += char(c.unicode() >> 8), utf16 += char(c.unicode() & 0xFF);
        QVERIFY(pdf.contains("/Title (" + utf16.replace('\\', "\\\\").replace('(', "\\(").replace(')', "\\)") + ")"));
        QFETCH(int, minimumPages);
        QVERIFY(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page(?!s)")) >= minimumPages);
        QVERIFY(pdf.contains("/FontFile2")); // the text's font travels with the document
    }

public slots:
    void open(const QUrl &url) { opened << url; }

private:
    QList<QUrl> opened;
};

QTEST_MAIN(TestInfo)
#include "tst_info.moc"
