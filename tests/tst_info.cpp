// Help and information: the About and Authors texts, the Authors window,
// opening the documents beside the program, and the documents themselves.
#include "app/form1.h"
#include "info/abouttext.h"
#include "info/documentopener.h"
#include "info/form2.h"
#include "info/placement.h"
#include "ui/messageboxes.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace {

// Answers the program's message boxes and remembers what they said.
class Recorder : public MessageBoxes
{
public:
    QStringList *calls = nullptr;
    bool exitAnswer = false;

    void error(QWidget *, const QString &text) override { *calls << QStringLiteral("error: ") + text; }
    bool confirmExit(QWidget *) override
    {
        *calls << QStringLiteral("exit");
        return exitAnswer;
    }
    void about(QWidget *, const QString &text) override { *calls << QStringLiteral("about: ") + text; }
};

// The real opener with the two ways out to the system replaced: it resolves
// and checks files as the program does, and records instead of launching.
class RecordingOpener : public info::DocumentOpener
{
public:
    QList<QUrl> urls;
    QStringList programs;
    bool succeed = true;

protected:
    bool openUrl(const QUrl &url) override
    {
        urls << url;
        return succeed;
    }
    bool startDetached(const QString &program, const QStringList &arguments) override
    {
        programs << (QStringList{program} + arguments).join(QLatin1Char(' '));
        return succeed;
    }
};

const QStringList Documents = {"spravka1.pdf", "spravka2.pdf", "history.pdf", "uprav.pdf",
                               "instruction.txt"};

QStringList crLfLines(const QString &text)
{
    return text.split(QStringLiteral("\r\n"));
}

// The /Title of a PDF's information: a literal string in UTF-16 with its
// byte-order mark, as Qt writes it.
QString pdfTitle(const QByteArray &pdf)
{
    const qsizetype at = pdf.indexOf("/Title (");
    if (at < 0)
        return {};
    QByteArray bytes;
    for (qsizetype i = at + 8; i < pdf.size(); ++i) {
        char c = pdf[i];
        if (c == ')')
            break;
        if (c == '\\' && i + 1 < pdf.size()) {
            c = pdf[++i];
            if (c >= '0' && c <= '7') { // up to three octal digits
                int value = c - '0';
                for (int k = 0; k < 2 && i + 1 < pdf.size() && pdf[i + 1] >= '0' && pdf[i + 1] <= '7'; ++k)
                    value = value * 8 + (pdf[++i] - '0');
                c = static_cast<char>(value);
            } else if (c == 'n') {
                c = '\n';
            } else if (c == 'r') {
                c = '\r';
            }
        }
        bytes.append(c);
    }
    if (!bytes.startsWith("\xFE\xFF"))
        return QString::fromLatin1(bytes);
    QStringDecoder utf16(QStringDecoder::Utf16BE);
    return utf16.decode(bytes.mid(2));
}

int pdfPages(const QByteArray &pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

} // namespace

class TestInfo : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void aboutText();
    void authorsText();
    void aboutBox();
    void centredOn_data();
    void centredOn();
    void authorsPosition_data();
    void authorsPosition();
    void authorsWindowReused();
    void authorsWindowRecreated();
    void authorsLabelFits();
    void documents_data();
    void documents();
    void missingDocuments();
    void applicationFails_data();
    void applicationFails();
    void pdfs_data();
    void pdfs();

private:
    void choose(const char *action);
    // Makes a scratch folder the current directory, with the five documents
    // in it as empty files or without them.
    void enterFolder(bool withDocuments);

    QTemporaryDir folder;

    std::unique_ptr<Form1> form;
    QStringList calls;
    Recorder *boxes = nullptr;
    std::shared_ptr<RecordingOpener> opener;
    QString savedDir;
};

void TestInfo::init()
{
    calls.clear();
    auto recorder = std::make_unique<Recorder>();
    recorder->calls = &calls;
    boxes = recorder.get();
    form = std::make_unique<Form1>(std::move(recorder));
    opener = std::make_shared<RecordingOpener>();
    form->setDocumentOpener(opener);
    savedDir = QDir::currentPath();
}

