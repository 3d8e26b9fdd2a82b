#include "ui/naming.h"

#include <QWidget>

namespace ui {

void nameControl(QWidget *w, const QString &name, const QString &tooltip, const QString &caption)
{
    w->setObjectName(name);
    if (!tooltip.isEmpty())
        w->setToolTip(tooltip);
    QString accessible = tooltip;
    if (accessible.isEmpty()) {
        accessible = caption;
        accessible.remove(QLatin1Char('&'));
    }
    if (!accessible.isEmpty())
        w->setAccessibleName(accessible);
}

void describe(QWidget *w, const QString &description)
{
    if (w->accessibleDescription() != description)
        w->setAccessibleDescription(description);
}

void showInName(QWidget *w, const QString &name, const QString &shown)
{
    const QString full = shown.isEmpty() ? name : name + QStringLiteral(": ") + shown;
    if (w->accessibleName() != full)
        w->setAccessibleName(full);
    describe(w, shown);
}

} // namespace ui
