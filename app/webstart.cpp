#include "app/webstart.h"

#include "app/form1.h"
#include "report/labreport.h"
#include "ui/callerfolder.h"
#include "ui/messageboxes.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include <emscripten.h>
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <memory>

// The page's own texts, translated in this context.
class WebPage
{
    Q_DECLARE_TR_FUNCTIONS(WebPage)
};

namespace {

// The page's one window, kept while the page lives.
std::unique_ptr<Form1> &pageWindow()
{
    static std::unique_ptr<Form1> window;
    return window;
}

// The zoom the link asked for: the scale the application was made with.
double &pageZoom()
{
    static double zoom = 1;
    return zoom;
}

// Leaving or reloading the page would lose the recorded rows.
bool leavingLosesRows()
{
    return pageWindow() && pageWindow()->leavingLosesRows();
}

// What the windows in the page show, as a screen reader would be told it
// on the desktop: each named control that is on screen, with its texts and
// its place in the page's canvas (before the zoom). The browser tests read
// the page through it; a person can too, from the browser's console.
std::string pageControls()
{
    QJsonArray controls;
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()) || !QGuiApplication::primaryScreen())
        return "[]"; // before the windows
    const QPoint origin = QGuiApplication::primaryScreen()->geometry().topLeft();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        QList<QWidget *> widgets = window->findChildren<QWidget *>();
        widgets << window;
        for (QWidget *w : std::as_const(widgets)) {
            if (w->objectName().isEmpty() || !w->isVisible())
                continue;
            QString text;
            if (auto *label = qobject_cast<QLabel *>(w))
                text = label->text();
            else if (auto *box = qobject_cast<QLineEdit *>(w))
                text = box->displayText(); // a hidden value stays hidden
            else if (auto *button = qobject_cast<QAbstractButton *>(w))
                text = button->text();
            else
                text = w->windowTitle();
            const QRect place(w->mapToGlobal(QPoint(0, 0)) - origin, w->size());
            controls.append(QJsonObject{{QStringLiteral("name"), w->objectName()},
                                        {QStringLiteral("window"), window->objectName()},
                                        {QStringLiteral("accessibleName"), w->accessibleName()},
                                        {QStringLiteral("description"), w->accessibleDescription()},
                                        {QStringLiteral("text"), text},
                                        {QStringLiteral("enabled"), w->isEnabled()},
                                        {QStringLiteral("x"), place.x()},
                                        {QStringLiteral("y"), place.y()},
                                        {QStringLiteral("width"), place.width()},
                                        {QStringLiteral("height"), place.height()}});
        }
    }
    return QJsonDocument(controls).toJson(QJsonDocument::Compact).toStdString();
}

EMSCRIPTEN_BINDINGS(dcsim_page)
{
    emscripten::function("dcsimLeavingLosesRows", &leavingLosesRows);
    emscripten::function("dcsimControls", &pageControls);
}

// A page's Qt hands the keyboard to no window once the one that had it
// closes (a message box, the Authors window): the window that had it before
// takes it back, as a desktop's window manager gives it back.
class KeyboardKeeper : public QObject
{
public:
    explicit KeyboardKeeper(QObject *parent) : QObject(parent)
    {
        connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *focus) {
            m_order.removeAll(nullptr);
            if (focus) {
                m_order.removeAll(focus);
                m_order.append(focus);
            }
        });
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // At once: the browser may hand over the next key before any timer.
        if (event->type() == QEvent::Hide && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow())
            giveBack();
        return false;
    }

private:
    void giveBack()
    {
        // A modal box open takes the keyboard itself.
        const QWindow *focus = QGuiApplication::focusWindow();
        if ((focus && focus->isVisible()) || QApplication::activeModalWidget())
            return;
        for (auto window = m_order.crbegin(); window != m_order.crend(); ++window)
            if (*window && (*window)->isVisible())
                return void(QWindowSystemInterface::handleWindowActivated<QWindowSystemInterface::SynchronousDelivery>(
                    *window, Qt::ActiveWindowFocusReason));
    }

    QList<QPointer<QWindow>> m_order; // the windows that had the keyboard, the last one last
};