void TestInfo::cleanup()
{
    QDir::setCurrent(savedDir);
    delete form->Form2Window.data();
    form.reset();
}

void TestInfo::choose(const char *action)
{
    auto *item = form->findChild<QAction *>(QLatin1String(action));
    QVERIFY2(item, action);
    item->trigger();
}

void TestInfo::enterFolder(bool withDocuments)
{
    QVERIFY(folder.isValid());
    QDir(folder.path()).removeRecursively();
    QVERIFY(QDir().mkpath(folder.path()));
    if (withDocuments)
        for (const QString &name : Documents) {
            QFile f(QDir(folder.path()).filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
    QVERIFY(QDir::setCurrent(folder.path()));
}

void TestInfo::aboutText()
{
    const QString text = info::aboutText();
    QVERIFY(!text.endsWith(QLatin1Char('\n')) && !text.endsWith(QLatin1Char('\r')));
    const QStringList lines = crLfLines(text);
    QCOMPARE(lines.size(), 12);
    QCOMPARE(lines[0], QStringLiteral("Программа моделирует работу замкнутой электрической цепи"));
    QCOMPARE(lines[1], QStringLiteral("с учётом сопротивлений амперметра и вольметра."));
    QCOMPARE(lines[2], QStringLiteral(" "));
    QCOMPARE(lines[3], QStringLiteral("История версий:"));
    QCOMPARE(lines[6], QStringLiteral(" "));
    for (int i : {4, 5, 7, 8, 9, 10, 11})
        QVERIFY2(!lines[i].trimmed().isEmpty(), qPrintable(QString::number(i + 1)));
    QCOMPARE(text.count(QLatin1Char('\n')), 11); // no line breaks but the joins
    // No address of any kind is claimed.
    QVERIFY(!text.contains(QLatin1Char('@')));
    QVERIFY(!text.contains(QLatin1String("http")) && !text.contains(QLatin1String("www")));
}

void TestInfo::authorsText()
{
    const QString text = info::authorsText();
    QVERIFY(!text.endsWith(QLatin1Char('\n')) && !text.endsWith(QLatin1Char('\r')));
    const QStringList lines = crLfLines(text);
    QCOMPARE(lines.size(), 6);
    QCOMPARE(text.count(QLatin1Char('\n')), 5);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(lines[i].size(), info::AuthorsLineWidth);
    QVERIFY(QRegularExpression(QStringLiteral("^©, \\S.*, \\d{4} *$")).match(lines[0]).hasMatch());
    for (int i = 1; i < 5; ++i)
        QVERIFY2(lines[i].trimmed().endsWith(QLatin1Char(',')), qPrintable(lines[i]));
    QCOMPARE(lines[5], lines[5].trimmed()); // the last line is not padded
    QVERIFY(!lines[5].isEmpty());
    QVERIFY(!text.contains(QLatin1Char('@')));
}

void TestInfo::aboutBox()
{
    choose("mnuHelpAbout");
    QCOMPARE(calls, QStringList{QStringLiteral("about: ") + info::aboutText()});

    // The real box: its title, one OK button, no icon, the text as written.
    QString title, shown;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        shown = box->text();
        buttons = box->standardButtons();
        icon = box->icon();
        box->accept();
    });
    MessageBoxes().about(form.get(), info::aboutText());
    QCOMPARE(title, QStringLiteral("О ПРОГРАММЕ"));
    QCOMPARE(shown, info::aboutText());
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(icon, QMessageBox::NoIcon);
}

void TestInfo::centredOn_data()
{
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("even") << QRect(100, 50, 600, 400) << QSize(200, 300) << QPoint(300, 100);
    // Half a pixel (7.5 twips) rounds away from zero.
    QTest::newRow("odd width") << QRect(100, 50, 601, 401) << QSize(200, 300) << QPoint(301, 101);
    QTest::newRow("larger than main") << QRect(10, 10, 100, 100) << QSize(226, 301) << QPoint(-53, -91);
    QTest::newRow("off the screen") << QRect(-500, -400, 300, 200) << QSize(226, 301) << QPoint(-463, -451);
    QTest::newRow("far out") << QRect(30000, 20000, 1001, 1000) << QSize(226, 300) << QPoint(30388, 20350);
}

