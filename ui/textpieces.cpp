#include "ui/textpieces.h"

#include <algorithm>

namespace ui {

namespace {

bool wordStartsAt(const QString &text, int i)
{
    return !text[i].isSpace() && (i == 0 || text[i - 1].isSpace());
}

} // namespace

TextPiece pieceAt(const QString &text, int offset, QAccessible::TextBoundaryType type)
{
    const int length = static_cast<int>(text.size());
    offset = std::clamp(offset, 0, length);
    switch (type) {
    case QAccessible::CharBoundary:
        return {offset, std::min(offset + 1, length)};
    case QAccessible::WordBoundary: {
        int start = std::min(offset, length - 1);
        while (start > 0 && !wordStartsAt(text, start))
            --start;
        int end = offset + 1;
        while (end < length && !wordStartsAt(text, end))
            ++end;
        return {std::max(start, 0), std::min(end, length)};
    }
    default: // one line: sentence, paragraph, line and the whole text alike
        return {0, length};
    }
}

TextPiece pieceBefore(const QString &text, int offset, QAccessible::TextBoundaryType type)
{
    const TextPiece at = pieceAt(text, offset, type);
    if (at.start == 0)
        return {0, 0};
    return pieceAt(text, at.start - 1, type);
}

TextPiece pieceAfter(const QString &text, int offset, QAccessible::TextBoundaryType type)
{
    const TextPiece at = pieceAt(text, offset, type);
    const int length = static_cast<int>(text.size());
    if (at.end >= length)
        return {length, length};
    return pieceAt(text, at.end, type);
}

} // namespace ui
