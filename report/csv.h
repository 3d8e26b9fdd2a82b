// The measurement table as comma-separated values for a spreadsheet.
#pragma once

#include <QByteArray>

namespace graphs {
class Table;
}

namespace report {

// RFC 4180 in UTF-8: the header n,I_A,U_V,Po_W,Pv_W,eta, then one line per
// recorded row in row order, each value as the table shows it but always
// with "." as the decimal point; rows never recorded are left out.
QByteArray tableCsv(const graphs::Table &table);

} // namespace report
