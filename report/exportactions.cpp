#include "report/exportactions.h"

#include "graphs/canvas.h"
#include "graphs/graphs.h"
#include "graphs/plots.h"
#include "graphs/table.h"
#include "report/csv.h"
#include "task/variantname.h"
#include "ui/callerfolder.h"
#include "ui/messageboxes.h"

#include <QAction>
#include <QBuffer>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QSettings>
#include <QTimer>

// The suggested file names' words, translated in this context.
class FileNames
{
    Q_DECLARE_TR_FUNCTIONS(FileNames)
};

namespace report {

namespace {

#ifndef Q_OS_WASM // a web page has no folders
// The folder of the last file written through a dialog.
const QString FolderKey = QStringLiteral("exportFolder");

// The folder of the last file written, else the one the user started from;
// never the program's own folder, where its documents lie.
QString startFolder()
{
    const QString folder = QSettings(QStringLiteral("dcsim"), QStringLiteral("dcsim")).value(FolderKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : ui::callerFolder();
}

void rememberFolder(const QString &file)
{
    QSettings(QStringLiteral("dcsim"), QStringLiteral("dcsim")).setValue(FolderKey, QFileInfo(file).absolutePath());
}
#endif

// Date and time for the suggested file names: отчёт-2024-03-05-1410.pdf.
QString stamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmm"));
}

// A suggested file name: what the file holds, the student's variant while a
// teacher's task is in use (variant > 0), date and time, and the suffix:
// таблица-вариант-7-2024-03-05-1410.csv, without a task таблица-2024-03-05-1410.csv.
QString proposedName(const QString &what, int variant, const char *suffix)
{
    const QString variantPart = variant > 0 ? task::variantInFileName(variant) + QLatin1Char('-') : QString();
    return what + QLatin1Char('-') + variantPart + stamp() + QLatin1Char('.') + QLatin1String(suffix);
}

// A page of A4 upright with margins that every printer manages.
void setUpPage(QPagedPaintDevice &device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter));
}

QAction *makeAction(QWidget *window, const char *name, const QString &text, const QKeySequence &keys = {})
{
    auto *action = new QAction(text, window);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

} // namespace

