#include "app/form1.h"
#include "info/pictures.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dcsim"));
    // Every window of the program carries the circuit pictogram.
    QApplication::setWindowIcon(info::windowIcon());

    // The program speaks Russian whatever the desktop's language, down to
    // the buttons of its message boxes and the boxes' context menus.
    QTranslator qtRussian;
    if (qtRussian.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtRussian);

    Form1 window;
    window.show();
    return QApplication::exec();
}