void TestInfo::centredOn()
{
    QFETCH(QRect, main);
    QFETCH(QSize, outer);
    QFETCH(QPoint, expected);
    QCOMPARE(info::centredOn(main, outer), expected);
}

void TestInfo::authorsPosition_data()
{
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QSize>("size");
    QTest::newRow("as created") << QPoint(71, 255) << QSize(549, 458);
    QTest::newRow("moved") << QPoint(300, 120) << QSize(549, 458);
    QTest::newRow("moved and enlarged") << QPoint(20, 30) << QSize(901, 677);
    QTest::newRow("narrow, odd size") << QPoint(400, 200) << QSize(311, 261);
}

void TestInfo::authorsPosition()
{
    QFETCH(QPoint, position);
    QFETCH(QSize, size);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->move(position);
    form->resize(size);
    QTRY_COMPARE(form->size(), size);

    // Twice: the first time before the Authors window has a frame, the
    // second time with it.
    for (int pass = 0; pass < 2; ++pass) {
        choose("mnuHelpAvtors");
        Form2 *authors = form->Form2Window;
        QVERIFY(authors);
        QVERIFY(QTest::qWaitForWindowExposed(authors));
        const QRect main = form->frameGeometry();
        const QRect outer = authors->frameGeometry();
        // Equal room on either side, to the pixel rounding.
        QVERIFY2(std::abs((outer.left() - main.left()) - (main.right() - outer.right())) <= 1,
                 qPrintable(QStringLiteral("main %1,%2 %3x%4, authors %5,%6 %7x%8")
                                .arg(main.x()).arg(main.y()).arg(main.width()).arg(main.height())
                                .arg(outer.x()).arg(outer.y()).arg(outer.width()).arg(outer.height())));
        QVERIFY(std::abs((outer.top() - main.top()) - (main.bottom() - outer.bottom())) <= 1);
        // Moved away by the user, it comes back to the centre.
        authors->move(outer.topLeft() + QPoint(137, -61));
    }
}

void TestInfo::authorsWindowReused()
{
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    choose("mnuHelpAvtors");
    QPointer<Form2> first = form->Form2Window;
    QVERIFY(first && first->isVisible());
    // Its own window, without an owner and without blocking Form1.
    QVERIFY(first->isWindow());
    QCOMPARE(first->parentWidget(), nullptr);
    QVERIFY(!first->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(first->Label1->text(), info::authorsText());

    first->Label1->setText(QStringLiteral("Label1"));
    form->activateWindow();
    choose("mnuHelpAvtors");
    QCOMPARE(form->Form2Window.data(), first.data());
    QCOMPARE(first->Label1->text(), info::authorsText());
    int shown = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        shown += qobject_cast<Form2 *>(w) && w->isVisible();
    QCOMPARE(shown, 1);
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(first.data()));
    QVERIFY(calls.isEmpty());
}

void TestInfo::authorsWindowRecreated()
{
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    choose("mnuHelpAvtors");
    QPointer<Form2> first = form->Form2Window;
    QVERIFY(first);
    first->close();
    // Chosen again before the closed window is gone: a new one all the same.
    choose("mnuHelpAvtors");
    QPointer<Form2> second = form->Form2Window;
    QVERIFY(second && second->isVisible());
    QTRY_VERIFY(first.isNull());
    QVERIFY(second);

    second->close();
    QTRY_VERIFY(second.isNull());
    QVERIFY(form->Form2Window.isNull());
    choose("mnuHelpAvtors");
    QVERIFY(form->Form2Window && form->Form2Window->isVisible());
    QCOMPARE(form->Form2Window->Label1->text(), info::authorsText());
}

