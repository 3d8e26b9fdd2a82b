#include "task/commandline.h"

#include "task/answerkey.h"
#include "task/tablecheck.h"
#include "task/variantname.h"
#include "ui/callerfolder.h"
#include "ui/language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QUrlQuery>

// The command line's texts, translated in this context.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

namespace task {

namespace {

constexpr int MaxVariant = 100000;

// The value of --lang (also -lang or --lang=VALUE) when it is given, read
// on its own before the help or any message is made; the other options are
// read afterwards, in that language.
std::optional<QString> languageAsked(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption lang(QStringLiteral("lang"), {}, QStringLiteral("code"));
    parser.addOption(lang);
    parser.parse(arguments); // fails on every other option, which is read later
    return parser.isSet(lang) ? std::optional(parser.value(lang)) : std::nullopt;
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
// name carries. Reports are for standard output, files that cannot be
// checked for standard error. The status is the worst one met: 2 for a file
// that is not a table (or cannot be read, or has no variant), else 1 for a
// row that is not genuine, else 0.
int checkTables(const TaskFile &file, std::optional<int> variant, const QStringList &tables, Start &start)
{
    int status = 0;
    for (const QString &table : tables) {
        const QString path = ui::fromCallerFolder(table);
        const QString shownPath = QDir::toNativeSeparators(table); // as the user gave it
        auto cannot = [&status, &shownPath, &start](const QString &why) {
            start.errors += CommandLine::tr("dcsim: таблица «%1»: %2\n").arg(shownPath, why);
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
        start.output += heading + QStringLiteral(":\n") + result.text;
        status = std::max(status, result.status);
    }
    return status;
}

} // namespace

Start readCommandLine(const QStringList &arguments)
{
    const std::optional<QString> asked = languageAsked(arguments);
    const bool languageShipped = !asked || ui::useLanguage(*asked);
    const QString languages = ui::shippedLanguages().join(QLatin1String(", "));

    QCommandLineParser parser;
    // Qt's own single-dash options (-platform, -style) stay whole words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(CommandLine::tr("Моделирование работы электрической цепи постоянного тока.\n"
                                               "Без параметров программа запускается как обычно."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption taskFile(
        QStringLiteral("task"),
        CommandLine::tr("Файл задания учителя (INI в UTF-8): значения параметров, скрытые параметры, "
                  "диапазоны вариантов, название."),
        //: The value of --task, in the help: "--task <файл>".
        CommandLine::tr("файл"));
    const QCommandLineOption variant(
        QStringLiteral("variant"),
        CommandLine::tr("Номер варианта для раздела [random] файла задания, от 1 до %1; по умолчанию 1.")
            .arg(MaxVariant),
        QStringLiteral("N"));
    const QCommandLineOption answers(
        QStringLiteral("answers"),
        //: The printed columns keep their names: "Вариант", E, r, Rv, Ra, Rmax, k1, b1, k2, b2, E1, r1, E2, r2.
        CommandLine::tr("Напечатать ключ к вариантам (например, 1-30 или 1,4,7-9) по одной строке через "
                        "табуляцию: вариант, E, r, Rv, Ra, Rmax, затем прямая U = kI + b каждой схемы "
                        "(k1, b1, k2, b2) и E = b, r = −k, которые по ней найдёт ученик (E1, r1, E2, r2); "
                        "окно не открывается."),
        //: The value of --answers, in the help.
        CommandLine::tr("варианты"));
    const QCommandLineOption check(
        QStringLiteral("check"),
        CommandLine::tr("Проверить сданные таблицы (CSV программы; после первой можно перечислить ещё): "
                        "каждая ли строка — показания цепи варианта при каком-то положении движка в схеме 1 "
                        "или 2. Вариант берётся из --variant, без него — из имени файла («вариант-7»). "
                        "Окно не открывается. Код выхода: 0 — все строки настоящие, 1 — есть не настоящие, "
                        "2 — файл не таблица программы."),
        //: The value of --check, in the help.
        CommandLine::tr("таблица.csv"));
    const QCommandLineOption zoom(
        QStringLiteral("zoom"),
        CommandLine::tr("Увеличить окно и всё в нём в указанное число раз, от 1 до 4 (например, 1.5), "
                        "для проектора."),
        //: The value of --zoom, in the help.
        CommandLine::tr("множитель"));
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        //: %1 the languages the program ships, "ru, en".
        CommandLine::tr("Язык программы: %1. По умолчанию первый из них в списке языков рабочего стола "
                        "(LANGUAGE, LANG), иначе ru.")
            .arg(languages),
        //: The value of --lang, in the help.
        CommandLine::tr("язык"));
    parser.addOptions({taskFile, variant, answers, check, zoom, lang});
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
        start.problem = message;
        start.errors = QStringLiteral("dcsim: %1\n%2\n").arg(message, CommandLine::tr("Справка: dcsim --help"));
        start.exitStatus = 2;
        return start;
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (!languageShipped)
        return usageError(CommandLine::tr("--lang: нужен один из языков %1, а не «%2».").arg(languages, *asked));
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        start.output = parser.helpText();
        start.exitStatus = 0;
        return start;
    }
    if (parser.isSet(version)) {
        start.output = QCoreApplication::applicationName() + QLatin1Char(' ') +
                       QCoreApplication::applicationVersion() + QLatin1Char('\n');
        start.exitStatus = 0;
        return start;
    }
    if (!parser.positionalArguments().isEmpty() && !parser.isSet(check))
        return usageError(CommandLine::tr("лишний аргумент «%1».").arg(parser.positionalArguments().first()));
    if (parser.isSet(zoom)) {
        bool ok = false;
        start.zoom = parser.value(zoom).toDouble(&ok);
        if (!ok || !(start.zoom >= 1 && start.zoom <= 4))
            return usageError(CommandLine::tr("--zoom: нужно число от 1 до 4, например 1.5, а не «%1».")
                                  .arg(parser.value(zoom)));
    }
    int chosen = 1;
    if (parser.isSet(variant)) {
        bool ok = false;
        chosen = parser.value(variant).toInt(&ok);
        if (!ok || chosen < 1 || chosen > MaxVariant)
            return usageError(CommandLine::tr("--variant: нужен номер варианта от 1 до %1, а не «%2».")
                                  .arg(MaxVariant)
                                  .arg(parser.value(variant)));
    }
    std::optional<QList<int>> listed;
    if (parser.isSet(answers)) {
        listed = variantList(parser.value(answers));
        if (!listed)
            return usageError(CommandLine::tr("--answers: нужен список вариантов от 1 до %1 вида 1-30 или "
                                        "1,4,7-9, а не «%2».")
                                  .arg(MaxVariant)
                                  .arg(parser.value(answers)));
        if (parser.isSet(variant))
            return usageError(CommandLine::tr("--answers печатает варианты списком, --variant к нему не нужен."));
    }
    if (parser.isSet(check) && listed)
        return usageError(CommandLine::tr("--answers и --check делают разное: укажите что-то одно."));
    if ((parser.isSet(variant) || listed || parser.isSet(check)) && !parser.isSet(taskFile))
        return usageError(CommandLine::tr("варианты задаются файлом задания: добавьте --task файл."));
    if (!parser.isSet(taskFile))
        return start;

