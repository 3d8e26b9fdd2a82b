// The web figures' baseline: an empty Qt Widgets window, built with the same
// Qt for WebAssembly, shown in the same page in place of the simulator.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    return QApplication::exec();
}
