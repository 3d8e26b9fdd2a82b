// The real program in a child process, started as main() starts it: the
// command line first (with --lang), then the window. With DCSIM_LEAVING set
// to a scenario ("idle", "wait": during the fit's delay, "authors": the
// Authors window open) it answers the real exit question Yes, to see the
// process end with status 0. Without it, it prints what the command line
// printed, or the window's title and the parameter panel's heading.
#include "app/application.h"
#include "task/commandline.h"
#include "tests/testsupport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

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
    Form1 w;
    const QString scenario = qEnvironmentVariable("DCSIM_LEAVING");
    if (scenario.isEmpty()) {
        std::printf("%s\n%s\n", qPrintable(w.windowTitle()), qPrintable(w.findChild<QLabel *>("Lblnazvan")->text()));
        return 0;
    }
    w.show();
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box && box->button(QMessageBox::Yes)) { // the exit question, in whatever language
            std::printf("asked\n");
            std::fflush(stdout);
            box->button(QMessageBox::Yes)->click();
        }
    });
    answer.start(20);
    if (scenario == QLatin1String("wait")) {
        const Form1Probe probe{w};
        for (std::size_t n = 1; n <= 10; ++n) {
            probe.s().I_m[n] = 0.05f * n;
            probe.s().U_m[n] = 16 - 20 * probe.s().I_m[n];
        }
        QTimer::singleShot(0, &w, [&w] {
            w.Picture3_Click();
            if (w.findChild<QLineEdit *>(QStringLiteral("txtK"))->isHidden()) // the fit ran on after the exit
                std::printf("returned\n");
        });
    } else if (scenario == QLatin1String("authors")) {
        w.findChild<QAction *>(QStringLiteral("mnuHelpAvtors"))->trigger();
    }
    QTimer::singleShot(300, &w, [&w] { w.close(); });
    return QApplication::exec();
}
