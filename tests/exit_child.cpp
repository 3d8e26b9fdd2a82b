// A program with the real main window that answers the real exit question
// with Yes, to see the process end with status 0. The scenario is its argument:
// "idle", "wait" (during the fit's delay) or "authors" (Authors window open).
#include "tests/testsupport.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString scenario = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("idle");
    Form1 w;
    w.show();
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box && box->windowTitle() == QStringLiteral("На Выход")) {
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
