#include "graphs/graphs.h"

#include "circuit/measurement.h"
#include "circuit/state.h"
#include "graphs/plots.h"
#include "graphs/table.h"
#include "ui/announcer.h"
#include "ui/numbertexts.h"

namespace graphs {

Graphs::Graphs(QWidget *surface, circuit::SimState &state, ui::Announcer *announcer)
    : QObject(surface), table(new Table(surface)), plots(new Plots(surface, state)), s(state),
      m_announcer(announcer)
{
    setObjectName(QStringLiteral("graphs"));
    connect(table, &Table::recordPressed, this, &Graphs::N_S_Click);
}

void Graphs::N_S_Click(int Index)
{
    if (Index < 1 || Index > 10)
        return;
    const auto n = static_cast<std::size_t>(Index);
    s.Nomer = static_cast<std::int16_t>(Index);
    const circuit::MeasuredRow row = circuit::measuredRow(s.I, s.U, s.RR, s.Edc, s.Ra, s.Rv, s.schema);
    const std::array<std::string, 5> texts = circuit::rowTexts(s.I, s.U, row, ui::decimalSeparator());
    auto text = [&texts](Table::Column c) { return QString::fromStdString(texts[c]); };

    s.I_m[n] = row.I;
    table->setCell(Table::ColumnI, n, text(Table::ColumnI));
    s.U_m[n] = row.U;
    table->setCell(Table::ColumnU, n, text(Table::ColumnU));
    plots->point(plots->Picture3, row.I, row.U);

    s.Pv_m[n] = row.Pv;
    table->setCell(Table::ColumnPv, n, text(Table::ColumnPv));
    plots->point(plots->Picture4, s.I_m[n], s.Pv_m[n]);

    s.Po_m[n] = row.Po;
    table->setCell(Table::ColumnP0, n, text(Table::ColumnP0));
    plots->point(plots->Picture4, s.I_m[n], s.Po_m[n]);

    s.h_m[n] = row.h;
    table->setCell(Table::ColumnKPD, n, text(Table::ColumnKPD));
    plots->point(plots->Picture5, s.I_m[n], s.h_m[n]);

    plots->describePoints(table->recordedRows());
    announce(table->spokenRow(n));
}

void Graphs::ochistka()
{
    if (table->recordedRows() > 0)
        announce(tr("Таблица измерений очищена"));
    for (std::size_t n = 1; n <= 10; ++n) {
        s.I_m[n] = 0;
        s.U_m[n] = 0;
        s.Pv_m[n] = 0;
        s.Po_m[n] = 0;
        s.h_m[n] = 0;
        for (Table::Column c : {Table::ColumnI, Table::ColumnU, Table::ColumnPv, Table::ColumnP0, Table::ColumnKPD})
            table->setCell(c, n, QStringLiteral(" "));
    }
    plots->drawAxes();
    plots->describePoints(0);
}

void Graphs::redrawWithRows()
{
    plots->redrawWithRows();
    plots->describePoints(table->recordedRows());
}

void Graphs::announce(const QString &message)
{
    if (m_announcer->window()->isVisible())
        m_announcer->announce(message);
}

} // namespace graphs
