#include "app/hiddenbox.h"

#include <QLineEdit>

void hideValue(QLineEdit *box)
{
    // The program's own accessible interface of a text box reads only the
    // mask of a password box, and edits no read-only one.
    box->setEchoMode(QLineEdit::Password);
    box->setReadOnly(true);
}
