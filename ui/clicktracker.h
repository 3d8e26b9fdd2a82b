// What counts as a click on a control that is not a button: the left button
// pressed on it and let go over it, as a push button counts it.
#pragma once

#include <QMouseEvent>
#include <QWidget>

namespace ui {

class ClickTracker
{
public:
    void press(const QMouseEvent &event)
    {
        if (event.button() == Qt::LeftButton)
            m_pressed = true;
    }
    // Whether this release ends a click on `widget`.
    bool release(const QMouseEvent &event, const QWidget &widget)
    {
        const bool click = m_pressed && event.button() == Qt::LeftButton &&
                           widget.rect().contains(event.position().toPoint());
        m_pressed = false;
        return click;
    }

private:
    bool m_pressed = false;
};

} // namespace ui
