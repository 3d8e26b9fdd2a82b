#include "task/taskfile.h"

#include "circuit/bounds.h"
#include "circuit/leadingnumber.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QStringDecoder>

#include <climits>

namespace task {

namespace {

// The messages' translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(TaskFile)
};

const QString CrLf = QStringLiteral("\r\n");
constexpr qint64 MaxFileBytes = 64 * 1024; // a task file is a few lines
constexpr int MaxDigits = 15;              // every range value exact in a double

struct Problem {
    int line; // 0: not tied to a line
    QString text;
};

// The line (from 1) of `key` in section [group] of the file's text; 0 when
// it is not found as written.
int lineOf(const QStringList &lines, const QString &group, const QString &key)
{
    QString section;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
            section = line.mid(1, line.size() - 2).trimmed();
        else if (section.compare(group, Qt::CaseInsensitive) == 0 ||
                 (group.isEmpty() && section.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0))
            if (line.section(QLatin1Char('='), 0, 0).trimmed() == key && line.contains(QLatin1Char('=')))
                return i + 1;
    }
    return 0;
}

// QSettings reads an unquoted comma as a list separator; the text as written
// comes back with ", " between the parts.
QString textOf(const QVariant &value)
{
    return value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1String(", "))
                                                    : value.toString().trimmed();
}

// "4.5" as 45 with one decimal; nullopt for too many digits.
std::optional<std::int64_t> units(const QString &decimal, int decimals)
{
    QString digits = decimal;
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    const int own = point < 0 ? 0 : static_cast<int>(digits.size() - point - 1);
    if (point >= 0)
        digits.remove(point, 1);
    digits += QString(decimals - own, QLatin1Char('0'));
    bool ok = false;
    const qlonglong value = digits.toLongLong(&ok);
    if (!ok || digits.size() > MaxDigits)
        return std::nullopt;
    return value;
}

// "low..high, step" for parameter `p`, each end within the parameter's bounds.
std::optional<circuit::StepRange> parseRange(const QString &text, circuit::Parameter p, QString &problem)
{
    static const QRegularExpression form(
        QStringLiteral(R"(^(\d+(?:\.\d+)?)\s*\.\.\s*(\d+(?:\.\d+)?)\s*,\s*(\d+(?:\.\d+)?)$)"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch()) {
        problem = Texts::tr("ожидается диапазон вида «от..до, шаг», например «4.5..12, 0.1»");
        return std::nullopt;
    }
    for (int end : {1, 2}) {
        const circuit::Verdict verdict =
            circuit::checkParameter(p, circuit::leadingNumber(m.captured(end).toStdString()));
        if (!verdict.accepted) {
            const QString message = QCoreApplication::translate("Parameters", verdict.message);
            //: %1 the value, %2 the message a parameter box gives for it.
            problem = end == 1 ? Texts::tr("нижний конец диапазона, %1, вне допустимых пределов («%2»)")
                                     .arg(m.captured(end), message)
                               //: %1 the value, %2 the message a parameter box gives for it.
                               : Texts::tr("верхний конец диапазона, %1, вне допустимых пределов («%2»)")
                                     .arg(m.captured(end), message);
            return std::nullopt;
        }
    }
    int decimals = 0;
    for (int i = 1; i <= 3; ++i) {
        const qsizetype point = m.captured(i).indexOf(QLatin1Char('.'));
        if (point >= 0)
            decimals = std::max(decimals, static_cast<int>(m.captured(i).size() - point - 1));
    }
    const auto low = units(m.captured(1), decimals), high = units(m.captured(2), decimals),
               step = units(m.captured(3), decimals);
    if (!low || !high || !step)
        problem = Texts::tr("слишком много цифр (не больше %1)").arg(MaxDigits);
    else if (*step == 0)
        problem = Texts::tr("шаг должен быть больше нуля");
    else if (*low > *high)
        problem = Texts::tr("нижний конец диапазона больше верхнего");
    else
        return circuit::StepRange{*low, *high, *step, decimals};
    return std::nullopt;
}

} // namespace

const QStringList &parameterNames()
{
    static const QStringList names = {QStringLiteral("E"), QStringLiteral("r"), QStringLiteral("Rv"),
                                      QStringLiteral("Ra"), QStringLiteral("Rmax")};
    return names;
}

