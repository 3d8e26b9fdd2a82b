// A program with the real main window that answers the real exit question
// with Yes, to see the process end with status 0. The scenario is its argument:
// "idle", "wait" (during the fit's delay) or "authors" (Authors window open).
#include "app/form1.h"
#include "graphs/graphs.h"

#include <QApplication>
#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

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
        w.Lblvkl_Click();
        for (int n = 1; n <= 10; ++n) {
            w.s.RR = float(10 * n);
            w.s.I = 0.05 * n;
            w.s.U = 16 - 20 * w.s.I;
            w.graphs->N_S_Click(n);
        }
        QTimer::singleShot(0, &w, [&w] {
            w.Picture3_Click();
            if (w.txtK->isHidden()) // the fit ran on after the exit
                std::printf("returned\n");
        });
    } else if (scenario == QLatin1String("authors")) {
        w.mnuHelpAvtors->trigger();
    }
    QTimer::singleShot(300, &w, [&w] { w.close(); });
    return QApplication::exec();
}
