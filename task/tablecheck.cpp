#include "task/tablecheck.h"

#include "circuit/fit.h"
#include "circuit/leadingnumber.h"
#include "circuit/measurement.h"
#include "circuit/numberformat.h"
#include "circuit/readings.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringDecoder>

// The check's texts, translated in this context.
class TableCheck
{
    Q_DECLARE_TR_FUNCTIONS(TableCheck)
};

namespace task {

namespace {

constexpr int ClosedKey = 1;

QString atLine(int line, const QString &reason)
{
    return TableCheck::tr("строка %1: %2").arg(line).arg(reason);
}

const QStringList &columnNames()
{
    static const QStringList names = QString::fromLatin1(circuit::SavedTableHeader).split(QLatin1Char(','));
    return names;
}

struct Record {
    int line;
    QStringList fields;
};

// Splits RFC 4180 text into records: fields separated by commas, records by
// line ends (CR LF or LF), a field in double quotes may hold commas, line
// ends and doubled quotes. Blank lines are left out.
QString splitRecords(const QString &text, QList<Record> &records)
{
    int line = 1;
    qsizetype pos = 0;
    const qsizetype size = text.size();
    auto endsRecord = [&](qsizetype at) {
        return at >= size || text[at] == QLatin1Char('\n') ||
               (text[at] == QLatin1Char('\r') && (at + 1 >= size || text[at + 1] == QLatin1Char('\n')));
    };
    while (pos < size) {
        Record record{line, {}};
        for (;;) {
            QString field;
            if (pos < size && text[pos] == QLatin1Char('"')) {
                const int opened = line;
                for (++pos;; ++pos) {
                    if (pos >= size)
                        return atLine(opened, TableCheck::tr("кавычка не закрыта"));
                    if (text[pos] == QLatin1Char('"')) {
                        if (pos + 1 < size && text[pos + 1] == QLatin1Char('"')) {
                            field += QLatin1Char('"');
                            ++pos;
                            continue;
                        }
                        ++pos;
                        break;
                    }
                    line += text[pos] == QLatin1Char('\n');
                    field += text[pos];
                }
                if (!endsRecord(pos) && text[pos] != QLatin1Char(','))
                    return atLine(line, TableCheck::tr("после закрывающей кавычки нужна запятая или конец строки"));
            } else {
                while (!endsRecord(pos) && text[pos] != QLatin1Char(','))
                    field += text[pos++];
            }
            record.fields << field;
            if (pos < size && text[pos] == QLatin1Char(',')) {
                ++pos;
                continue;
            }
            pos += pos < size && text[pos] == QLatin1Char('\r'); // the CR of CR LF
            if (pos < size) {
                ++pos; // the LF
                ++line;
            }
            break;
        }
        if (record.fields != QStringList{QString()})
            records << record;
    }
    return {};
}

// A row the circuit shows: where, and what the program records there.
struct Shown {
    int schema;
    int position;
    float RR;
    circuit::MeasuredRow row;
    QStringList texts;
};

// Every row the circuit shows with the key closed, scheme 1 first, each at
// the rheostat's positions from 0 up: what the measurement button records
// at each, with "." as the decimal point, as the saved table has it.
QList<Shown> shownRows(const Values &v)
{
    using P = circuit::Parameter;
    auto at = [&v](P p) { return v[static_cast<std::size_t>(p)]; };
    const double KR = circuit::ohmsPerStep(at(P::Rmax), circuit::RheostatSteps);
    QList<Shown> rows;
    for (int schema : {1, 2}) {
        for (int position = 0; position <= circuit::RheostatSteps; ++position) {
            const float RR = circuit::rheostatResistance(KR, position);
            const circuit::Readings meters =
                circuit::meterReadings(at(P::Edc), at(P::r), at(P::Ra), at(P::Rv), RR, ClosedKey, schema);
            const circuit::MeasuredRow row =
                circuit::measuredRow(meters.I, meters.U, RR, at(P::Edc), at(P::Ra), at(P::Rv), schema);
            QStringList texts;
            for (const std::string &text : circuit::rowTexts(meters.I, meters.U, row, "."))
                texts << QString::fromStdString(text);
            rows.append({schema, position, RR, row, texts});
        }
    }
    return rows;
}

QString place(const Shown &s)
{
    return TableCheck::tr("схема %1, R = %2 Ом (положение движка %3)")
        .arg(s.schema)
        .arg(QString::fromStdString(circuit::generalSingle(s.RR, ".")))
        .arg(s.position);
}

// Of a row that is not genuine: the one cell that keeps it from a row the
// circuit shows, when there is such a row.
QString nearMiss(const TableRow &row, const QList<Shown> &shown)
{
    for (const Shown &s : shown) {
        qsizetype differing = -1;
        for (qsizetype c = 0; c < 5; ++c)
            if (row.texts[c] != s.texts[c])
                differing = differing < 0 ? c : 5;
        if (differing >= 0 && differing < 5)
            return TableCheck::tr("; в столбце %1 стоит %2, а в строке «%3» было бы %4")
                .arg(columnNames()[differing + 1], row.texts[differing], place(s), s.texts[differing]);
    }
    return {};
}

QString coefficient(float value)
{
    return QString::fromStdString(circuit::coefficientText(value, "."));
}

} // namespace

ReadTable readTable(const QByteArray &input)
{
    if (input.size() > MaxTableBytes)
        return {{}, TableCheck::tr("файл слишком велик для таблицы измерений (больше %1 КиБ)").arg(MaxTableBytes / 1024)};
    const QList<QByteArray> lines = input.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = utf8.decode(lines[i]); // decoding sets hasError()
        if (utf8.hasError())
            return {{}, atLine(static_cast<int>(i + 1), TableCheck::tr("текст не в кодировке UTF-8"))};
    }
    QList<Record> records;
    // A byte-order mark at the start, as some spreadsheets write, goes with the decoding.
    if (const QString error = splitRecords(QString::fromUtf8(input), records); !error.isEmpty())
        return {{}, error};
    const QString header = QString::fromLatin1(circuit::SavedTableHeader);
    if (records.isEmpty())
        return {{}, atLine(1, TableCheck::tr("файл пуст, а таблица начинается заголовком %1").arg(header))};
    if (records.first().fields != columnNames())
        return {{}, atLine(records.first().line,
                           TableCheck::tr("это не таблица измерений программы: её первая строка — %1").arg(header))};
    ReadTable table;
    for (qsizetype i = 1; i < records.size(); ++i) {
        const Record &r = records[i];
        if (r.fields.size() != columnNames().size())
            return {{}, atLine(r.line, TableCheck::tr("полей %1, а в таблице их %2").arg(r.fields.size()).arg(columnNames().size()))};
        bool whole = false;
        const int n = r.fields[0].toInt(&whole);
        if (!whole || n < 1 || n > 10 || r.fields[0] != QString::number(n))
            return {{}, atLine(r.line, TableCheck::tr("номер строки %1 — не целое число от 1 до 10").arg(r.fields[0]))};
        table.rows.append({r.line, n, r.fields.mid(1)});
    }
    return table;
}