// The canvas takes the window's outer size in the page's pixels, so that
// the window, which fills its canvas, stands at its designed size; the
// page is named as the window is.
void fitPage(const Form1 &window)
{
    const QSize size = window.frameGeometry().size() * pageZoom();
    emscripten::val document = emscripten::val::global("document");
    emscripten::val canvas = document.call<emscripten::val>("getElementById", std::string("qtcanvas"));
    canvas["style"].set("width", std::to_string(size.width()) + "px");
    canvas["style"].set("height", std::to_string(size.height()) + "px");
    emscripten::val::module_property("qtResizeContainerElement")(canvas);
    document.set("title", window.windowTitle().toStdString());
}

// A task file from the student's disk, then the variant; the window starts
// again with them, once the student agrees to lose the rows recorded.
void openTaskFromDisk()
{
    QFileDialog::getOpenFileContent(WebPage::tr("Задание учителя (*.ini)"),
                                    [](const QString &fileName, const QByteArray &content) {
        Form1 *window = pageWindow().get();
        if (fileName.isEmpty() || !window)
            return;
        auto *dialog = new QInputDialog(window);
        dialog->setObjectName(QStringLiteral("variantDialog"));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        //: Asked after a task file was opened in the browser.
        dialog->setWindowTitle(WebPage::tr("Вариант"));
        dialog->setLabelText(WebPage::tr("Номер варианта в задании «%1»:").arg(fileName));
        dialog->setIntRange(1, 100000);
        dialog->setIntValue(std::max(window->labReport().variant, 1));
        QObject::connect(dialog, &QInputDialog::intValueSelected, window, [fileName, content](int variant) {
            // The file lives in the page's memory under its own name, where
            // the command line would find a relative path.
            const QString path = QDir(ui::callerFolder()).filePath(QFileInfo(fileName).fileName());
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
                return;
            file.close();
            const task::Start start = task::readCommandLine(
                {QStringLiteral("dcsim"), QStringLiteral("--task=") + path,
                 QStringLiteral("--variant=") + QString::number(variant)});
            auto replace = [start] { QTimer::singleShot(0, qApp, [start] { showInPage(start); }); };
            if (!leavingLosesRows())
                return replace();
            // The exit question: the rows go with the window.
            MessageBoxes().askExitThen(pageWindow().get(), replace);
        });
        dialog->open();
    });
}

} // namespace

task::Start readPageLink()
{
    const QString query = qEnvironmentVariable("DCSIM_LINK");
    const QString taskName = qEnvironmentVariable("DCSIM_TASK_NAME");
    if (!taskName.isEmpty()) {
        // Written where --task finds it, a relative name from the current folder.
        const QString path = QDir(ui::callerFolder()).absoluteFilePath(taskName);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray::fromBase64(qgetenv("DCSIM_TASK_BYTES")));
    }
    task::Start start = query.isEmpty() ? task::Start() : task::readLink(query);
    if (start.zoom > 0)
        pageZoom() = start.zoom;
    return start;
}

void showInPage(task::Start start)
{
    // A problem with the link leaves the usual start; one with the task
    // file, its usual values.
    const QString problem = !start.problem.isEmpty() ? start.problem : start.task.error;
    if (!start.problem.isEmpty())
        start.task = task::Task();
    start.task.error.clear();

    std::unique_ptr<Form1> &window = pageWindow();
    window.reset(); // the Authors window goes with it
    window = std::make_unique<Form1>(nullptr, &start.task);
    fitPage(*window);
    window->show();
    // Told once the window has taken its place, over which the box stands.
    if (!problem.isEmpty())
        QTimer::singleShot(0, window.get(), [form = window.get(), problem] { MessageBoxes().error(form, problem); });

    auto *menu = window->findChild<QMenu *>(QStringLiteral("mnuFile"));
    menu->addSeparator();
    //: In the browser: a teacher's task file from the student's disk.
    QAction *open = menu->addAction(WebPage::tr("Открыть задание…"));
    open->setObjectName(QStringLiteral("mnuFileOpenTask"));
    QObject::connect(open, &QAction::triggered, open, &openTaskFromDisk);

    // Once for the page: the keyboard kept in it, and the browser's own
    // question before the page is left or reloaded while rows are recorded
    // (the window cannot ask once it is going).
    static bool once = false;
    if (once)
        return;
    once = true;
    // The program lives as long as its page, whatever windows are open: a
    // window replaced by another is no reason to end.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    new KeyboardKeeper(qApp);
    EM_ASM({
        window.addEventListener('beforeunload', function(event) {
            if (Module.dcsimLeavingLosesRows()) {
                event.preventDefault();
                event.returnValue = 'rows';
            }
        });
    });
}
