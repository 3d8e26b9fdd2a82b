// The real program in a child process, started as main() starts it: the
// command line first (with --lang), then the window. With DCSIM_LEAVING set
// to a scenario ("idle", "wait": during the fit's delay, "authors": the
// Authors window open) it answers the real exit question Yes, to see the
// process end with status 0. With DCSIM_ROWS ("100:1 40:2": rheostat
// position and row) it closes the key, records those rows, fits the line,
// prints the meters after the key, each row's texts and k and b, and saves
// the table to DCSIM_TABLE: what the web page must show and save for the
// same actions. Without either, it prints what the command line printed,
// or the window's title and the parameter panel's heading.
#include "app/application.h"
#include "report/exportactions.h"
#include "task/commandline.h"
#include "tests/testsupport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>

#include <cstdio>

int main(int argc, char *argv[])
{
    task::Start start;
    {
        QCoreApplication commandLine(argc, argv);
        setUpApplication();
        start = task::readCommandLine(QCoreApplication::arguments());
        std::fputs((start.output + start.errors).toUtf8().constData(), stdout);
        if (start.exitStatus)
            return *start.exitStatus;
    }
    QApplication app(argc, argv);
    setUpApplication();
    Form1 w(nullptr, &start.task);
    const QString rows = qEnvironmentVariable("DCSIM_ROWS");
    if (!rows.isEmpty()) {
        const Form1Probe probe{w};
        w.Lblvkl_Click();
        std::printf("%s %s\n", qPrintable(w.findChild<QWidget *>("Picture2")->accessibleDescription()),
                    qPrintable(w.findChild<QWidget *>("Picture1")->accessibleDescription()));
        for (const QString &row : rows.split(' ')) {
            w.findChild<QScrollBar *>("HScroll1")->setValue(row.section(':', 0, 0).toInt());
            const int n = row.section(':', 1).toInt();
            probe.record(n);
            std::printf("%s\n", qPrintable(probe.table().rowTexts(std::size_t(n)).join('\t')));
        }
        shortenWait(w);
        w.Picture3_Click();
        std::printf("%s %s\n", qPrintable(w.findChild<QLineEdit *>("txtK")->text()),
                    qPrintable(w.findChild<QLineEdit *>("txtB")->text()));
        return w.findChild<report::ExportActions *>()->writeTable(qEnvironmentVariable("DCSIM_TABLE")) ? 0 : 1;
    }
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
