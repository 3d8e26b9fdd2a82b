#include "task/commandline.h"

#include "task/answerkey.h"
#include "task/tablecheck.h"
#include "task/variantname.h"
#include "ui/callerfolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

// The command line's texts, translated in this context.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

namespace task {

namespace {

constexpr int MaxVariant = 100000;

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
}

// "1-30", "1,4,7-9": the variants in the order given.
std::optional<QList<int>> variantList(const QString &text)
{
    QList<int> variants;
    for (const QString &part : text.split(QLatin1Char(','))) {
        const QStringList ends = part.trimmed().split(QLatin1Char('-'));
        bool okFirst = false, okLast = false;
        const int first = ends.first().toInt(&okFirst);
        const int last = ends.last().toInt(&okLast);
        if (ends.size() > 2 || !okFirst || !okLast || first < 1 || last < first ||
            last > MaxVariant || variants.size() + (last - first) >= MaxVariant)
            return std::nullopt;
        for (int v = first; v <= last; ++v)
            variants << v;
    }
    return variants;
}

// Checks each table against its variant: `variant`, else the one its file's
// name carries. Reports go to standard output, files that cannot be checked
// to standard error. The status is the worst one met: 2 for a file that is
// not a table (or cannot be read, or has no variant), else 1 for a row that
// is not genuine, else 0.
int checkTables(const TaskFile &file, std::optional<int> variant, const QStringList &tables)
{
    int status = 0;
    for (const QString &table : tables) {
        const QString path = ui::fromCallerFolder(table);
        const QString shownPath = QDir::toNativeSeparators(table); // as the user gave it
        auto cannot = [&status, &shownPath](const QString &why) {
            std::fflush(stdout);
            print(stderr, CommandLine::tr("dcsim: таблица «%1»: %2\n").arg(shownPath, why));
            status = 2;
        };
        const std::optional<int> named = variantFromFileName(path);
        const std::optional<int> chosen = variant ? variant : named;
        if (!chosen || *chosen < 1 || *chosen > MaxVariant) {
            cannot(CommandLine::tr("в имени файла нет номера варианта от 1 до %1 («вариант-7»); "
                                   "укажите его: --variant N.").arg(MaxVariant));
            continue;
        }
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly)) {
            cannot(in.exists() ? CommandLine::tr("файл не удаётся прочитать.") : CommandLine::tr("такого файла нет."));
            continue;
        }
        const CheckResult result = checkTable(in.read(MaxTableBytes + 1), parameterValues(variantTexts(file, *chosen)));
        if (result.status == 2) {
            cannot(result.text + QLatin1Char('.'));
            continue;
        }
        // One arg() for both: a "%2" in the file's name stays as it is.
        QString heading = (variant ? CommandLine::tr("Таблица «%1», вариант %2")
                                   : CommandLine::tr("Таблица «%1», вариант %2 (из имени файла)"))
                              .arg(shownPath, QString::number(*chosen));
        if (variant && named && *named != *variant)
            heading += CommandLine::tr(", хотя в имени файла вариант %1").arg(*named);
        print(stdout, heading + QStringLiteral(":\n") + result.text);
        status = std::max(status, result.status);
    }
    return status;
}

} // namespace

