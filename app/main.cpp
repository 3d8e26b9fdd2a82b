#include "app/form1.h"
#include "info/abouttext.h"
#include "info/pictures.h"
#include "task/commandline.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

#include <algorithm>

namespace {

// The program speaks Russian whatever the desktop's language, down to the
// buttons of its message boxes, the boxes' context menus and the words Qt
// adds to the command line's help and errors.
void speakRussian(QTranslator &qtRussian)
{
    QCoreApplication::setApplicationName(QStringLiteral("dcsim"));
    QCoreApplication::setApplicationVersion(info::programVersion());
    if (qtRussian.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtRussian);
}

} // namespace

int main(int argc, char *argv[])
{
    // Options are read before the window's application object exists: the
    // zoom must be known by then, and help, version and answers need no
    // display at all.
    task::Start start;
    if (argc > 1) {
        QCoreApplication commandLine(argc, argv);
        QTranslator qtRussian;
        speakRussian(qtRussian);
        start = task::readCommandLine(QCoreApplication::arguments());
        if (start.exitStatus)
            return *start.exitStatus;
    }
    if (start.zoom > 0)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(start.zoom));

    QApplication app(argc, argv);
    QTranslator qtRussian;
    speakRussian(qtRussian);
    // Every window of the program carries the circuit pictogram.
    QApplication::setWindowIcon(info::windowIcon());

    Form1 window(nullptr, &start.task);
    if (start.zoom > 0) {
        // Enlarged, the window moves from its usual place as far as it must
        // to stay on the screen, its top-left corner first.
        const QRect screen = window.screen()->availableGeometry();
        QRect placed = window.geometry();
        placed.moveLeft(std::max(screen.left(), std::min(placed.left(), screen.right() + 1 - placed.width())));
        placed.moveTop(std::max(screen.top(), std::min(placed.top(), screen.bottom() + 1 - placed.height())));
        window.setGeometry(placed);
    }
    window.show();
    return QApplication::exec();
}
