// Help and information: the About and Authors texts, the Authors window
// centred on the main one, the documents opened from the menus, and the
// documents the build made.
#include "info/abouttext.h"
#include "info/form2.h"
#include "info/placement.h"
#include "tests/testsupport.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QScopeGuard>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestInfo : public QObject
{
    Q_OBJECT
private slots:
    void texts();
    void centredOn_data();
    void centredOn();
    void authorsWindow_data();
    void authorsWindow();
    void documents_data();
    void documents();
    void pdfs_data();
    void pdfs();

public slots:
    void open(const QUrl &url) { opened << url; }

private:
    QList<QUrl> opened;
};

void TestInfo::texts()
{
    const QStringList about = info::aboutText().split("\r\n"), authors = info::authorsText().split("\r\n");
    QCOMPARE(about.size(), 12); // none after the last line, no line break but the joins
    QCOMPARE(info::aboutText().count('\n'), 11);
    QCOMPARE(about.mid(0, 4), QStringList({"Программа моделирует работу замкнутой электрической цепи",
                                           "с учётом сопротивлений амперметра и вольметра.", " ", "История версий:"}));
    QCOMPARE(about[6], " ");
    QCOMPARE(authors.size(), 6);
    QCOMPARE(info::authorsText().count('\n'), 5);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(authors[i].size(), info::AuthorsLineWidth);
    QVERIFY(QRegularExpression(QStringLiteral("^©, \\S.*, \\d{4} *$")).match(authors[0]).hasMatch());
    QVERIFY(authors[5] == authors[5].trimmed() && !authors[5].isEmpty()); // the last line is not padded
    QCOMPARE(info::programVersion(), QStringLiteral(DCSIM_VERSION));
    QVERIFY(!(info::aboutText() + info::authorsText()).contains(QRegularExpression("@|http|www")));
}

void TestInfo::centredOn_data()
{
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("even") << QRect(100, 50, 600, 400) << QSize(200, 300) << QPoint(300, 100);
    QTest::newRow("odd: half a pixel away from zero") << QRect(100, 50, 601, 401) << QSize(200, 300) << QPoint(301, 101);
    QTest::newRow("larger than main") << QRect(10, 10, 100, 100) << QSize(226, 301) << QPoint(-53, -91);
    QTest::newRow("off the screen") << QRect(-500, -400, 300, 200) << QSize(226, 301) << QPoint(-463, -451);
    QTest::newRow("far out") << QRect(30000, 20000, 1001, 1000) << QSize(226, 300) << QPoint(30388, 20350);
}

void TestInfo::centredOn()
{
    QFETCH(QRect, main);
    QFETCH(QSize, outer);
    QTEST(info::centredOn(main, outer), "expected");
}

void TestInfo::authorsWindow_data()
{
    QTest::addColumn<QRect>("main");
    QTest::newRow("as created") << QRect(71, 255, 549, 458);
    QTest::newRow("moved and enlarged") << QRect(20, 30, 901, 677);
    QTest::newRow("narrow, odd size") << QRect(400, 200, 311, 261);
}

void TestInfo::authorsWindow()
{
    QFETCH(QRect, main);
    Recorder *boxes;
    auto form = makeForm(boxes);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->setGeometry(main);
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
        QVERIFY(std::abs((outer.left() - m.left()) - (m.right() - outer.right())) <= 1);
        QVERIFY(std::abs((outer.top() - m.top()) - (m.bottom() - outer.bottom())) <= 1);
        const QFontMetrics metrics(authors->Label1->font());
        for (const QString &line : authors->Label1->text().split("\r\n"))
            QVERIFY(metrics.horizontalAdvance(line.trimmed()) <= authors->Label1->width());
        QVERIFY(authors->rect().contains(authors->Label1->geometry()));
        // Moved away and its text changed, it comes back to the centre with its text.
        authors->move(outer.topLeft() + QPoint(137, -61));
        authors->Label1->setText("Label1");
        if (pass == 1)
            authors->close();
        first = authors;
        form->activateWindow();
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

void TestInfo::documents_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("file");   // empty: the folder has no documents
    QTest::addColumn<bool>("handled");   // a handler takes the files, else nothing does
    QTest::newRow("Справка 1") << "mnuFileSpravka1" << "spravka1.pdf" << true;
    QTest::newRow("Справка 2") << "mnuFileSpravka2" << "spravka2.pdf" << true;
    QTest::newRow("История") << "mnuFilesHistory" << "history.pdf" << true;
    QTest::newRow("Управление") << "mnuHelpUprav" << "uprav.pdf" << true;
    QTest::newRow("Инструкция") << "mnuHelpInstruction" << "instruction.txt" << true;
    QTest::newRow("missing: silent") << "mnuHelpInstruction" << "" << true;
    QTest::newRow("no application for a PDF: silent") << "mnuFileSpravka1" << "spravka1.pdf" << false;
    QTest::newRow("no editor: told") << "mnuHelpInstruction" << "instruction.txt" << false;
}

void TestInfo::documents()
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
    const bool told = !handled && file.endsWith(".txt");
    QCOMPARE(boxes->errors, told ? QStringList{"Не удалось запустить текстовый редактор."} : QStringList());
}

void TestInfo::pdfs_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("title"); // as /Title, in UTF-16 with its byte-order mark
    QTest::addColumn<int>("minimumPages");
    QTest::newRow("spravka1") << "spravka1.pdf" << "Справка 1. Теория" << 3;
    QTest::newRow("spravka2") << "spravka2.pdf" << "Справка 2. Измерительные приборы и схемы" << 3;
    QTest::newRow("history") << "history.pdf" << "История" << 2;
    QTest::newRow("uprav") << "uprav.pdf" << "Управление программой" << 4;
}

void TestInfo::pdfs()
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

QTEST_MAIN(TestInfo)
#include "tst_info.moc"
