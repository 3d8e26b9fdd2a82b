// Having assistive technology see the widgets of one class through an
// interface of the program's own.
#pragma once

#include <QAccessible>

namespace ui {

// From now on a widget of class `Widget` is seen through an `Interface` made
// from it. Installed once, however often it is asked for.
template <class Widget, class Interface>
void installAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &className, QObject *object) -> QAccessibleInterface * {
            if (className != QLatin1String(Widget::staticMetaObject.className()) || !object || !object->isWidgetType())
                return nullptr;
            return new Interface(static_cast<Widget *>(object));
        });
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace ui
