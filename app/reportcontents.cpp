// What the lab report shows of the window: read from its controls when the
// report is made.
#include "app/form1.h"

#include "graphs/graphs.h"
#include "graphs/plots.h"
#include "graphs/table.h"
#include "report/labreport.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

report::LabReport Form1::labReport() const
{
    const Form1 &w = *this;
    report::LabReport r;
    r.title = w.windowTitle();
    r.madeAt = QDateTime::currentDateTime();
    r.parametersHeading = w.Lblnazvan->text();
    r.taskTitle = w.taskTitle;
    r.variant = w.variant;
    const std::pair<const QLabel *, const QLineEdit *> parameters[5] = {
        {w.LblEds, w.TxtEdc}, {w.Lblr, w.Txtr}, {w.LblRv, w.TxtRv}, {w.LblRa, w.TxtRa}, {w.LblRmax, w.TxtRmax}};
    for (const auto &[label, box] : parameters)
        r.parameters.push_back({box->toolTip(), label->text(),
                                box->echoMode() == QLineEdit::Normal ? box->text().trimmed()
                                                                     //: A value the teacher hides, in the report.
                                                                     : tr("скрыто")});
    const QRadioButton *scheme = w.s.schema == 2 ? w.Option2 : w.Option1;
    QString wiring = scheme->toolTip();
    if (!wiring.isEmpty())
        wiring[0] = wiring[0].toLower();
    r.scheme = wiring.isEmpty() ? scheme->text() : scheme->text() + QStringLiteral(" — ") + wiring;

    // The circuit lies left of the parameter panel and above the table.
    r.surface = w.surface;
    const graphs::Graphs &g = *w.graphs;
    r.schematic = QRect(0, 0, w.Lblnazvan->x(), g.table->lblI[0]->y());

    for (std::size_t n = 0; n <= 10; ++n) {
        const QStringList texts = g.table->rowTexts(n);
        for (std::size_t c = 0; c < 5; ++c)
            r.table[n][c] = texts[static_cast<qsizetype>(c)];
    }

    r.graphs = {g.plots->Picture3, g.plots->Picture4, g.plots->Picture5};
    r.graphNames = {g.plots->Option3->text(), g.plots->Option4->text(), g.plots->Option5->text()};
    if (w.fitSinceReset) {
        r.k = w.txtK->text();
        r.b = w.txtB->text();
    }
    return r;
}
