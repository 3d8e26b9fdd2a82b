// The texts of the About box and of the Authors window.
#pragma once

#include <QString>

namespace info {

// Twelve lines joined by CR LF, none after the last: what the program does,
// its versions and its (absent) registration.
QString aboutText();

// The program's version, "1.0": the one the build gives the project.
QString programVersion();

// Six lines joined by CR LF, none after the last; the first five are padded
// with spaces to 36 characters each.
QString authorsText();

// Width of each of the first five lines of the Authors text.
inline constexpr int AuthorsLineWidth = 36;

} // namespace info
