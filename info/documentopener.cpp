#include "info/documentopener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace info {

Opened openDocument(const QString &fileName)
{
    // A desktop handler given a missing file may show an error of its own;
    // the program stays silent instead.
    const QString path = QDir(QDir::currentPath()).absoluteFilePath(fileName);
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
    return QProcess::startDetached(QStringLiteral("notepad.exe"), {fileName}) ? Opened::Yes : Opened::Failed;
#else
    return openDocument(fileName);
#endif
}

} // namespace info
