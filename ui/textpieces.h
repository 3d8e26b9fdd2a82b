// The pieces of a line of text that assistive technology asks for: the
// character, word or line at, before or after an offset.
#pragma once

#include <QAccessible>
#include <QString>

namespace ui {

struct TextPiece {
    int start = 0;
    int end = 0; // one past the last character
};

// The piece of `text` around `offset` (0 to the length; outside that, held
// there). A word runs from its first character to the next word's first,
// spaces after it included; a sentence, paragraph or line is the whole text.
// Every answer is found in one pass over the text.
TextPiece pieceAt(const QString &text, int offset, QAccessible::TextBoundaryType type);
// The piece just before the one at `offset`, and just after it; empty at
// the ends of the text.
TextPiece pieceBefore(const QString &text, int offset, QAccessible::TextBoundaryType type);
TextPiece pieceAfter(const QString &text, int offset, QAccessible::TextBoundaryType type);

} // namespace ui
