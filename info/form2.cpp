#include "form2.h"

#include "controls.h"

#include <QLabel>

Form2::Form2(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Авторы"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(222, 297);

    Image1 = new QLabel(this);
    Image1->setGeometry(32, 8, 150, 180);
    graphs::nameControl(Image1, QStringLiteral("Image1"), {});

    Label1 = new QLabel(QStringLiteral("Label1"), this);
    Label1->setGeometry(8, 200, 209, 81);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    graphs::nameControl(Label1, QStringLiteral("Label1"), {});
}
