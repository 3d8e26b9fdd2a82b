#include "app/windowsstart.h"

#include <QDir>
#include <QStandardPaths>

#include <windows.h>

#include <cstdio>
#include <io.h>
#include <stdlib.h>

namespace {

// A stream with a handle behind it: the console, a file or a pipe.
bool connected(std::FILE *stream)
{
    const int fd = _fileno(stream);
    return fd >= 0 && _get_osfhandle(fd) >= 0;
}

} // namespace

void startInProgramFolder()
{
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    const QDir program = QFileInfo(QString::fromWCharArray(path.data(), static_cast<int>(length))).absoluteDir();
    if (qEnvironmentVariableIsEmpty("DCSIM_CALLER_DIR")) {
        const QString caller = QDir::current() == program
                                   ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                   : QDir::currentPath();
        // The wide variant keeps letters outside the ANSI code page.
        _wputenv_s(L"DCSIM_CALLER_DIR", reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(caller).utf16()));
    }
    QDir::setCurrent(program.absolutePath());
}

bool useParentConsole()
{
    const bool out = connected(stdout), err = connected(stderr);
    if (out && err)
        return true;
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return false;
    if (!out)
        std::freopen("CONOUT$", "w", stdout);
    if (!err)
        std::freopen("CONOUT$", "w", stderr);
    return true;
}

bool writeToConsole(std::FILE *stream, const QString &text)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (!GetConsoleMode(handle, &mode))
        return false;
    std::fflush(stream);
    DWORD written = 0;
    WriteConsoleW(handle, text.utf16(), static_cast<DWORD>(text.size()), &written, nullptr);
    return true;
}
