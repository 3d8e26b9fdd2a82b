#include "app/application.h"

#include "info/abouttext.h"
#include "info/pictures.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void setUpApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("dcsim"));
    QCoreApplication::setApplicationVersion(info::programVersion());
    static QTranslator qtRussian;
    static const bool loaded = qtRussian.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                                              QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded)
        QCoreApplication::installTranslator(&qtRussian);
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QApplication::setWindowIcon(info::windowIcon());
}
