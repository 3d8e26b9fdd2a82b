// How the program starts on Windows, where no launcher script stands before
// it and a windowed program has no console of its own.
#pragma once

#include <QString>

#include <cstdio>

// Does what the launcher does elsewhere: remembers the folder the program
// was started from in DCSIM_CALLER_DIR (the user's Documents folder when
// that is the program's own folder, as from the Start menu's shortcut),
// then makes the program's folder, where the help documents lie, the
// current one.
void startInProgramFolder();

// Connects standard output and error that were not redirected to the
// console of the command prompt the program was typed into. False when
// there is none to write to (started from a shortcut or Explorer).
bool useParentConsole();

// Writes `text` to `stream` when that is a console, through the console's
// own Unicode output (bytes would be read in the console's code page).
// False for a file or a pipe, which take UTF-8.
bool writeToConsole(std::FILE *stream, const QString &text);
