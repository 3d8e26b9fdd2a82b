// The program's start as main() makes it, the command line read first (with
// --lang), then the window; prints the window's title and the parameter
// panel's heading, or what the command line printed, and its status.
#include "app/application.h"
#include "app/form1.h"
#include "task/commandline.h"

#include <QApplication>
#include <QLabel>

#include <cstdio>

int main(int argc, char *argv[])
{
    {
        QCoreApplication commandLine(argc, argv);
        setUpApplication();
        const task::Start start = task::readCommandLine(QCoreApplication::arguments());
        std::fputs((start.output + start.errors).toUtf8().constData(), stdout);
        if (start.exitStatus)
            return *start.exitStatus;
    }
    QApplication app(argc, argv);
    setUpApplication();
    const Form1 window;
    std::printf("%s\n%s\n", qPrintable(window.windowTitle()),
                qPrintable(window.findChild<QLabel *>(QStringLiteral("Lblnazvan"))->text()));
}