Start readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's own single-dash options (-platform, -style) stay whole words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Моделирование работы электрической цепи постоянного тока.\n"
        "Без параметров программа запускается как обычно."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption taskFile(
        QStringLiteral("task"),
        QStringLiteral("Файл задания учителя (INI в UTF-8): значения параметров, скрытые параметры, "
                       "диапазоны вариантов, название."),
        QStringLiteral("файл"));
    const QCommandLineOption variant(
        QStringLiteral("variant"),
        QStringLiteral("Номер варианта для раздела [random] файла задания, от 1 до %1; по умолчанию 1.")
            .arg(MaxVariant),
        QStringLiteral("N"));
    const QCommandLineOption answers(
        QStringLiteral("answers"),
        CommandLine::tr("Напечатать ключ к вариантам (например, 1-30 или 1,4,7-9) по одной строке через "
                        "табуляцию: вариант, E, r, Rv, Ra, Rmax, затем прямая U = kI + b каждой схемы "
                        "(k1, b1, k2, b2) и E = b, r = −k, которые по ней найдёт ученик (E1, r1, E2, r2); "
                        "окно не открывается."),
        QStringLiteral("варианты"));
    const QCommandLineOption check(
        QStringLiteral("check"),
        CommandLine::tr("Проверить сданные таблицы (CSV программы; после первой можно перечислить ещё): "
                        "каждая ли строка — показания цепи варианта при каком-то положении движка в схеме 1 "
                        "или 2. Вариант берётся из --variant, без него — из имени файла («вариант-7»). "
                        "Окно не открывается. Код выхода: 0 — все строки настоящие, 1 — есть не настоящие, "
                        "2 — файл не таблица программы."),
        CommandLine::tr("таблица.csv"));
    const QCommandLineOption zoom(
        QStringLiteral("zoom"),
        QStringLiteral("Увеличить окно и всё в нём в указанное число раз, от 1 до 4 (например, 1.5), "
                       "для проектора."),
        QStringLiteral("множитель"));
    parser.addOptions({taskFile, variant, answers, check, zoom});
    // Left to the application object, as in every Qt program.
    for (const char *name : {"platform", "platformtheme", "style", "stylesheet", "display"}) {
        QCommandLineOption qtOption(QString::fromLatin1(name), {}, QStringLiteral("значение"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    QCommandLineOption reverse(QStringLiteral("reverse"));
    reverse.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(reverse);

    Start start;
    auto usageError = [&start](const QString &message) {
        print(stderr, QStringLiteral("dcsim: %1\nСправка: dcsim --help\n").arg(message));
        start.exitStatus = 2;
        return start;
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        print(stdout, parser.helpText());
        start.exitStatus = 0;
        return start;
    }
    if (parser.isSet(version)) {
        print(stdout, QCoreApplication::applicationName() + QLatin1Char(' ') +
                          QCoreApplication::applicationVersion() + QLatin1Char('\n'));
        start.exitStatus = 0;
        return start;
    }
    if (!parser.positionalArguments().isEmpty() && !parser.isSet(check))
        return usageError(QStringLiteral("лишний аргумент «%1».").arg(parser.positionalArguments().first()));
    if (parser.isSet(zoom)) {
        bool ok = false;
        start.zoom = parser.value(zoom).toDouble(&ok);
        if (!ok || !(start.zoom >= 1 && start.zoom <= 4))
            return usageError(QStringLiteral("--zoom: нужно число от 1 до 4, например 1.5, а не «%1».")
                                  .arg(parser.value(zoom)));
    }
    int chosen = 1;
    if (parser.isSet(variant)) {
        bool ok = false;
        chosen = parser.value(variant).toInt(&ok);
        if (!ok || chosen < 1 || chosen > MaxVariant)
            return usageError(QStringLiteral("--variant: нужен номер варианта от 1 до %1, а не «%2».")
                                  .arg(MaxVariant)
                                  .arg(parser.value(variant)));
    }
    std::optional<QList<int>> listed;
    if (parser.isSet(answers)) {
        listed = variantList(parser.value(answers));
        if (!listed)
            return usageError(QStringLiteral("--answers: нужен список вариантов от 1 до %1 вида 1-30 или "
                                             "1,4,7-9, а не «%2».")
                                  .arg(MaxVariant)
                                  .arg(parser.value(answers)));
        if (parser.isSet(variant))
            return usageError(QStringLiteral("--answers печатает варианты списком, --variant к нему не нужен."));
    }
    if (parser.isSet(check) && listed)
        return usageError(CommandLine::tr("--answers и --check делают разное: укажите что-то одно."));
    if ((parser.isSet(variant) || listed || parser.isSet(check)) && !parser.isSet(taskFile))
        return usageError(QStringLiteral("варианты задаются файлом задания: добавьте --task файл."));
    if (!parser.isSet(taskFile))
        return start;

    const QString path = ui::fromCallerFolder(parser.value(taskFile));
    if (!listed && !parser.isSet(check)) {
        start.task = loadTask(path, chosen);
        return start;
    }
    const ReadResult read = readTaskFile(path);
    if (!read.file) {
        print(stderr, QString(read.error).replace(QLatin1String("\r\n"), QLatin1String("\n")) + QLatin1Char('\n'));
        // A table that cannot be checked is not reported as one with a row made up.
        start.exitStatus = parser.isSet(check) ? 2 : 1;
        return start;
    }
    if (parser.isSet(check)) {
        start.exitStatus = checkTables(*read.file, parser.isSet(variant) ? std::optional<int>(chosen) : std::nullopt,
                                       parser.values(check) + parser.positionalArguments());
        return start;
    }
    QString table = QStringLiteral("Вариант\t") + (parameterNames() + keyColumnNames()).join(QLatin1Char('\t')) +
                    QLatin1Char('\n');
    for (int v : *listed) {
        const auto texts = variantTexts(*read.file, v);
        table += QString::number(v);
        for (const QString &text : texts)
            table += QLatin1Char('\t') + text;
        for (const QString &text : keyColumns(parameterValues(texts)))
            table += QLatin1Char('\t') + text;
        table += QLatin1Char('\n');
    }
    print(stdout, table);
    start.exitStatus = 0;
    return start;
}

} // namespace task
