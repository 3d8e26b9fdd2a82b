#include "ui/announcer.h"

#include "ui/accessible.h"

#include <QAccessibleWidget>
#include <QTimer>

namespace ui {

namespace {

// What a screen reader speaks as it appears.
struct NotificationAccessible : QAccessibleWidget {
    explicit NotificationAccessible(Announcer *a) : QAccessibleWidget(a, QAccessible::Notification) {}
};

} // namespace

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    installAccessible<Announcer, NotificationAccessible>();
    setObjectName(QStringLiteral("announcer"));
    //: What a screen reader calls the program's one-off messages.
    setAccessibleName(tr("Сообщение"));
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString &message)
{
    if (m_pending.isEmpty())
        QTimer::singleShot(0, this, &Announcer::tell);
    m_pending << message;
}

void Announcer::tell()
{
    setAccessibleName(m_pending.join(QStringLiteral(". ")));
    m_pending.clear();
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace ui
