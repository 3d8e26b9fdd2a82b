#include "app/application.h"

#include "info/abouttext.h"
#include "info/pictures.h"
#include "ui/fonts.h"
#include "ui/language.h"

#include <QApplication>

void setUpApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("dcsim"));
    QCoreApplication::setApplicationVersion(info::programVersion());
    ui::installTranslations();
    if (qobject_cast<QApplication *>(QCoreApplication::instance())) {
#ifdef Q_OS_WASM
        // A web page looks as the window does on a Linux desktop.
        ui::setUpPageFonts();
        QApplication::setStyle(QStringLiteral("Fusion"));
#endif
        QApplication::setWindowIcon(info::windowIcon());
    }
}
