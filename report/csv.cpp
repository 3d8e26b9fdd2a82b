#include "report/csv.h"

#include "graphs/graphs.h"
#include "ui/numbertexts.h"

#include <QLabel>
#include <QStringList>

namespace report {

namespace {

// A field is quoted when it holds a comma, a quote or a line break.
QString field(QString text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    text.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

QByteArray tableCsv(const graphs::Graphs &table)
{
    const QString separator = QString::fromStdString(ui::decimalSeparator());
    const std::array<QLabel *, 11> *columns[5] = {&table.lblI, &table.lblU, &table.lblP0, &table.lblPv,
                                                  &table.lblKPD};
    QByteArray csv = "n,I_A,U_V,Po_W,Pv_W,eta\r\n";
    for (std::size_t n = 1; n <= 10; ++n) {
        if (table.lblI[n]->text().trimmed().isEmpty())
            continue;
        QStringList fields{QString::number(n)};
        for (const auto *column : columns)
            fields << field((*column)[n]->text().trimmed().replace(separator, QLatin1String(".")));
        csv += fields.join(QLatin1Char(',')).toUtf8() + "\r\n";
    }
    return csv;
}

} // namespace report
