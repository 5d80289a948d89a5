#pragma once

#include <QElapsedTimer>
#include <vector>

class QEventLoop;

namespace linknode {

class Clock;
void waitWhileEventsRun(const Clock& clock, double seconds);

// Monotonic seconds for waits and the activity stamp. A clock never runs backwards, so a
// cycle across midnight ends like any other. Tests run it faster (speed > 1) so long
// sequences take a moment, and may start it anywhere (start).
class Clock {
public:
    explicit Clock(double speed = 1.0, double start = 0.0);

    double now() const;
    // Real milliseconds a timer must run for `seconds` of this clock to pass.
    int timerMs(double seconds) const;
    double speed() const { return speed_; }

    // Ends every wait running on this clock and makes later ones return at once: called
    // when the window closes, so sequences in progress stop instead of running on.
    void abortWaits();
    bool waitsAborted() const { return aborted_; }

private:
    friend void waitWhileEventsRun(const Clock& clock, double seconds);

    QElapsedTimer elapsed_;
    double speed_;
    double start_;
    bool aborted_ = false;
    mutable std::vector<QEventLoop*> runningWaits_;
};

} // namespace linknode
