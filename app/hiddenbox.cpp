#include "app/hiddenbox.h"

#include <QAccessibleWidget>
#include <QLineEdit>

namespace {

const char *const Hidden = "hiddenValue";

// Qt's own interface of a line edit would hand out its text: in the events
// of a change and through editing, which works even on a read-only box.
class HiddenBoxAccessible : public QAccessibleWidget
{
public:
    explicit HiddenBoxAccessible(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.passwordEdit = true;
        s.readOnly = true;
        return s;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? static_cast<QLineEdit *>(widget())->displayText()
                                       : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *hiddenBoxFactory(const QString &, QObject *object)
{
    auto *box = qobject_cast<QLineEdit *>(object);
    return box && box->property(Hidden).toBool() ? new HiddenBoxAccessible(box) : nullptr;
}

} // namespace

void hideValue(QLineEdit *box)
{
    static const bool installed = (QAccessible::installFactory(hiddenBoxFactory), true);
    Q_UNUSED(installed);
    box->setProperty(Hidden, true);
    box->setEchoMode(QLineEdit::Password);
    box->setReadOnly(true);
    // An interface made before the box was hidden would still read it.
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(box);
    if (made && !dynamic_cast<HiddenBoxAccessible *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}