ExportActions::ExportActions(QWidget &window, graphs::Graphs &graphs, MessageBoxes &boxes,
                             std::function<LabReport()> report)
    : QObject(&window), m_window(window), m_graphs(graphs), m_boxes(boxes), m_report(std::move(report))
{
    setObjectName(QStringLiteral("exportActions"));
    copyTable = window.findChild<QAction *>(QStringLiteral("copyTable"));
    if (copyTable)
        copyTable->setText(tr("Копировать таблицу"));
    saveTable = makeAction(&window, "saveTable", tr("Сохранить таблицу (CSV)…"));
    saveGraph = makeAction(&window, "saveGraph", tr("Сохранить график (PNG)…"));
    //: The one-page lab report.
    saveReport = makeAction(&window, "saveReport", tr("Сохранить отчёт (PDF)…"), QKeySequence::Save);
    printReport = makeAction(&window, "printReport", tr("Печать отчёта…"), QKeySequence::Print);
#ifdef Q_OS_WASM
    //: In the browser the report to print leaves as a PDF, which the browser prints.
    printReport->setText(tr("Печать отчёта (PDF)…"));
#endif

    // The dialogs open once the trigger has returned: a screen reader that
    // chose the item through its action is not kept waiting for the dialog.
    connect(saveTable, &QAction::triggered, this, [this] {
        //: A file dialog's title.
        const QString path = askFile(tr("Сохранить таблицу"),
                                     proposedName(FileNames::tr("таблица"), m_report().variant, "csv"),
                                     tr("Таблица CSV (*.csv)"));
        if (!path.isEmpty())
            writeTable(path);
    }, Qt::QueuedConnection);
    connect(saveGraph, &QAction::triggered, this, [this] {
        QPointer<graphs::Canvas> graph = chosenGraph();
        // Named after its choice button: график-U(I)-….png.
        const QRadioButton *choice = graph == m_graphs.plots->Picture4   ? m_graphs.plots->Option4
                                     : graph == m_graphs.plots->Picture5 ? m_graphs.plots->Option5
                                                                          : m_graphs.plots->Option3;
        const QString name = choice->text().remove(QLatin1Char(' ')).remove(QLatin1Char(','));
        //: A file dialog's title.
        const QString path = askFile(tr("Сохранить график"),
                                     proposedName(FileNames::tr("график") + QLatin1Char('-') + name,
                                                  m_report().variant, "png"),
                                     tr("Рисунок PNG (*.png)"));
        if (!path.isEmpty() && graph)
            writeGraph(*graph, path);
    }, Qt::QueuedConnection);
    connect(saveReport, &QAction::triggered, this, [this] {
        //: A file dialog's title.
        const QString path = askFile(tr("Сохранить отчёт"),
                                     proposedName(FileNames::tr("отчёт"), m_report().variant, "pdf"),
                                     tr("Документ PDF (*.pdf)"));
        if (!path.isEmpty())
            writeReport(path);
    }, Qt::QueuedConnection);
    connect(printReport, &QAction::triggered, this, &ExportActions::print, Qt::QueuedConnection);

    // Shift+F10 asks the focused control for its context menu, as the Menu key does.
    QAction *menuKey = makeAction(&window, "contextMenuKey", tr("Контекстное меню"),
                                  QKeySequence(Qt::SHIFT | Qt::Key_F10));
    connect(menuKey, &QAction::triggered, this, [this] {
        QWidget *focus = QApplication::focusWidget();
        if (!focus || focus->window() != &m_window)
            return;
        const QPoint at = focus->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QCoreApplication::postEvent(focus, new QContextMenuEvent(QContextMenuEvent::Keyboard, at,
                                                                 focus->mapToGlobal(at)));
    });

    // One menu for all: assistive technology knows the items by their
    // actions, and a new menu for the same actions would leave it holding
    // the items of the menu before.
    m_menu = new QMenu(&window);
    m_menu->setObjectName(QStringLiteral("exportMenu"));
    //: The context menu of the table and the graphs, as a screen reader names it.
    m_menu->setAccessibleName(tr("Результаты"));
    if (copyTable) {
        m_menu->addAction(copyTable);
        m_menu->addSeparator();
    }
    m_menu->addActions({saveTable, saveGraph, saveReport, printReport});
    // An item chosen through assistive technology closes the menu as a click would.
    connect(m_menu, &QMenu::triggered, m_menu, &QMenu::close);

    // The table (its buttons and cells) and the graphs offer the menu; a
    // left click keeps its meaning.
    graphs::Graphs &g = graphs;
    QList<QWidget *> targets = {g.plots->Picture3, g.plots->Picture4, g.plots->Picture5};
    for (std::size_t n = 0; n <= 10; ++n) {
        if (n > 0)
            targets << g.table->N_S[n];
        targets << g.table->lblI[n] << g.table->lblU[n] << g.table->lblP0[n] << g.table->lblPv[n] << g.table->lblKPD[n];
    }
    for (QWidget *target : targets) {
        target->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(target, &QWidget::customContextMenuRequested, this,
                [this, target](const QPoint &pos) { showMenu(target, pos); });
    }
}

void ExportActions::showMenu(QWidget *widget, const QPoint &pos)
{
    m_menuGraph = qobject_cast<graphs::Canvas *>(widget);
#ifdef Q_OS_WASM
    // In a web page Qt closes every popup after a press that no control
    // took, the one the press has just opened too: the menu opens after it.
    QTimer::singleShot(0, m_menu, [this, at = widget->mapToGlobal(pos)] { m_menu->popup(at); });
#else
    m_menu->popup(widget->mapToGlobal(pos));
#endif
}

