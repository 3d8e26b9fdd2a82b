#include "ui/messageboxes.h"

#include <QMessageBox>
#include <QPointer>

namespace {

// A box with one OK button and no icon.
QMessageBox *makeBox(const QString &title, const QString &text, QWidget *parent, const char *name)
{
    auto *box = new QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

// Shows `box` until it is closed, then runs `then`. The desktop waits for it
// here; a web page cannot, so the box is left open and `then` runs when it
// closes.
void showBox(QMessageBox *box, const std::function<void()> &then)
{
#ifdef Q_OS_WASM
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (then)
        QObject::connect(box, &QDialog::finished, box, [then] { then(); });
    box->open();
#else
    const QPointer<QMessageBox> guard(box); // its parent may go first
    box->exec();
    delete guard.data();
    if (then)
        then();
#endif
}

// "Вы абсолютно уверены?" titled "На Выход", Yes (the default) or No.
QMessageBox *makeExitBox(QWidget *parent)
{
    //: Title of the question asked when the window is closed.
    auto *box = new QMessageBox(QMessageBox::NoIcon, MessageBoxes::tr("На Выход"),
                                MessageBoxes::tr("Вы абсолютно уверены?"), QMessageBox::Yes | QMessageBox::No, parent);
    box->setObjectName(QStringLiteral("exitBox"));
    box->setDefaultButton(QMessageBox::Yes);
    return box;
}

} // namespace

void MessageBoxes::error(QWidget *parent, const QString &text)
{
    //: Title of every error message.
    showBox(makeBox(tr("Ошибка"), text, parent, "errorBox"), {});
}

void MessageBoxes::errorThen(QWidget *parent, const QString &text, std::function<void()> then)
{
#ifdef Q_OS_WASM
    showBox(makeBox(tr("Ошибка"), text, parent, "errorBox"), then);
#else
    error(parent, text);
    then();
#endif
}

bool MessageBoxes::confirmExit(QWidget *parent)
{
#ifdef Q_OS_WASM
    Q_UNUSED(parent);
    return false;
#else
    QMessageBox *box = makeExitBox(parent);
    const QPointer<QMessageBox> guard(box); // its parent may go first
    const bool yes = box->exec() == QMessageBox::Yes;
    delete guard.data();
    return yes;
#endif
}

#ifdef Q_OS_WASM
void MessageBoxes::askExitThen(QWidget *parent, std::function<void()> yes)
{
    QMessageBox *box = makeExitBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QMessageBox::accepted, box, [yes] { yes(); });
    box->open();
}
#endif

void MessageBoxes::about(QWidget *parent, const QString &text)
{
    //: Title of the About box, in capitals.
    QMessageBox *box = makeBox(tr("О ПРОГРАММЕ"), text, parent, "aboutBox");
    // Shown as written, even where a line might look like markup.
    box->setTextFormat(Qt::PlainText);
    showBox(box, {});
}
