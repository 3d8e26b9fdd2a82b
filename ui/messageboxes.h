// The program's modal message boxes, behind one seam so that tests can
// answer them.
#pragma once

#include <QCoreApplication>

class QString;
class QWidget;

class MessageBoxes
{
    Q_DECLARE_TR_FUNCTIONS(MessageBoxes)

public:
    virtual ~MessageBoxes() = default;

    // "Ошибка" with one OK button and no icon; returns when it is closed.
    virtual void error(QWidget *parent, const QString &text);
    // "Вы абсолютно уверены?" titled "На Выход", Yes (the default) or No;
    // true for Yes.
    virtual bool confirmExit(QWidget *parent);
    // `text` titled "О ПРОГРАММЕ", one OK button and no icon; returns when
    // it is closed.
    virtual void about(QWidget *parent, const QString &text);
};