graphs::Canvas *ExportActions::chosenGraph() const
{
    if (m_menuGraph)
        return m_menuGraph;
    for (graphs::Canvas *graph : {m_graphs.plots->Picture3, m_graphs.plots->Picture4, m_graphs.plots->Picture5})
        if (graph->isVisibleTo(&m_window))
            return graph;
    return m_graphs.plots->Picture3;
}

QString ExportActions::askFile(const QString &title, const QString &name, const QString &filter)
{
#ifdef Q_OS_WASM
    // A web page has no folders to choose from: the file is the browser's
    // download, under the suggested name.
    Q_UNUSED(title);
    Q_UNUSED(filter);
    return name;
#else
    QFileDialog dialog(&m_window, title, startFolder(), filter);
    dialog.setObjectName(QStringLiteral("exportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(name).suffix());
    dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    rememberFolder(path);
    return path;
#endif
}

bool ExportActions::writeFile(const QString &path, const std::function<bool(QIODevice &)> &write)
{
#ifdef Q_OS_WASM
    // Made whole in memory, then handed to the browser as a download.
    QBuffer file;
    if (file.open(QIODevice::WriteOnly) && write(file)) {
        QFileDialog::saveFileContent(file.data(), QFileInfo(path).fileName());
        return true;
    }
    m_boxes.error(&m_window, tr("Не удалось сохранить файл «%1».").arg(QFileInfo(path).fileName()));
    return false;
#else
    // The file appears only once it is whole; a failure leaves the old one
    // or none.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && write(file) && file.commit())
        return true;
    const QString reason = file.errorString();
    file.cancelWriting();
    // The system's reason on a line of its own.
    const QString name = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    m_boxes.error(&m_window, tr("Не удалось сохранить файл «%1».").arg(name) + QStringLiteral("\r\n") + reason);
    return false;
#endif
}

bool ExportActions::writeTable(const QString &path)
{
    const QByteArray csv = tableCsv(*m_graphs.table);
    return writeFile(path, [&csv](QIODevice &file) { return file.write(csv) == csv.size(); });
}

bool ExportActions::writeGraph(const graphs::Canvas &graph, const QString &path)
{
    const QImage image = graph.image();
    return writeFile(path, [&image](QIODevice &file) { return image.save(&file, "PNG"); });
}

bool ExportActions::writeReport(const QString &path)
{
    return writeFile(path, [this](QIODevice &file) {
        QPdfWriter pdf(&file);
        pdf.setTitle(m_window.windowTitle());
        pdf.setCreator(QStringLiteral("dcsim"));
        setUpPage(pdf);
        return paintReport(pdf);
    });
}

bool ExportActions::paintReport(QPagedPaintDevice &device) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    paintLabReport(painter, QRectF(0, 0, device.width(), device.height()), m_report());
    return painter.end();
}

void ExportActions::print()
{
#ifdef Q_OS_WASM
    // A web page reaches no printer: the report leaves as its PDF, which
    // the browser's viewer prints.
    writeReport(proposedName(FileNames::tr("отчёт"), m_report().variant, "pdf"));
#else
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_window.windowTitle());
    setUpPage(printer);
    // Without a printer the dialog offers a PDF file only; it is suggested
    // where the other files go.
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        printer.setOutputFileName(
            QDir(startFolder()).filePath(proposedName(FileNames::tr("отчёт"), m_report().variant, "pdf")));
    QPrintDialog dialog(&printer, &m_window);
    dialog.setObjectName(QStringLiteral("printDialog"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (paintReport(printer)) {
        if (!printer.outputFileName().isEmpty())
            rememberFolder(printer.outputFileName());
        return;
    }
    m_boxes.error(&m_window, printer.outputFileName().isEmpty()
                                 ? tr("Не удалось напечатать отчёт на принтере «%1».").arg(printer.printerName())
                                 : tr("Не удалось сохранить файл «%1».").arg(printer.outputFileName()));
#endif
}

} // namespace report
