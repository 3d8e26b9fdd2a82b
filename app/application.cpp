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
    // Qt's own texts come with Qt, or on Windows with the program.
    static QTranslator qtRussian;
    static const bool loaded = [] {
        for (const QString &folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                      QCoreApplication::applicationDirPath() + QStringLiteral("/translations")})
            if (qtRussian.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"), folder))
                return true;
        return false;
    }();
    if (loaded)
        QCoreApplication::installTranslator(&qtRussian);
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QApplication::setWindowIcon(info::windowIcon());
}
