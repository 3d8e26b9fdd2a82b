// Opening the help documents that lie beside the program: the PDF documents
// with the desktop's application for them, the instruction text in the
// system's text editor. Nothing here reads a document.
#pragma once

#include <QString>

namespace info {

enum class Opened {
    Yes,     // handed to an application, which now lives on its own
    Missing, // no such file in the current directory; nothing was tried
    Failed,  // no application took it, or the editor could not start
};

// `fileName` is a bare name, resolved against the current directory: the
// document is the one in the folder of the language the program speaks
// ("en/spravka1.pdf") when that folder has it, else the Russian one.
Opened openDocument(const QString &fileName);
// On Windows runs "notepad.exe fileName", which reports a missing file
// itself; elsewhere the desktop's handler for plain text.
Opened openText(const QString &fileName);

} // namespace info
