#include "info/documentopener.h"

#include "ui/language.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace info {

namespace {

// The document in the language the program speaks, where there is one.
QString inLanguage(const QString &fileName)
{
    const QString translated = ui::language() + QLatin1Char('/') + fileName;
    return ui::translated() && QFileInfo::exists(translated) ? translated : fileName;
}

} // namespace

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

} // namespace info
