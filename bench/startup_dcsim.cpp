// The simulator started as its main() starts it, ended at the first painted
// frame of its main window at design size.
#include "app/form1.h"
#include "bench/firstframe.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dcsim"));
    QTranslator qtRussian;
    if (qtRussian.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtRussian);

    Form1 window;
    bench::showAndWaitForFirstFrame(window);
    bench::reportFrame(argc, argv);
    return 0;
}
