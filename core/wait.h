#pragma once

#include "core/clock.h"

namespace linknode {

// Waits `seconds` of `clock` while events (arrivals, timer ticks, clicks) keep running.
// Sleeps in a nested event loop: no CPU is spent while nothing happens. Returns at once
// once the clock's waits are aborted (the window is closing).
void waitWhileEventsRun(const Clock& clock, double seconds);

// The same wait under the name the window's handlers know it by.
inline void DELAIS_EVT(const Clock& clock, double seconds)
{
    waitWhileEventsRun(clock, seconds);
}

} // namespace linknode
