// The circuit key's click area: a transparent label over the drawn blade.
// It takes no keyboard focus, but assistive technology sees it as a button
// named after its tooltip that can be pressed.
#pragma once

#include <QLabel>

class KeyLabel : public QLabel
{
    Q_OBJECT
public:
    explicit KeyLabel(QWidget *parent = nullptr);

    // Makes key labels known to assistive technology. Called once by the application.
    static void installAccessibility();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
