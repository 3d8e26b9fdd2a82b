#include "graphs/canvasaccessible.h"

#include "graphs/canvas.h"
#include "ui/accessible.h"

#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QCoreApplication>

namespace graphs {

namespace {

class CanvasAccessible : public QAccessibleWidget
{
public:
    explicit CanvasAccessible(Canvas *canvas) : QAccessibleWidget(canvas, canvas->accessibleRole()) {}

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (canvas()->isClickable())
            names.prepend(pressAction());
        if (canvas()->contextMenuPolicy() == Qt::CustomContextMenu)
            names.append(showMenuAction());
        return names;
    }
    void doAction(const QString &name) override
    {
        // The click runs once the caller has its answer: the line fit waits
        // ten seconds, and a screen reader must not be kept waiting with it.
        if (name == pressAction() && canvas()->isClickable()) {
            QMetaObject::invokeMethod(canvas(), &Canvas::clicked, Qt::QueuedConnection);
        } else if (name == showMenuAction() && canvas()->contextMenuPolicy() == Qt::CustomContextMenu) {
            // As the Menu key would: the menu opens at the canvas's middle.
            const QPoint middle = canvas()->rect().center();
            QCoreApplication::postEvent(canvas(), new QContextMenuEvent(QContextMenuEvent::Keyboard, middle,
                                                                        canvas()->mapToGlobal(middle)));
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

private:
    Canvas *canvas() const { return static_cast<Canvas *>(widget()); }
};

} // namespace

void installCanvasAccessibility()
{
    ui::installAccessible<Canvas, CanvasAccessible>();
}

} // namespace graphs
