// Opening the help documents that lie beside the program: the PDF documents
// with the desktop's application for them, the instruction text in the
// system's text editor. Nothing here reads a document.
#pragma once

#include <QString>
#include <QStringList>

class QUrl;

namespace info {

class DocumentOpener
{
public:
    enum class Result {
        Opened,   // handed to an application, which now lives on its own
        Missing,  // no such file in the current directory; nothing was tried
        Failed,   // no application took it, or the editor could not start
    };

    virtual ~DocumentOpener() = default;

    // `fileName` is a bare name, resolved against the current directory.
    Result openDocument(const QString &fileName);
    // On Windows runs "notepad.exe fileName", which reports a missing file
    // itself; elsewhere the desktop's handler for plain text.
    Result openText(const QString &fileName);

protected:
    // The two ways out to the system; tests replace them to watch.
    virtual bool openUrl(const QUrl &url);
    virtual bool startDetached(const QString &program, const QStringList &arguments);

private:
    Result openWithDesktop(const QString &fileName);
};

} // namespace info