void TestInfo::authorsLabelFits()
{
    choose("mnuHelpAvtors");
    Form2 *authors = form->Form2Window;
    QVERIFY(authors);
    const QLabel *label = authors->Label1;
    const QFontMetrics metrics(label->font());
    const QStringList lines = crLfLines(label->text());
    for (const QString &line : lines)
        QVERIFY2(metrics.horizontalAdvance(line.trimmed()) <= label->width(), qPrintable(line));
    QVERIFY(metrics.lineSpacing() * lines.size() <= label->height());
    QVERIFY(authors->rect().contains(label->geometry()));
    QVERIFY(authors->width() >= 222 && authors->height() >= 297);
}

void TestInfo::documents_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("file");
    QTest::newRow("Справка 1") << "mnuFileSpravka1" << "spravka1.pdf";
    QTest::newRow("Справка 2") << "mnuFileSpravka2" << "spravka2.pdf";
    QTest::newRow("История") << "mnuFilesHistory" << "history.pdf";
    QTest::newRow("Управление") << "mnuHelpUprav" << "uprav.pdf";
    QTest::newRow("Инструкция") << "mnuHelpInstruction" << "instruction.txt";
}

void TestInfo::documents()
{
    QFETCH(QString, action);
    QFETCH(QString, file);
    enterFolder(true);
    choose(qPrintable(action));
#ifdef Q_OS_WIN
    if (file.endsWith(QLatin1String(".txt"))) {
        QCOMPARE(opener->programs, QStringList{"notepad.exe instruction.txt"});
        QVERIFY(opener->urls.isEmpty());
        QVERIFY(calls.isEmpty());
        return;
    }
#endif
    // Resolved against the current directory, handed over, nothing shown.
    QCOMPARE(opener->urls, QList<QUrl>{QUrl::fromLocalFile(QDir(folder.path()).absoluteFilePath(file))});
    QVERIFY(opener->programs.isEmpty());
    QVERIFY(calls.isEmpty());
}

void TestInfo::missingDocuments()
{
    enterFolder(false);
    const int resets = form->sbrosRuns;
    for (const char *action : {"mnuFileSpravka1", "mnuFileSpravka2", "mnuFilesHistory", "mnuHelpUprav",
                               "mnuHelpInstruction"})
        choose(action);
    QVERIFY(opener->urls.isEmpty());
#ifdef Q_OS_WIN
    // Notepad starts all the same and tells about the missing file itself.
    QCOMPARE(opener->programs, QStringList{"notepad.exe instruction.txt"});
#else
    QVERIFY(opener->programs.isEmpty());
#endif
    QVERIFY(calls.isEmpty());
    QCOMPARE(form->sbrosRuns, resets);
}

void TestInfo::applicationFails_data()
{
    documents_data();
}

void TestInfo::applicationFails()
{
    QFETCH(QString, action);
    QFETCH(QString, file);
    enterFolder(true);
    opener->succeed = false;
    form->show();
    const int resets = form->sbrosRuns;

    choose(qPrintable(action));
    if (file.endsWith(QLatin1String(".txt")))
        QCOMPARE(calls, QStringList{"error: Не удалось запустить текстовый редактор."});
    else
        QVERIFY(calls.isEmpty()); // no application for PDF: silence
    // The window goes on as it was.
    QVERIFY(form->isVisible());
    QCOMPARE(form->sbrosRuns, resets);
    choose("mnuHelpAbout");
    QCOMPARE(calls.last(), QStringLiteral("about: ") + info::aboutText());
}

void TestInfo::pdfs_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("title");
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
    QFETCH(int, minimumPages);
    QFile f(QDir(QStringLiteral(DCSIM_BIN_DIR)).filePath(file));
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
    const QByteArray pdf = f.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    QCOMPARE(pdfTitle(pdf), title);
    const int pages = pdfPages(pdf);
    QVERIFY2(pages >= minimumPages, qPrintable(QString::number(pages)));
    // The text's font travels with the document.
    QVERIFY(pdf.contains("/FontFile2"));
}

QTEST_MAIN(TestInfo)
#include "tst_info.moc"
