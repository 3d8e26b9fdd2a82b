// The baseline: an empty Qt Widgets window of the main window's size and
// place, started the same way, ended at its first painted frame.
#include "bench/firstframe.h"

#include <QApplication>
#include <QWidget>

#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    // The driver passes the main window's outer size after the clock.
    const int width = argc > 3 ? std::atoi(argv[2]) : 549;
    const int height = argc > 3 ? std::atoi(argv[3]) : 461;
    window.setGeometry(71, 255, width, height);
    bench::showAndWaitForFirstFrame(window);
    bench::reportFrame(argc, argv);
    return 0;
}
