// Start-up, the reset to the open-circuit state, and the window's resizing.
#include "app/form1.h"

#include "app/rheostat.h"
#include "circuit/leadingnumber.h"
#include "circuit/readings.h"
#include "graphs/canvas.h"
#include "graphs/graphs.h"
#include "graphs/plots.h"
#include "graphs/table.h"
#include "ui/colours.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

constexpr int GraphLeft = 290;
constexpr int GraphTop = 200;
constexpr int GraphMargin = 10; // free to the right of and below the graphs

double numberIn(const QLineEdit *box)
{
    return circuit::leadingNumber(box->text().toStdString());
}

} // namespace

void Form1::Form_Load()
{
    s.Edc = numberIn(TxtEdc);
    s.r = numberIn(Txtr);
    s.Rv = numberIn(TxtRv);
    s.Ra = numberIn(TxtRa);
    s.Rmax = numberIn(TxtRmax);

    s.R_st = circuit::ArrowButtonWidth;
    s.R_dv = circuit::ThumbWidth;
    s.dlina = static_cast<float>(HScroll1->width()) - 2 * s.R_st - s.R_dv;

    // Selecting scheme 1 runs its handler, which resets and sets the scheme.
    Option1->setChecked(true);
    Option2->setChecked(false);
    sbros();
    s.schema = 1;
}

void Form1::sbros()
{
    ++m_resetting;
    Picture1->setBackColor(ui::colours::Black);
    Picture1->setForeColor(ui::colours::MeterGreen);
    Picture2->setBackColor(ui::colours::Black);
    Picture2->setForeColor(ui::colours::MeterGreen);

    s.KR = circuit::ohmsPerStep(s.Rmax, HScroll1->maximum());
    HScroll1->setValue(HScroll1->maximum()); // runs HScroll1_Change when the value changes
    s.rabota = 0;
    HScroll1_Change();

    Frame1->setVisible(true);
    Option1->setVisible(true);
    Option2->setVisible(true);
    for (int n = 1; n <= 10; ++n)
        graphs->table->N_S[static_cast<std::size_t>(n)]->setVisible(false);

    // The three graphs share one rectangle from (290, 200) to 10 pixels short
    // of the right and bottom edges; too small a window keeps the old layout.
    const float width = static_cast<float>(scaleWidth()) - GraphLeft - GraphMargin;
    const float height = static_cast<float>(scaleHeight()) - GraphTop - GraphMargin;
    graphs::Canvas *canvases[3] = {graphs->plots->Picture3, graphs->plots->Picture4, graphs->plots->Picture5};
    for (int i = 0; i < 3; ++i) {
        if (width >= 1 && height >= 1)
            canvases[i]->setGeometry(GraphLeft, GraphTop, static_cast<int>(width), static_cast<int>(height));
        canvases[i]->setVisible(i == 0);
    }

    graphs->ochistka();

    graphs->plots->Option3->setChecked(true); // runs Option3_Click when the selection changes
    graphs->plots->Option4->setChecked(false);
    graphs->plots->Option5->setChecked(false);

    txtK->setVisible(false);
    txtB->setVisible(false);
    fitSinceReset = false;
    --m_resetting;
}

void Form1::Form_Resize()
{
    graphs::Canvas *canvases[3] = {graphs->plots->Picture3, graphs->plots->Picture4, graphs->plots->Picture5};
    // Minimised, or too small for a graph: nothing is laid out or redrawn
    // until a resize that fits.
    for (graphs::Canvas *canvas : canvases)
        if (scaleWidth() - canvas->x() - GraphMargin < 1 || scaleHeight() - canvas->y() - GraphMargin < 1)
            return;
    for (graphs::Canvas *canvas : canvases)
        canvas->resize(static_cast<int>(static_cast<float>(scaleWidth()) - canvas->x() - GraphMargin),
                       static_cast<int>(static_cast<float>(scaleHeight()) - canvas->y() - GraphMargin));
    graphs->redrawWithRows();
}