CheckResult checkTable(const QByteArray &bytes, const Values &values)
{
    const ReadTable table = readTable(bytes);
    if (!table.error.isEmpty())
        return {2, table.error};

    const QList<Shown> shown = shownRows(values);
    QHash<QStringList, QList<const Shown *>> byTexts;
    for (const Shown &s : shown)
        byTexts[s.texts].append(&s);

    CheckResult result;
    QStringList notGenuine;
    std::array<float, 11> I_m{}, U_m{};
    for (const TableRow &row : table.rows) {
        const QString name = TableCheck::tr("строка %1, n = %2").arg(row.line).arg(row.n);
        const QList<const Shown *> places = byTexts.value(row.texts);
        const auto n = static_cast<std::size_t>(row.n);
        if (places.isEmpty()) {
            notGenuine << name;
            result.text += TableCheck::tr("%1: НЕ НАСТОЯЩАЯ: таких показаний нет ни в одной схеме ни при одном положении движка%2\n")
                               .arg(name, nearMiss(row, shown));
            I_m[n] = circuit::toSingle(circuit::leadingNumber(row.texts[0].toStdString()));
            U_m[n] = circuit::toSingle(circuit::leadingNumber(row.texts[1].toStdString()));
            continue;
        }
        QStringList where;
        for (const Shown *s : places)
            where << place(*s);
        result.text += TableCheck::tr("%1: настоящая: %2\n").arg(name, where.join(QStringLiteral("; ")));
        I_m[n] = places.first()->row.I;
        U_m[n] = places.first()->row.U;
    }

    const circuit::LineFit fit = circuit::fitLine(I_m, U_m);
    result.text += fit.defined ? TableCheck::tr("Прямая по строкам таблицы: k = %1, b = %2\n").arg(coefficient(fit.KK), coefficient(fit.KB))
                               : TableCheck::tr("Прямую по строкам таблицы не построить: все токи равны\n");
    for (int schema : {1, 2}) {
        const KeyTexts key = keyTexts(values, schema);
        result.text += TableCheck::tr("Ключ, схема %1: k = %2, b = %3\n").arg(schema).arg(key.k, key.b);
    }
    if (table.rows.isEmpty()) {
        result.status = 1;
        result.text += TableCheck::tr("Итог: в таблице нет ни одной строки измерений.\n");
    } else if (!notGenuine.isEmpty()) {
        result.status = 1;
        result.text += TableCheck::tr("Итог: не настоящие строки: %1.\n").arg(notGenuine.join(QStringLiteral("; ")));
    } else {
        result.text += TableCheck::tr("Итог: все строки настоящие.\n");
    }
    return result;
}

} // namespace task
