// Leaving the program: the exit question, then every window and every wait ends.
#include "app/form1.h"

#include "graphs/graphs.h"
#include "graphs/table.h"
#include "ui/messageboxes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QTimer>

void Form1::closeEvent(QCloseEvent *event)
{
    if (m_quitting || m_boxes->confirmExit(this)) {
        event->accept();
        // Every window closes and every running wait ends; the program
        // leaves its event loop with status 0.
        m_quitting = true;
        Timer1->stop();
        for (QEventLoop *loop : std::as_const(m_waits))
            loop->quit();
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w != this)
                w->close();
        QCoreApplication::exit(0);
    } else {
        event->ignore();
    }
}

bool Form1::leavingLosesRows() const
{
    return graphs->table->recordedRows() > 0;
}
