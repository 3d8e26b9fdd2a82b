// The circuit key's click area: a transparent label over the drawn blade.
// It takes no keyboard focus; its shortcut works from anywhere in the window,
// and assistive technology sees it as a check box named after its tooltip
// that can be pressed.
#pragma once

#include "ui/clicktracker.h"

#include <QLabel>

class KeyLabel : public QLabel
{
    Q_OBJECT
public:
    explicit KeyLabel(QWidget *parent = nullptr);

    // F2 opens and closes the key from anywhere in its window, in any
    // keyboard layout, exactly as a click does.
    static constexpr int Shortcut = Qt::Key_F2;

    // Clicks the key, as the mouse, the shortcut and assistive technology do.
    void click() { emit clicked(); }

    // Whether the blade is drawn closed; assistive technology sees the key
    // as a check box, checked while closed, and hears of every change.
    void setClosed(bool closed);
    bool isClosed() const { return m_closed; }

    // Makes key labels known to assistive technology. Called once by the application.
    static void installAccessibility();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // The second press of a double-click is no click of its own.
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    ui::ClickTracker m_click;
    bool m_closed = false;
};
