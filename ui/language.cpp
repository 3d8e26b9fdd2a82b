#include "ui/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

namespace {

const QString Russian = QStringLiteral("ru");
const QString Translations = QStringLiteral(":/i18n");

// The language --lang asked for; empty: the desktop's.
QString &asked()
{
    static QString code;
    return code;
}

// The language whose translations are installed: Russian, the texts as
// written, until they are.
QString &inUse()
{
    static QString code = Russian;
    return code;
}

// The program's translation, and Qt's own for the same language.
QTranslator &programTexts()
{
    static QTranslator translator;
    return translator;
}

QTranslator &qtTexts()
{
    static QTranslator translator;
    return translator;
}

} // namespace

QStringList shippedLanguages()
{
    QStringList codes = {Russian};
    const QString prefix = QStringLiteral("dcsim_"), suffix = QStringLiteral(".qm");
    for (const QString &file : QDir(Translations).entryList({prefix + QLatin1Char('*') + suffix}, QDir::Files))
        codes << file.mid(prefix.size(), file.size() - prefix.size() - suffix.size());
    return codes;
}

QString firstShipped(const QStringList &wanted)
{
    for (const QString &name : wanted) {
        // "C" and names Qt does not know have the language C, never shipped.
        const QString code = QLocale::languageToCode(QLocale(name).language());
        // Each asked for by its file: listing the folder with a pattern costs
        // the start-up a regular expression engine and half a megabyte.
        if (code == Russian || QFile::exists(Translations + QStringLiteral("/dcsim_") + code + QStringLiteral(".qm")))
            return code;
    }
    return Russian;
}

bool useLanguage(const QString &code)
{
    if (!shippedLanguages().contains(code))
        return false;
    asked() = code;
    if (QCoreApplication::instance())
        installTranslations();
    return true;
}

QString language()
{
    return inUse();
}

bool translated()
{
    return language() != Russian;
}

void installTranslations()
{
    QCoreApplication::removeTranslator(&programTexts());
    QCoreApplication::removeTranslator(&qtTexts());
    inUse() = asked().isEmpty() ? firstShipped(QLocale::system().uiLanguages()) : asked();
    const QString code = inUse();
    if (code != Russian && programTexts().load(Translations + QStringLiteral("/dcsim_") + code))
        QCoreApplication::installTranslator(&programTexts());
    if (code == QLatin1String("en"))
        return;
    for (const QString &folder : qtTranslationFolders()) {
        if (qtTexts().load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(&qtTexts());
            return;
        }
    }
}

QStringList qtTranslationFolders()
{
#ifdef Q_OS_WASM
    // In a web page they come inside the program.
    return {QStringLiteral(":/qt-translations")};
#endif
    // Qt's own texts come with Qt, or on Windows with the program.
    return {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
            QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
}

} // namespace ui
