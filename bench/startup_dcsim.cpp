// The simulator started as its main() starts it, ended at the first painted
// frame of its main window at design size.
#include "app/application.h"
#include "app/form1.h"
#include "bench/firstframe.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication();
    Form1 window;
    bench::showAndWaitForFirstFrame(window);
    bench::reportFrame(argc, argv);
    return 0;
}
