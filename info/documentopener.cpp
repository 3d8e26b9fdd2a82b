#include "info/documentopener.h"

#include "ui/language.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace info {

namespace {

// Whether the document at `path` (relative) is there. In a web page the
// documents lie on the page's site, which the build filled with those it
// lists here.
bool documentExists(const QString &path)
{
#ifdef Q_OS_WASM
    return QStringLiteral(DCSIM_SITE_DOCUMENTS).split(QLatin1Char(',')).contains(path);
#else
    return QFileInfo::exists(path);
#endif
}

// The document in the language the program speaks, where there is one.
QString inLanguage(const QString &fileName)
{
    const QString translated = ui::language() + QLatin1Char('/') + fileName;
    return ui::translated() && documentExists(translated) ? translated : fileName;
}

} // namespace

#ifdef Q_OS_WASM

// A web page opens a document of its site in a new tab of the browser, the
// instruction as a page of its own, which says how its text is encoded.
Opened openDocument(const QString &fileName)
{
    const QString path = inLanguage(fileName);
    if (!documentExists(path))
        return Opened::Missing;
    return QDesktopServices::openUrl(QUrl(path)) ? Opened::Yes : Opened::Failed;
}

Opened openText(const QString &fileName)
{
    return openDocument(QFileInfo(fileName).completeBaseName() + QStringLiteral(".html"));
}

#else

Opened openDocument(const QString &fileName)
{
    // A desktop handler given a missing file may show an error of its own;
    // the program stays silent instead.
    const QString path = QDir(QDir::currentPath()).absoluteFilePath(inLanguage(fileName));
    if (!QFileInfo::exists(path))
        return Opened::Missing;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path)) ? Opened::Yes : Opened::Failed;
}

Opened openText(const QString &fileName)
{
#ifdef Q_OS_WIN
    // The editor is looked up on the usual program path, the name is
    // relative to the current directory, and Notepad speaks for itself
    // when the file is missing.
    const QString name = QDir::toNativeSeparators(inLanguage(fileName));
    return QProcess::startDetached(QStringLiteral("notepad.exe"), {name}) ? Opened::Yes : Opened::Failed;
#else
    return openDocument(fileName);
#endif
}

#endif

} // namespace info
