#include "task/commandline.h"

#include "ui/callerfolder.h"
#include "ui/language.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace task {

namespace {

constexpr int MaxVariant = 100000;

// The texts' translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

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

} // namespace

Start readCommandLine(const QStringList &arguments)
{
    const std::optional<QString> asked = languageAsked(arguments);
    const bool languageShipped = !asked || ui::useLanguage(*asked);
    const QString languages = ui::shippedLanguages().join(QLatin1String(", "));

    QCommandLineParser parser;
    // Qt's own single-dash options (-platform, -style) stay whole words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(Texts::tr("Моделирование работы электрической цепи постоянного тока.\n"
                                               "Без параметров программа запускается как обычно."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption taskFile(
        QStringLiteral("task"),
        Texts::tr("Файл задания учителя (INI в UTF-8): значения параметров, скрытые параметры, "
                  "диапазоны вариантов, название."),
        //: The value of --task, in the help: "--task <файл>".
        Texts::tr("файл"));
    const QCommandLineOption variant(
        QStringLiteral("variant"),
        Texts::tr("Номер варианта для раздела [random] файла задания, от 1 до %1; по умолчанию 1.")
            .arg(MaxVariant),
        QStringLiteral("N"));
    const QCommandLineOption answers(
        QStringLiteral("answers"),
        //: The printed columns keep their names: "Вариант", E, r, Rv, Ra, Rmax.
        Texts::tr("Напечатать значения параметров вариантов (например, 1-30 или 1,4,7-9) "
                  "по одной строке через табуляцию: вариант, E, r, Rv, Ra, Rmax; окно не открывается."),
        //: The value of --answers, in the help.
        Texts::tr("варианты"));
    const QCommandLineOption zoom(
        QStringLiteral("zoom"),
        Texts::tr("Увеличить окно и всё в нём в указанное число раз, от 1 до 4 (например, 1.5), "
                  "для проектора."),
        //: The value of --zoom, in the help.
        Texts::tr("множитель"));
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        //: %1 the languages the program ships, "ru, en".
        Texts::tr("Язык программы: %1. По умолчанию первый из них в списке языков рабочего стола "
                  "(LANGUAGE, LANG), иначе ru.")
            .arg(languages),
        //: The value of --lang, in the help.
        Texts::tr("язык"));
    parser.addOptions({taskFile, variant, answers, zoom, lang});
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
        start.errors = QStringLiteral("dcsim: %1\n%2\n").arg(message, Texts::tr("Справка: dcsim --help"));
        start.exitStatus = 2;
        return start;
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (!languageShipped)
        return usageError(Texts::tr("--lang: нужен один из языков %1, а не «%2».").arg(languages, *asked));
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
    if (!parser.positionalArguments().isEmpty())
        return usageError(Texts::tr("лишний аргумент «%1».").arg(parser.positionalArguments().first()));
    if (parser.isSet(zoom)) {
        bool ok = false;
        start.zoom = parser.value(zoom).toDouble(&ok);
        if (!ok || !(start.zoom >= 1 && start.zoom <= 4))
            return usageError(Texts::tr("--zoom: нужно число от 1 до 4, например 1.5, а не «%1».")
                                  .arg(parser.value(zoom)));
    }
    int chosen = 1;
    if (parser.isSet(variant)) {
        bool ok = false;
        chosen = parser.value(variant).toInt(&ok);
        if (!ok || chosen < 1 || chosen > MaxVariant)
            return usageError(Texts::tr("--variant: нужен номер варианта от 1 до %1, а не «%2».")
                                  .arg(MaxVariant)
                                  .arg(parser.value(variant)));
    }
    std::optional<QList<int>> listed;
    if (parser.isSet(answers)) {
        listed = variantList(parser.value(answers));
        if (!listed)
            return usageError(Texts::tr("--answers: нужен список вариантов от 1 до %1 вида 1-30 или "
                                        "1,4,7-9, а не «%2».")
                                  .arg(MaxVariant)
                                  .arg(parser.value(answers)));
        if (parser.isSet(variant))
            return usageError(Texts::tr("--answers печатает варианты списком, --variant к нему не нужен."));
    }
    if ((parser.isSet(variant) || listed) && !parser.isSet(taskFile))
        return usageError(Texts::tr("варианты задаются файлом задания: добавьте --task файл."));
    if (!parser.isSet(taskFile))
        return start;

    const QString path = ui::fromCallerFolder(parser.value(taskFile));
    if (!listed) {
        start.task = loadTask(path, chosen);
        return start;
    }
    const ReadResult read = readTaskFile(path);
    if (!read.file) {
        start.errors = QString(read.error).replace(QLatin1String("\r\n"), QLatin1String("\n")) + QLatin1Char('\n');
        start.exitStatus = 1;
        return start;
    }
    // The column names are the same in every language: grading tools read them.
    QString table = QStringLiteral("Вариант\t") + parameterNames().join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (int v : *listed) {
        const auto texts = variantTexts(*read.file, v);
        table += QString::number(v);
        for (const QString &text : texts)
            table += QLatin1Char('\t') + text;
        table += QLatin1Char('\n');
    }
    start.output = table;
    start.exitStatus = 0;
    return start;
}

} // namespace task
