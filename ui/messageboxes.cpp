#include "ui/messageboxes.h"

#include <QMessageBox>

void MessageBoxes::error(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Ошибка"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("errorBox"));
    box.exec();
}

bool MessageBoxes::confirmExit(QWidget *parent)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("На Выход"),
                    QStringLiteral("Вы абсолютно уверены?"), QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setObjectName(QStringLiteral("exitBox"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void MessageBoxes::about(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("О ПРОГРАММЕ"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("aboutBox"));
    // Shown as written, even where a line might look like markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
