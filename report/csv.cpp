#include "report/csv.h"

#include "circuit/measurement.h"
#include "graphs/table.h"
#include "ui/numbertexts.h"

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

QByteArray tableCsv(const graphs::Table &table)
{
    const QString separator = QString::fromStdString(ui::decimalSeparator());
    QByteArray csv = QByteArray(circuit::SavedTableHeader) + "\r\n";
    for (std::size_t n = 1; n <= 10; ++n) {
        if (!table.isRecorded(n))
            continue;
        QStringList fields{QString::number(n)};
        for (const QString &text : table.rowTexts(n))
            fields << field(QString(text).replace(separator, QLatin1String(".")));
        csv += fields.join(QLatin1Char(',')).toUtf8() + "\r\n";
    }
    return csv;
}

} // namespace report
