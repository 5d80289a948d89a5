#include "core/clock.h"

#include <algorithm>
#include <cmath>

namespace linknode {

Clock::Clock(double speed, double start)
    : speed_(speed > 0 ? speed : 1.0)
    , start_(start)
{
    elapsed_.start();
}

double Clock::now() const
{
    return start_ + static_cast<double>(elapsed_.nsecsElapsed()) * 1e-9 * speed_;
}

int Clock::timerMs(double seconds) const
{
    return std::max(0, static_cast<int>(std::ceil(seconds * 1000.0 / speed_)));
}

} // namespace linknode
