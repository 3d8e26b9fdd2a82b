// The lab report: one A4 page with the parameters, the circuit, the table,
// the three graphs and the fitted line, drawn on any painter (a PDF file or
// a printer) from what the main window shows.
#pragma once

#include <QDateTime>
#include <QRect>
#include <QString>

#include <array>
#include <vector>

class QPainter;
class QWidget;

namespace graphs {
class Canvas;
}

namespace report {

// What the report shows, read from the window when the report is made.
struct LabReport {
    QString title; // the window's title
    QDateTime madeAt;

    QString parametersHeading; // as above the parameter boxes
    // The teacher's task in use: its title (may be empty) and the student's
    // variant; variant 0: no task file.
    QString taskTitle;
    int variant = 0;
    struct Parameter {
        QString meaning; // "ЭДС источника"
        QString caption; // the box's label, with its unit: "E (В)="
        QString value;   // as the box shows it, or "скрыто" for a hidden one
    };
    std::vector<Parameter> parameters;
    QString scheme; // "Схема 1 — вольметр параллельно источнику"

    // The circuit as the window draws it: this part of the window's surface,
    // with its line shapes, meters, rheostat and key.
    QWidget *surface = nullptr;
    QRect schematic;

    // The table as shown: the headers in row 0, then rows 1 to 10 ("" blank).
    std::array<std::array<QString, 5>, 11> table;

    // The three graphs and their names.
    std::array<const graphs::Canvas *, 3> graphs{};
    std::array<QString, 3> graphNames;

    // The last fit's k and b as the window showed them; empty when no line
    // was fitted since the last reset.
    QString k, b;
};

// Lays the report out in `page`, the printable area in the painter's
// device pixels. Texts stay texts and the graphs stay lines.
void paintLabReport(QPainter &painter, const QRectF &page, const LabReport &report);

} // namespace report
