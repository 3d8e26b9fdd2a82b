// libFuzzer target: the check of a handed-in table, fed any bytes, against
// the example task's variant 7. Every input ends in status 0, 1 or 2. Status
// 2 (not a table) gives one reason, tied to a line the input has ("строка
// N: ...") unless the input is too large. Otherwise the report has one line
// for every row read, in the file's order, each naming its own line; status
// 0 means rows and every one genuine.
#include "task/tablecheck.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const task::Values variant7 = task::parameterValues({"9.9", "1.7", "150", "0.5", "100"});
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const task::CheckResult result = task::checkTable(bytes, variant7);
    auto check = [&result](bool holds, const char *what) {
        if (!holds)
            std::fprintf(stderr, "%s:\n%s\n", what, result.text.toUtf8().constData()), std::abort();
    };
    if (result.status == 2) {
        const int line = result.text.section(QLatin1Char(':'), 0, 0).section(QLatin1Char(' '), 1).toInt();
        check(bytes.size() > task::MaxTableBytes || (line >= 1 && line <= bytes.count('\n') + 1),
              "not a table, but no line of the input named");
        return 0;
    }
    const QList<task::TableRow> rows = task::readTable(bytes).rows;
    qsizetype told = 0;
    for (const QString &line : result.text.split(QLatin1Char('\n'))) {
        if (!line.startsWith(QStringLiteral("строка ")))
            continue;
        const task::TableRow row = rows.value(told++);
        check(line.startsWith(QStringLiteral("строка %1, n = %2: ").arg(row.line).arg(row.n)), "a row told out of place");
    }
    const bool allGenuine = !rows.isEmpty() && !result.text.contains(QStringLiteral("НЕ НАСТОЯЩАЯ"));
    check(told == rows.size() && result.status == (allGenuine ? 0 : 1), "rows told, or the status, unlike the rows read");
    return 0;
}
