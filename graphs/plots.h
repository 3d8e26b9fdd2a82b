// The three graphs, U(I), Pв(I) with Po(I), and h(I), sharing one rectangle,
// and the choice of the one shown. Children of the window's surface.
#pragma once

#include <QObject>

class QGroupBox;
class QRadioButton;
class QWidget;

namespace circuit {
struct SimState;
}

namespace graphs {

class Canvas;

class Plots : public QObject
{
    Q_OBJECT
public:
    Plots(QWidget *surface, circuit::SimState &state);

    Canvas *Picture3 = nullptr; // U(I)
    Canvas *Picture4 = nullptr; // Pв(I) and Po(I)
    Canvas *Picture5 = nullptr; // h(I)
    QGroupBox *Frame2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QRadioButton *Option5 = nullptr;

    // Erases the three graphs and draws their axes, scales and curves.
    void drawAxes();
    // A measured point, in red, five pixels across.
    void point(Canvas *graph, float I, float y);
    // Draws the axes again and plots all ten rows (an unrecorded row as a
    // dot at the origin), as after a resize.
    void redrawWithRows();
    // The fitted line U = KK*I + KB on U(I), in red, two pixels wide, from
    // the voltage axis to the current axis; a level line is not drawn.
    void drawFitLine(float KK, float KB);
    // Tells assistive technology how many rows each graph shows.
    void describePoints(int recorded);

    // Shows one graph and hides the other two; nothing is redrawn.
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();

private:
    circuit::SimState &s;
};

} // namespace graphs
