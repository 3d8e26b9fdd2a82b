#include "app/application.h"
#include "app/form1.h"
#include "task/commandline.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>
#include <cstdio>

#ifdef Q_OS_WIN
#include "app/windowsstart.h"
#endif
#ifdef Q_OS_WASM
#include "app/webstart.h"
#endif

#ifndef Q_OS_WASM
namespace {

void print(std::FILE *stream, const QString &text)
{
#ifdef Q_OS_WIN
    if (writeToConsole(stream, text))
        return;
#endif
    std::fputs(text.toUtf8().constData(), stream);
}

} // namespace
#endif

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    startInProgramFolder();
#endif
    // Options are read before the window's application object exists: the
    // zoom must be known by then, and help, version and answers need no
    // display at all.
    task::Start start;
#ifdef Q_OS_WASM
    if (!qEnvironmentVariableIsEmpty("DCSIM_LINK")) {
        // In a web page the link's parameters stand for the command line.
        QCoreApplication link(argc, argv);
        setUpApplication();
        start = readPageLink();
    }
#else
    if (argc > 1) {
        bool seen = true; // what is printed reaches the user
#ifdef Q_OS_WIN
        seen = useParentConsole();
#endif
        {
            QCoreApplication commandLine(argc, argv);
            setUpApplication();
            start = task::readCommandLine(QCoreApplication::arguments());
        }
        if (seen || (start.output.isEmpty() && start.errors.isEmpty())) {
            print(stdout, start.output);
            print(stderr, start.errors);
        } else {
            // Started without a console, as from a shortcut: what it would
            // print is shown in a message box instead.
            QApplication app(argc, argv);
            setUpApplication();
            QMessageBox::information(nullptr, QStringLiteral("dcsim"), start.output + start.errors);
        }
        if (start.exitStatus)
            return *start.exitStatus;
    }
#endif
    if (start.zoom > 0)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(start.zoom));

    QApplication app(argc, argv);
    setUpApplication();

#ifdef Q_OS_WASM
    showInPage(std::move(start));
    return QApplication::exec();
#else
    Form1 window(nullptr, &start.task);
    if (start.zoom > 0) {
        // Enlarged, the window moves from its usual place as far as it must
        // to stay on the screen, its top-left corner first.
        const QRect screen = window.screen()->availableGeometry();
        QRect placed = window.geometry();
        placed.moveLeft(std::max(screen.left(), std::min(placed.left(), screen.right() + 1 - placed.width())));
        placed.moveTop(std::max(screen.top(), std::min(placed.top(), screen.bottom() + 1 - placed.height())));
        window.setGeometry(placed);
    }
    window.show();
    return QApplication::exec();
#endif
}
