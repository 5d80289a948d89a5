#include "core/wait.h"

#include <QEventLoop>
#include <QTimer>

namespace linknode {

void waitWhileEventsRun(const Clock& clock, double seconds)
{
    const double t0 = clock.now();
    for (;;) {
        const double left = seconds - (clock.now() - t0);
        if (clock.aborted_ || left <= 0)
            return;
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(clock.timerMs(left));
        clock.runningWaits_.push_back(&loop);
        loop.exec();
        std::erase(clock.runningWaits_, &loop);
    }
}

void Clock::abortWaits()
{
    aborted_ = true;
    for (QEventLoop* loop : runningWaits_)
        loop->quit();
}

} // namespace linknode