ReadResult readTaskFile(const QString &path)
{
    auto failure = [&path](const Problem &problem) {
        const QString where = problem.line > 0 ? Texts::tr("Файл задания «%1», строка %2:")
                                                     .arg(QDir::toNativeSeparators(path))
                                                     .arg(problem.line)
                                               : Texts::tr("Файл задания «%1»:")
                                                     .arg(QDir::toNativeSeparators(path));
        return ReadResult{std::nullopt, where + CrLf + problem.text + QLatin1Char('.')};
    };

    QFile file(path);
    if (!file.exists())
        return failure({0, Texts::tr("такого файла нет")});
    if (!file.open(QIODevice::ReadOnly))
        return failure({0, Texts::tr("файл не удаётся прочитать")});
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes)
        return failure({0, Texts::tr("файл слишком велик для файла задания (больше 64 КиБ)")});
    const QList<QByteArray> rawLines = bytes.split('\n');
    for (qsizetype i = 0; i < rawLines.size(); ++i) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = utf8.decode(rawLines[i]); // decoding sets hasError()
        if (utf8.hasError())
            return failure({static_cast<int>(i + 1), Texts::tr("текст не в кодировке UTF-8")});
    }
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));

    QSettings ini(path, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError)
        return failure({0, Texts::tr("файл не читается как INI")});

    TaskFile task;
    std::optional<Problem> first; // the problem met first in the file; one without a line last
    auto problem = [&first](int line, const QString &text) {
        auto order = [](int l) { return l > 0 ? l : INT_MAX; };
        if (!first || order(line) < order(first->line))
            first = Problem{line, text};
    };
    const QStringList &names = parameterNames();
    for (const QString &fullKey : ini.allKeys()) {
        const qsizetype slash = fullKey.indexOf(QLatin1Char('/'));
        const QString group = slash < 0 ? QString() : fullKey.left(slash);
        const QString key = fullKey.mid(slash + 1);
        const int line = lineOf(lines, group, key);
        const QString text = textOf(ini.value(fullKey));
        const QString written = key + QLatin1Char('=') + text + QLatin1String(": ");
        const auto p = static_cast<circuit::Parameter>(names.indexOf(key));
        const auto i = static_cast<std::size_t>(names.indexOf(key));
        if (group == QLatin1String("task") && key == QLatin1String("title")) {
            task.title = text.simplified();
        } else if (group == QLatin1String("task") && key == QLatin1String("hidden")) {
            for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                if (!names.contains(part.trimmed()))
                    problem(line, written + Texts::tr("неизвестный параметр «%1» (есть E, r, Rv, Ra, Rmax)")
                                                .arg(part.trimmed()));
                else if (part.trimmed() == QLatin1String("Rmax")) // the rheostat's label shows it
                    problem(line, written + Texts::tr("Rmax скрыть нельзя: его показывает подпись реостата"));
                else
                    task.hidden[static_cast<std::size_t>(names.indexOf(part.trimmed()))] = true;
            }
        } else if (group == QLatin1String("task") && names.contains(key)) {
            static const QRegularExpression number(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
            const circuit::Verdict verdict =
                circuit::checkParameter(p, circuit::leadingNumber(text.toStdString()));
            if (!number.match(text).hasMatch())
                problem(line, written + Texts::tr("это не число"));
            else if (!verdict.accepted)
                problem(line, written + Texts::tr("значение вне допустимых пределов («%1»)")
                                            .arg(QCoreApplication::translate("Parameters", verdict.message)));
            else
                task.fixed[i] = text;
        } else if (group == QLatin1String("random") && key == QLatin1String("seed")) {
            static const QRegularExpression whole(QStringLiteral(R"(^\d+$)"));
            bool ok = false;
            task.seed = text.toULongLong(&ok);
            if (!ok || !whole.match(text).hasMatch())
                problem(line, written + Texts::tr("ожидается целое число от 0 до 18446744073709551615"));
        } else if (group == QLatin1String("random") && names.contains(key)) {
            QString why;
            task.ranges[i] = parseRange(text, p, why);
            if (!why.isEmpty())
                problem(line, written + why);
        } else {
            //: Where an unknown key stands, after its name.
            const QString where = group.isEmpty() ? QString() : Texts::tr(" в разделе [%1]").arg(group);
            //: %1 the key, %2 nothing or where it stands (" in the section [random]").
            problem(line, Texts::tr("неизвестный ключ «%1»%2 (есть [task]: title, E, r, Rv, Ra, Rmax, "
                                    "hidden; [random]: E, r, Rv, Ra, Rmax, seed)")
                              .arg(key, where));
        }
    }
    for (std::size_t i = 0; i < ParameterCount; ++i)
        if (!task.fixed[i].isEmpty() && task.ranges[i])
            problem(lineOf(lines, QStringLiteral("random"), names[static_cast<qsizetype>(i)]),
                    Texts::tr("%1 задан и в [task], и в [random]").arg(names[static_cast<qsizetype>(i)]));
    if (first)
        return failure(*first);
    return {task, {}};
}

std::array<QString, ParameterCount> variantTexts(const TaskFile &file, int variant)
{
    std::array<QString, ParameterCount> texts;
    for (std::size_t i = 0; i < ParameterCount; ++i) {
        const auto p = static_cast<circuit::Parameter>(i);
        if (!file.fixed[i].isEmpty())
            texts[i] = file.fixed[i];
        else if (file.ranges[i])
            texts[i] = QString::fromStdString(circuit::drawnText(file.seed, variant, p, *file.ranges[i]));
        else
            texts[i] = QString::fromUtf8(circuit::initialText(p));
    }
    return texts;
}

Task loadTask(const QString &path, int variant)
{
    const ReadResult read = readTaskFile(path);
    if (!read.file)
        return Task{{}, {}, {}, read.error + CrLf + Texts::tr("Программа запускается с обычными значениями.")};
    Task task{read.file->title, variantTexts(*read.file, variant), read.file->hidden, {}, variant};
    return task;
}

} // namespace task
