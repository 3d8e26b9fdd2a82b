// The leading-number rule: how a parameter box's text is read as a number.
#pragma once

#include <string_view>

namespace circuit {

// The leading-number rule of the parameter boxes: the longest leading part of
// the text that reads as a decimal number is taken, the rest is ignored.
// Blanks (space, tab, line feed) are skipped wherever they stand in it; an
// optional sign, digits with at most one "." (only "." whatever the locale)
// and an optional exponent ("1e3", "1E-2", "2e+1") make the number. A text
// without such a part gives 0. A magnitude too large for a double gives
// +-infinity; the caller decides what to do with it.
double leadingNumber(std::string_view text);

} // namespace circuit
