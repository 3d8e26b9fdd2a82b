// The check of a handed-in table: a file in the program's own CSV format,
// each row compared, as text, with every row this variant's circuit shows
// with the key closed, at each of the rheostat's positions in both schemes.
// A row typed in, copied from another variant or made with another
// rheostat is not among them.
#pragma once

#include "task/answerkey.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace task {

// The largest file taken for a table; ten rows take a few hundred bytes.
constexpr qsizetype MaxTableBytes = 64 * 1024;

// One row of a table as written.
struct TableRow {
    int line = 0;      // its line in the file, from 1
    int n = 0;         // its row number in the table, 1 to 10
    QStringList texts; // its five values: I, U, Po, Pv, h
};

// A file's table: the rows in the file's order, or why the bytes are not a
// table as the program saves it ("строка 3: …").
struct ReadTable {
    QList<TableRow> rows;
    QString error; // empty: a table
};

// Reads any bytes. Besides the program's own form (RFC 4180, UTF-8, CR LF)
// it takes what a spreadsheet may make of it: a byte-order mark, LF line
// ends, quoted fields, blank lines, rows in any order or repeated.
ReadTable readTable(const QByteArray &bytes);

struct CheckResult {
    int status = 0; // 0: every row genuine; 1: a row is not, or there is none; 2: not such a table
    QString text;   // the report, one line for every row, then the fits; for status 2 the reason alone
};

// Checks the table in `bytes` against the circuit of `values`. The report
// names each row by its line and row number and tells the scheme and the
// rheostat's position it was recorded at, or that it is not genuine. Then
// it gives the line the program fits through the rows (each genuine row with
// the values the program recorded, the others as written) and each scheme's
// answer key.
CheckResult checkTable(const QByteArray &bytes, const Values &values);

} // namespace task