    const QString path = ui::fromCallerFolder(parser.value(taskFile));
    if (!listed && !parser.isSet(check)) {
        start.task = loadTask(path, chosen);
        return start;
    }
    const ReadResult read = readTaskFile(path);
    if (!read.file) {
        start.errors = QString(read.error).replace(QLatin1String("\r\n"), QLatin1String("\n")) + QLatin1Char('\n');
        // A table that cannot be checked is not reported as one with a row made up.
        start.exitStatus = parser.isSet(check) ? 2 : 1;
        return start;
    }
    if (parser.isSet(check)) {
        start.exitStatus = checkTables(*read.file, parser.isSet(variant) ? std::optional<int>(chosen) : std::nullopt,
                                       parser.values(check) + parser.positionalArguments(), start);
        return start;
    }
    // The column names are the same in every language: grading tools read them.
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
    start.output = table;
    start.exitStatus = 0;
    return start;
}

Start readLink(const QString &query)
{
    const QStringList options = {QStringLiteral("task"), QStringLiteral("variant"), QStringLiteral("lang"),
                                 QStringLiteral("zoom")};
    QStringList arguments = {QStringLiteral("dcsim")};
    QString items = query.startsWith(QLatin1Char('?')) ? query.mid(1) : query;
    for (const auto &[name, value] : QUrlQuery(items.replace(QLatin1Char('+'), QLatin1String("%20")))
                                         .queryItems(QUrl::FullyDecoded)) {
        if (!options.contains(name)) {
            Start start;
            start.problem = CommandLine::tr("в ссылке неизвестный параметр «%1»; понятны %2.")
                                .arg(name, options.join(QLatin1String(", ")));
            start.errors = QStringLiteral("dcsim: %1\n").arg(start.problem);
            start.exitStatus = 2;
            return start;
        }
        arguments << QStringLiteral("--%1=%2").arg(name, value);
    }
    return readCommandLine(arguments);
}

} // namespace task
