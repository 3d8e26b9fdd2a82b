#include "ui/messageboxes.h"

#include <QMessageBox>

void MessageBoxes::error(QWidget *parent, const QString &text)
{
    //: Title of every error message.
    QMessageBox box(QMessageBox::NoIcon, tr("Ошибка"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("errorBox"));
    box.exec();
}

bool MessageBoxes::confirmExit(QWidget *parent)
{
    //: Title of the question asked when the window is closed.
    QMessageBox box(QMessageBox::NoIcon, tr("На Выход"), tr("Вы абсолютно уверены?"),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("exitBox"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void MessageBoxes::about(QWidget *parent, const QString &text)
{
    //: Title of the About box, in capitals.
    QMessageBox box(QMessageBox::NoIcon, tr("О ПРОГРАММЕ"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("aboutBox"));
    // Shown as written, even where a line might look like markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
