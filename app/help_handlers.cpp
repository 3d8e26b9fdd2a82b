// The help menus: the documents beside the program, the About box and the
// Authors window.
#include "app/form1.h"

#include "info/abouttext.h"
#include "info/documentopener.h"
#include "info/form2.h"
#include "info/placement.h"
#include "ui/messageboxes.h"

#include <QLabel>

// The four documents: a missing file or one no application takes shows
// nothing, and the window stays as it was.
void Form1::mnuFileSpravka1_Click()
{
    info::openDocument(QStringLiteral("spravka1.pdf"));
}

void Form1::mnuFileSpravka2_Click()
{
    info::openDocument(QStringLiteral("spravka2.pdf"));
}

void Form1::mnuFilesHistory_Click()
{
    info::openDocument(QStringLiteral("history.pdf"));
}

void Form1::mnuHelpUprav_Click()
{
    info::openDocument(QStringLiteral("uprav.pdf"));
}

void Form1::mnuHelpInstruction_Click()
{
    // An editor that cannot be started is the one failure worth a word;
    // the window goes on as before.
    if (info::openText(QStringLiteral("instruction.txt")) == info::Opened::Failed)
        m_boxes->error(this, tr("Не удалось запустить текстовый редактор."));
}

void Form1::mnuHelpAbout_Click()
{
    m_boxes->about(this, info::aboutText());
}

void Form1::mnuHelpAvtors_Click()
{
    // A closed Authors window deletes itself; a hidden one is on its way.
    if (!Form2Window || !Form2Window->isVisible())
        Form2Window = new Form2(); // no owner: it stays apart from Form1
    Form2 *form = Form2Window;
    form->Label1->setText(info::authorsText());
    form->fitLabel1();

    // Outer sizes: before its first showing the window has no frame yet,
    // so it is taken to get the frame that Form1 has.
    QSize outer = form->frameGeometry().size();
    if (!form->isVisible())
        outer = form->size() + (frameGeometry().size() - size());
    form->move(info::centredOn(frameGeometry(), outer));

    form->show();
    form->raise();
    form->activateWindow();
}
