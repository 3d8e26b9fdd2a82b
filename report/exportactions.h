// What takes results out of the main window: the context menu of the
// measurement table and of the graphs, the shortcuts Ctrl+S and Ctrl+P that
// work anywhere in the window, the file and print dialogs, and the writing
// of the files. Nothing of the window's own menus changes.
//
// It knows the window only as a widget, its table and graphs, and what the
// report shows, so the window can make it without the two depending on
// each other.
#pragma once

#include "report/labreport.h"

#include <QObject>
#include <QPointer>

#include <functional>

class MessageBoxes;
class QAction;
class QIODevice;
class QMenu;
class QPagedPaintDevice;
class QPoint;

namespace graphs {
class Canvas;
class Graphs;
}

namespace report {

class ExportActions : public QObject
{
    Q_OBJECT
public:
    // Adds the actions and their shortcuts to `window`, and the context menu
    // to its table and graphs; failures are told through `boxes`; `report`
    // reads the window as the report shows it.
    ExportActions(QWidget &window, graphs::Graphs &graphs, MessageBoxes &boxes, std::function<LabReport()> report);

    // The items of the context menu, in order.
    QAction *copyTable = nullptr;   // the window's own Ctrl+C
    QAction *saveTable = nullptr;   // "Сохранить таблицу (CSV)…"
    QAction *saveGraph = nullptr;   // "Сохранить график (PNG)…"
    QAction *saveReport = nullptr;  // "Сохранить отчёт (PDF)…", Ctrl+S
    QAction *printReport = nullptr; // "Печать отчёта…", Ctrl+P

    // Write the file at `path` at once, without a dialog. A failure is told
    // in one "Ошибка" box naming the file and the system's reason, and
    // leaves no file behind. True when the file was written.
    bool writeTable(const QString &path);
    bool writeGraph(const graphs::Canvas &graph, const QString &path);
    bool writeReport(const QString &path);

private:
    void showMenu(QWidget *widget, const QPoint &pos);
    // The graph whose menu was last opened, else the one shown.
    graphs::Canvas *chosenGraph() const;
    // Asks for the file to write, starting in the last folder used.
    QString askFile(const QString &title, const QString &name, const QString &filter);
    bool writeFile(const QString &path, const std::function<bool(QIODevice &)> &write);
    void print();
    bool paintReport(QPagedPaintDevice &device) const;

    QWidget &m_window;
    graphs::Graphs &m_graphs;
    MessageBoxes &m_boxes;
    std::function<LabReport()> m_report;
    QMenu *m_menu = nullptr;
    QPointer<graphs::Canvas> m_menuGraph;
};

} // namespace report
