#include "ui/callerfolder.h"

#include <QDir>

namespace ui {

QString callerFolder()
{
    const QString given = qEnvironmentVariable("DCSIM_CALLER_DIR");
    return given.isEmpty() ? QDir::currentPath() : given;
}

QString fromCallerFolder(const QString &path)
{
    return QDir(callerFolder()).absoluteFilePath(path);
}

} // namespace ui
