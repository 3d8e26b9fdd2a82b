// The measurement side of the main window: the ten measurement buttons, the
// five-column table beside them, the three graph canvases sharing one
// rectangle, and the graph choice. The controls are children of the main
// window's surface, placed in its pixel coordinates.
#pragma once

#include <QObject>
#include <QString>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace circuit {
struct SimState;
}
namespace ui {
class Announcer;
}

namespace graphs {

class Canvas;

class Graphs : public QObject
{
    Q_OBJECT
public:
    // What the table and the fit change is told through `announcer`.
    Graphs(QWidget *surface, circuit::SimState &state, ui::Announcer *announcer);

    // Controls, index 1..10 for the rows; element 0 of each column is its header.
    std::array<QPushButton *, 11> N_S{};
    std::array<QLabel *, 11> lblI{};
    std::array<QLabel *, 11> lblU{};
    std::array<QLabel *, 11> lblP0{};
    std::array<QLabel *, 11> lblPv{};
    std::array<QLabel *, 11> lblKPD{};
    Canvas *Picture3 = nullptr; // U(I)
    Canvas *Picture4 = nullptr; // Pв(I) and Po(I)
    Canvas *Picture5 = nullptr; // h(I)
    QGroupBox *Frame2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QRadioButton *Option5 = nullptr;

    // Records the present readings into row `Index` and plots its points.
    void N_S_Click(int Index);
    // Empties the table and redraws the three graphs with bare axes.
    void ochistka();
    // Shows one graph and hides the other two; nothing is redrawn.
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    // Redraws the axes of the three graphs and plots all ten rows again
    // (an unrecorded row as a dot at the origin), as after a resize.
    void redrawWithRows();

    // Rows with readings in them, and the table as tab-separated text: the
    // five headers, then one line per such row with its texts as shown.
    int recordedRows() const;
    QString tableText() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Column c (0 for the current, 4 for the efficiency), rows 0..10.
    std::array<QLabel *, 11> &column(int c);
    // Shows `text` in row n of column c, and tells assistive technology.
    void setCell(int c, std::size_t n, const QString &text);
    void buildTable(QWidget *surface);
    void buildGraphs(QWidget *surface);
    void drawAxes();
    void describeGraphs();

    // Tells a screen reader, once the window is on screen.
    void announce(const QString &message);

    circuit::SimState &s;
    ui::Announcer *m_announcer;
};

} // namespace graphs
