#include "info/documentopener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace info {

DocumentOpener::Result DocumentOpener::openDocument(const QString &fileName)
{
    return openWithDesktop(fileName);
}

DocumentOpener::Result DocumentOpener::openText(const QString &fileName)
{
#ifdef Q_OS_WIN
    // The editor is looked up on the usual program path, the name is
    // relative to the current directory, and Notepad speaks for itself
    // when the file is missing.
    return startDetached(QStringLiteral("notepad.exe"), {fileName}) ? Result::Opened : Result::Failed;
#else
    return openWithDesktop(fileName);
#endif
}

DocumentOpener::Result DocumentOpener::openWithDesktop(const QString &fileName)
{
    // A desktop handler given a missing file may show an error of its own;
    // the program stays silent instead.
    const QString path = QDir(QDir::currentPath()).absoluteFilePath(fileName);
    if (!QFileInfo::exists(path))
        return Result::Missing;
    return openUrl(QUrl::fromLocalFile(path)) ? Result::Opened : Result::Failed;
}

bool DocumentOpener::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

bool DocumentOpener::startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

} // namespace info
