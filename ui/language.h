// The language the program speaks, and the translations that make it.
//
// The texts are written in Russian, the program's own language. Every
// other language it ships is a translation compiled into it, found here as
// :/i18n/dcsim_<code>.qm (see i18n/). The language is the one asked for
// with --lang; else the first language of the desktop's list (LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG, as Qt reads them) that the program ships; else
// Russian, in a C or POSIX environment too. Qt's own texts (the buttons of
// message boxes, the file and print dialogs, the command line's help)
// follow through Qt's translations, qtbase_<code>.qm; English, Qt's own
// language, needs none.
#pragma once

#include <QString>
#include <QStringList>

namespace ui {

// The codes of the languages the program ships, Russian first: "ru", "en".
QStringList shippedLanguages();

// The first of `wanted`, names such as QLocale::uiLanguages() lists
// ("de-DE", "en-Latn-GB", "C"), whose language the program ships; "ru"
// when there is none.
QString firstShipped(const QStringList &wanted);

// From now on the program speaks `code` (--lang), in the present
// application object too. False, changing nothing, for a language the
// program does not ship.
bool useLanguage(const QString &code);

// The language in use: the one whose translations were installed last (the
// one given to useLanguage(), else the desktop's); Russian, the texts as
// written, before any were.
QString language();

// Whether the texts are translated: the language in use is not Russian.
bool translated();

// Installs the translations of the language asked for, else of the
// desktop's, into the present application object, in place of any installed
// before. Called for every application object, before its first text is made.
void installTranslations();

// The folders where Qt's own translations are looked for, in order.
QStringList qtTranslationFolders();

} // namespace ui
