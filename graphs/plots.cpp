#include "graphs/plots.h"

#include "circuit/state.h"
#include "graphs/axes.h"
#include "graphs/canvas.h"
#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/naming.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>

namespace graphs {

namespace {

constexpr int PointWidth = 5;
constexpr int FitLineWidth = 2;

} // namespace

Plots::Plots(QWidget *surface, circuit::SimState &state) : QObject(surface), s(state)
{
    setObjectName(QStringLiteral("plots"));
    struct Graph {
        Canvas **canvas;
        const char *name;
        QRect geometry;
        const char *accessibleName;
    };
    const Graph graphsToMake[3] = {
        {&Picture3, "Picture3", {288, 200, 57, 233},
         //: The voltage against the current, as a screen reader names it.
         QT_TR_NOOP("График U(I)")},
        {&Picture4, "Picture4", {368, 200, 49, 233},
         //: The useful and the total power against the current, as a screen reader names it.
         QT_TR_NOOP("График Pв(I), Po(I)")},
        {&Picture5, "Picture5", {456, 200, 65, 233},
         //: The efficiency against the current, as a screen reader names it.
         QT_TR_NOOP("График h(I)")},
    };
    const QPalette system = surface->palette();
    for (const Graph &graph : graphsToMake) {
        auto *canvas = new Canvas(surface);
        canvas->setObjectName(QLatin1String(graph.name));
        canvas->setGeometry(graph.geometry);
        canvas->setFocusPolicy(Qt::StrongFocus);
        canvas->setForeColor(system.color(QPalette::WindowText));
        canvas->setBackColor(system.color(QPalette::Base));
        canvas->setAccessibleName(tr(graph.accessibleName));
        *graph.canvas = canvas;
    }
    Picture3->setBackColor(ui::colours::White);
    Picture3->setClickable(true);

    //: The frame round the choice of the graph shown.
    Frame2 = new QGroupBox(tr("график"), surface);
    Frame2->setGeometry(440, 80, 94, 73);
    Frame2->setFont(ui::timesNewRoman(9.75));
    ui::nameControl(Frame2, QStringLiteral("Frame2"), {}, Frame2->title());

    struct Choice {
        QRadioButton **button;
        const char *name;
        QRect geometry;
        const char *caption;
        const char *tooltip;
        void (Plots::*handler)();
    };
    const Choice choices[3] = {
        {&Option3, "Option3", {8, 16, 80, 15},
         //: Graph choice: the voltage against the current.
         QT_TR_NOOP("U(I)"), QT_TR_NOOP("Зависимость напряжения от тока"), &Plots::Option3_Click},
        {&Option4, "Option4", {8, 33, 80, 17},
         //: Graph choice: the useful power (Pв) and the total power (Po) against the current.
         QT_TR_NOOP("Pв(I), Po(I)"), QT_TR_NOOP("Зависимости мощностей от тока"), &Plots::Option4_Click},
        {&Option5, "Option5", {8, 50, 80, 17},
         //: Graph choice: the efficiency against the current.
         QT_TR_NOOP("h(I)"), nullptr, &Plots::Option5_Click},
    };
    // An explicit group: Tab then always reaches the selected button.
    auto *group = new QButtonGroup(this);
    group->setObjectName(QStringLiteral("graphChoice"));
    for (const Choice &c : choices) {
        auto *button = new QRadioButton(tr(c.caption), Frame2);
        group->addButton(button);
        button->setGeometry(c.geometry);
        button->setFont(ui::timesNewRoman(9.75));
        ui::nameControl(button, QLatin1String(c.name), c.tooltip ? tr(c.tooltip) : QString(), button->text());
        // A selection made by the user or by the program runs the handler once.
        connect(button, &QRadioButton::toggled, this, [this, handler = c.handler](bool on) {
            if (on)
                (this->*handler)();
        });
        *c.button = button;
    }
    describePoints(0);
}

void Plots::drawAxes()
{
    axes_1(*Picture3, s);
    axes_2(*Picture4, s);
    axes_3(*Picture5, s);
}

void Plots::point(Canvas *graph, float I, float y)
{
    graph->setDrawWidth(PointWidth);
    graph->pset(I, y, ui::colours::Red);
}

void Plots::redrawWithRows()
{
    drawAxes();
    for (std::size_t n = 1; n <= 10; ++n) {
        point(Picture3, s.I_m[n], s.U_m[n]);
        point(Picture4, s.I_m[n], s.Pv_m[n]);
        point(Picture4, s.I_m[n], s.Po_m[n]);
        point(Picture5, s.I_m[n], s.h_m[n]);
    }
}

void Plots::drawFitLine(float KK, float KB)
{
    Picture3->setDrawWidth(FitLineWidth);
    if (KK != 0.0f) {
        const float minusKB = -KB;
        Picture3->line(0, KB, minusKB / KK, 0, ui::colours::Red);
    }
}

void Plots::describePoints(int recorded)
{
    //: How many rows a graph shows, told to a screen reader.
    const QString text = tr("Точек измерений: %1").arg(recorded);
    for (Canvas *canvas : {Picture3, Picture4, Picture5})
        ui::describe(canvas, text);
}

void Plots::Option3_Click()
{
    Picture3->setVisible(true);
    Picture4->setVisible(false);
    Picture5->setVisible(false);
}

void Plots::Option4_Click()
{
    Picture3->setVisible(false);
    Picture4->setVisible(true);
    Picture5->setVisible(false);
}

void Plots::Option5_Click()
{
    Picture3->setVisible(false);
    Picture4->setVisible(false);
    Picture5->setVisible(true);
}

} // namespace graphs
