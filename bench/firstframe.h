// What the two start-up programs share: showing a window, waiting until its
// first frame is painted and handed to the window system, and telling the
// driver when that was.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace bench {

inline long long monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

// Sees the window being exposed and its own widget being painted.
class FrameWatch : public QObject
{
public:
    explicit FrameWatch(QWidget &w) : m_widget(w) {}
    bool exposed = false;
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && watched == m_widget.windowHandle() &&
            m_widget.windowHandle()->isExposed())
            exposed = true;
        if (event->type() == QEvent::Paint && watched == &m_widget)
            painted = true;
        return false;
    }

private:
    QWidget &m_widget;
};

// Shows the window and returns once the event that painted its first frame
// has been handled completely (painting and flushing are synchronous there).
inline void showAndWaitForFirstFrame(QWidget &w)
{
    FrameWatch watch(w);
    QCoreApplication::instance()->installEventFilter(&watch);
    w.show();
    while (!(watch.exposed && watch.painted))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::instance()->removeEventFilter(&watch);
}

// Prints the time from the driver's start of the process (its monotonic
// clock in nanoseconds, the first argument) to now.
inline void reportFrame(int argc, char **argv)
{
    const long long now = monotonicNs();
    const long long t0 = argc > 1 ? std::atoll(argv[1]) : now;
    std::printf("first_frame_ns %lld\n", now - t0);
    std::fflush(stdout);
}

} // namespace bench
