#include "app/keylabel.h"

#include "ui/accessible.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QShortcut>

KeyLabel::KeyLabel(QWidget *parent) : QLabel(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    auto *shortcut = new QShortcut(QKeySequence(Shortcut), this);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    connect(shortcut, &QShortcut::activated, this, &KeyLabel::click);
}

void KeyLabel::mousePressEvent(QMouseEvent *event)
{
    m_click.press(*event);
    QLabel::mousePressEvent(event);
}

void KeyLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_click.release(*event, *this))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void KeyLabel::setClosed(bool closed)
{
    if (closed == m_closed)
        return;
    m_closed = closed;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void KeyLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

namespace {

class KeyAccessible : public QAccessibleWidget
{
public:
    // A check box: Qt has no toggle button to offer a screen reader.
    explicit KeyAccessible(KeyLabel *key) : QAccessibleWidget(key, QAccessible::CheckBox) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = static_cast<KeyLabel *>(widget())->isClosed();
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction())
            static_cast<KeyLabel *>(widget())->click();
    }
    QStringList keyBindingsForAction(const QString &name) const override
    {
        if (name != pressAction())
            return {};
        return {QKeySequence(KeyLabel::Shortcut).toString(QKeySequence::NativeText)};
    }
};

} // namespace

void KeyLabel::installAccessibility()
{
    ui::installAccessible<KeyLabel, KeyAccessible>();
}
