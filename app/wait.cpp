// The delay: the caller pauses while the window stays responsive.
#include "app/form1.h"

#include <QEventLoop>
#include <QTimer>

#include <climits>
#include <cmath>

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
