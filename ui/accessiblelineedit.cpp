#include "ui/accessiblelineedit.h"

#include "ui/accessible.h"
#include "ui/textpieces.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace ui {

namespace {

class LineEditAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface
{
public:
    explicit LineEditAccessible(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }
    // What the box shows: its text, or the mask of a box in password mode.
    QString shown() const { return box()->displayText(); }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (t == QAccessible::EditableTextInterface && !box()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return shown();
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t != QAccessible::Value)
            QAccessibleWidget::setText(t, text);
        else if (!box()->isReadOnly())
            box()->setText(text);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box()->isReadOnly();
        state.editable = !box()->isReadOnly();
        state.passwordEdit = box()->echoMode() != QLineEdit::Normal;
        state.selectableText = true;
        return state;
    }

    // Selection and caret.
    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = box()->selectionStart();
            *end = box()->selectionEnd();
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            box()->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            box()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }

    // Text.
    QString text(int start, int end) const override
    {
        const QString all = shown();
        start = std::clamp(start, 0, static_cast<int>(all.size()));
        end = std::clamp(end, start, static_cast<int>(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int *start, int *end) const override
    {
        return answer(pieceBefore(shown(), at(offset), type), start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int *start, int *end) const override
    {
        return answer(pieceAt(shown(), at(offset), type), start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int *start, int *end) const override
    {
        return answer(pieceAfter(shown(), at(offset), type), start, end);
    }
    // One run without attributes over the whole text.
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // Geometry, for a text that fits its box.
    QRect characterRect(int offset) const override
    {
        const QString all = shown();
        if (offset < 0 || offset >= all.size())
            return {};
        const QFontMetrics metrics(box()->font());
        const QRect contents = textArea();
        const QRect r(contents.left() + metrics.horizontalAdvance(all.left(offset)), contents.top(),
                      metrics.horizontalAdvance(all.at(offset)), contents.height());
        return QRect(box()->mapToGlobal(r.topLeft()), r.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override
    {
        box()->setCursorPosition(end);
        box()->setCursorPosition(start);
    }

    // Editing, as typing would, but never in a read-only box.
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        if (box()->isReadOnly() || box()->echoMode() != QLineEdit::Normal)
            return;
        QString all = box()->text();
        start = std::clamp(start, 0, static_cast<int>(all.size()));
        end = std::clamp(end, start, static_cast<int>(all.size()));
        box()->setText(all.replace(start, end - start, text));
    }

private:
    // Offset -2 stands for the caret.
    int at(int offset) const { return offset == -2 ? box()->cursorPosition() : offset; }
    QString answer(TextPiece piece, int *start, int *end) const
    {
        *start = piece.start;
        *end = piece.end;
        return shown().mid(piece.start, piece.end - piece.start);
    }
    QRect textArea() const
    {
        QStyleOptionFrame option;
        option.initFrom(box());
        return box()->style()->subElementRect(QStyle::SE_LineEditContents, &option, box());
    }
};

} // namespace

void installLineEditAccessibility()
{
    installAccessible<QLineEdit, LineEditAccessible>();
}

} // namespace ui
