// The measurement side of the main window: what recording a row and clearing
// the table do to the table, the graphs and the simulator's state.
#pragma once

#include <QObject>

namespace circuit {
struct SimState;
}
namespace ui {
class Announcer;
}

namespace graphs {

class Plots;
class Table;

class Graphs : public QObject
{
    Q_OBJECT
public:
    // Builds the table and the graphs on the window's surface; what they
    // change out of a screen reader's sight is told through `announcer`.
    Graphs(QWidget *surface, circuit::SimState &state, ui::Announcer *announcer);

    Table *table = nullptr;
    Plots *plots = nullptr;

    // Records the present readings into row `Index` and plots its points.
    void N_S_Click(int Index);
    // Empties the table and redraws the three graphs with bare axes.
    void ochistka();
    // Redraws the graphs with every row, as after a resize.
    void redrawWithRows();

private:
    // Tells a screen reader, once the window is on screen.
    void announce(const QString &message);

    circuit::SimState &s;
    ui::Announcer *m_announcer;
};

} // namespace graphs
