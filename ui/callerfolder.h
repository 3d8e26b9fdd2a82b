// The folder the user started the program from.
//
// Installed, the program runs in the folder of its help documents, so that
// the menus find them by their bare names; its launcher hands the folder it
// was started from in DCSIM_CALLER_DIR. Paths the user gives and the file
// dialogs start from that folder, never from the documents' one.
#pragma once

#include <QString>

namespace ui {

// DCSIM_CALLER_DIR when the launcher set it, else the current directory.
QString callerFolder();

// `path` as the user meant it: a relative path is taken from callerFolder().
QString fromCallerFolder(const QString &path);

} // namespace ui
