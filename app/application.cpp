#include "app/application.h"

#include "info/abouttext.h"
#include "info/pictures.h"
#include "ui/language.h"

#include <QApplication>

void setUpApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("dcsim"));
    QCoreApplication::setApplicationVersion(info::programVersion());
    ui::installTranslations();
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QApplication::setWindowIcon(info::windowIcon());
}
