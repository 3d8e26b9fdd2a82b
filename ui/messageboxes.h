// The program's modal message boxes, behind one seam so that tests can
// answer them.
#pragma once

#include <QCoreApplication>

#include <functional>

class QString;
class QWidget;

class MessageBoxes
{
    Q_DECLARE_TR_FUNCTIONS(MessageBoxes)

public:
    virtual ~MessageBoxes() = default;

    // "Ошибка" with one OK button and no icon; returns when it is closed.
    // In a web page, which cannot wait inside a handler, it returns at once
    // and the box stays until it is closed.
    virtual void error(QWidget *parent, const QString &text);
    // The error, then `then` once the box is closed: on the desktop when
    // error() returns, in a web page when its OK is pressed.
    void errorThen(QWidget *parent, const QString &text, std::function<void()> then);
    // "Вы абсолютно уверены?" titled "На Выход", Yes (the default) or No;
    // true for Yes. A web page's window cannot be closed: the page asks its
    // own question before it is left, and this one answers No.
    virtual bool confirmExit(QWidget *parent);
#ifdef Q_OS_WASM
    // The same question left open in a web page: `yes` runs if it is
    // answered Yes.
    void askExitThen(QWidget *parent, std::function<void()> yes);
#endif
    // `text` titled "О ПРОГРАММЕ", one OK button and no icon; returns when
    // it is closed.
    virtual void about(QWidget *parent, const QString &text);
};
