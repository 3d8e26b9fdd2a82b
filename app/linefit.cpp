// The line fit U = kI + b through the table, shown for ten seconds.
#include "app/form1.h"

#include "circuit/fit.h"
#include "graphs/canvas.h"
#include "graphs/graphs.h"
#include "graphs/plots.h"
#include "ui/naming.h"
#include "ui/numbertexts.h"

#include <QLineEdit>

void Form1::Picture3_Click()
{
    const circuit::LineFit fit = circuit::fitLine(s.I_m, s.U_m);
    // All ten currents equal (before any measurement, for one): there is no
    // line to show, and nothing changes.
    if (!fit.defined)
        return;
    s.S_x = fit.S_x;
    s.S_y = fit.S_y;
    s.S_xy = fit.S_xy;
    s.S_x2 = fit.S_x2;
    s.KK = fit.KK;
    s.KB = fit.KB;
    fitSinceReset = true;

    txtK->setText(QString::fromStdString(circuit::coefficientText(s.KK, ui::decimalSeparator())));
    ui::describe(txtK, txtK->text());
    txtB->setText(QString::fromStdString(circuit::coefficientText(s.KB, ui::decimalSeparator())));
    ui::describe(txtB, txtB->text());

    graphs->plots->drawFitLine(s.KK, s.KB);
    txtK->setVisible(true);
    txtB->setVisible(true);
    announce(txtK->toolTip() + QStringLiteral(": ") + txtK->text() + QStringLiteral("; ") + txtB->toolTip() +
             QStringLiteral(": ") + txtB->text());
    Wait(FitSeconds, [this] {
        // The focus in k or b goes back where the fit was asked for, rather
        // than on to whatever follows the boxes.
        if (txtK->hasFocus() || txtB->hasFocus())
            graphs->plots->Picture3->setFocus();
        txtK->setVisible(false);
        txtB->setVisible(false);
    });
}
