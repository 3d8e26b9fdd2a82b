// One-off messages for a screen reader, whatever has the keyboard focus:
// "Строка 3: ...", "Ключ замкнут", the readings after the rheostat moved.
//
// A screen reader speaks a notification object as it appears. The announcer
// is such an object that never shows on screen: it takes the message as its
// name and says it has appeared. Messages given while one event is handled
// are joined and told once, when the event loop comes back, so that none
// hides another.
#pragma once

#include <QStringList>
#include <QWidget>

namespace ui {

class Announcer : public QWidget
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &message);
    // The last message told, for whoever reviews the window.
    QString lastMessage() const { return accessibleName(); }

private:
    void tell();

    QStringList m_pending;
};

} // namespace ui
