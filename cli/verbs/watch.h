#pragma once

#include "cli/output/console.h"
#include "cli/run/device_filter.h"
#include "cli/run/session.h"

#include <string>
#include <vector>

namespace linknode {

struct WatchPlan {
    std::vector<std::string> targets; // as discover's --to
    double wait = 1.0; // each enquiry's least wait
    double every = 5.0; // from one enquiry to the next
    DeviceFilter filter;
};

// Asks again and again until interrupted (SIGINT, SIGTERM), writing one JSON line per event:
// {"event": "new", "time", "mac", "device": {...}} for a device first seen (or back),
// {"event": "changed", "time", "mac", "changes": [{"field", "old", "new"}], "device": {...}},
// {"event": "missing", "time", "mac"} after three enquiries it did not answer. Gives the
// reason it had to stop ("" after an interruption).
QString watchDevices(Session& session, const WatchPlan& plan, Console& console);

} // namespace linknode
