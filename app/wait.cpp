// The delay: the caller pauses while the window stays responsive.
#include "app/form1.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

#ifndef Q_OS_WASM

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

void Form1::Wait(double seconds, std::function<void()> then)
{
    Wait(seconds);
    if (!m_quitting)
        then();
}

void Form1::Timer1_Timer()
{
    Timer1->stop();
    Timer1->setInterval(0);
    for (QEventLoop *loop : std::as_const(m_waits))
        loop->quit();
}

#else

// A web page gives the browser back its thread after every handler: what
// follows a wait runs at the timer's tick instead. A wait started inside
// another restarts the count, and both end at its tick, the inner one first,
// as on the desktop.

void Form1::Wait(double seconds)
{
    Wait(seconds, {});
}

void Form1::Wait(double seconds, std::function<void()> then)
{
    const double ms = std::nearbyint(seconds * 1000.0);
    if (!(ms > 0)) {
        if (then)
            then();
        return;
    }
    Timer1->start(static_cast<int>(std::min<double>(ms, INT_MAX)));
    m_afterWaits.append(std::move(then));
}

void Form1::Timer1_Timer()
{
    Timer1->stop();
    Timer1->setInterval(0);
    const QList<std::function<void()>> after = std::exchange(m_afterWaits, {});
    for (auto then = after.crbegin(); then != after.crend(); ++then)
        if (*then)
            (*then)();
}

#endif
