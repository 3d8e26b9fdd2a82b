// Leaving the program, the delay, and the line fit that uses it.
#include "app/form1.h"

#include "app/messageboxes.h"
#include "circuit/fit.h"
#include "graphs/canvas.h"
#include "graphs/graphs.h"
#include "ui/fonts.h"
#include "ui/naming.h"
#include "ui/numbertexts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QLineEdit>
#include <QTimer>

#include <climits>
#include <cmath>

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

void Form1::Wait(double seconds)
{
    // The timer's interval is the state of the delay: positive while it runs,
    // 0 once the tick has come. Setting it again restarts the count, so a
    // wait started inside another ends both at its own tick.
    const double ms = std::nearbyint(seconds * 1000.0);
    if (!(ms > 0) || m_quitting)
        return;
    Timer1->start(ms >= INT_MAX ? INT_MAX : static_cast<int>(ms));
    QEventLoop loop;
    m_waits.append(&loop);
    // The loop sleeps until an event comes; nothing spins meanwhile. Once
    // the application is leaving its event loops, from wherever it was told
    // to, a loop no longer runs at all: the wait ends there.
    while (Timer1->interval() > 0 && !m_quitting)
        if (loop.exec() < 0)
            break;
    m_waits.removeOne(&loop);
    Timer1->stop();
}

void Form1::Timer1_Timer()
{
    Timer1->stop();
    Timer1->setInterval(0);
    for (QEventLoop *loop : std::as_const(m_waits))
        loop->quit();
}

void Form1::Picture3_Click()
{
    const circuit::LineFit fit = circuit::fitLine(s.I_m, s.U_m);
    // All ten currents equal (before any measurement, for one): there is no
    // line to show, and nothing changes.
    if (!fit.defined)
        return;
    s.S_x = fit.S_x;
    s.S_y = fit.S_y;
    s.S_xy = fit.S_xy;
    s.S_x2 = fit.S_x2;
    s.KK = fit.KK;
    s.KB = fit.KB;
    fitSinceReset = true;

    txtK->setText(ui::formatSingle(s.KK, "##00.0000"));
    ui::describe(txtK, txtK->text());
    txtB->setText(ui::formatSingle(s.KB, "##00.0000"));
    ui::describe(txtB, txtB->text());

    graphs::Canvas *Picture3 = graphs->Picture3;
    Picture3->setDrawWidth(2);
    // A level line never meets the current axis; it is not drawn.
    if (s.KK != 0.0f) {
        const float minusKB = -s.KB;
        Picture3->line(0, s.KB, minusKB / s.KK, 0, QColor(255, 0, 0));
    }
    txtK->setVisible(true);
    txtB->setVisible(true);
    announce(txtK->toolTip() + QStringLiteral(": ") + txtK->text() + QStringLiteral("; ") + txtB->toolTip() +
             QStringLiteral(": ") + txtB->text());
    Wait(fitSeconds);
    if (m_quitting)
        return;
    // The focus in k or b goes back where the fit was asked for, rather
    // than on to whatever follows the boxes.
    if (txtK->hasFocus() || txtB->hasFocus())
        Picture3->setFocus();
    txtK->setVisible(false);
    txtB->setVisible(false);
}
