#pragma once

#include "cli/run/verb_support.h"
#include "fleet/site_file.h"
#include "fleet/wave_engine.h"

#include <string>
#include <vector>

namespace linknode {

struct FleetRunOptions {
    bool check = false; // plan only, send nothing
    bool strict = false; // a device of the file that does not answer refuses the whole run
    std::vector<std::string> spares;
    EngineOptions engine;
};

// Brings the devices of `entries` to their written values: one discovery, the comparison
// field by field, every change checked and the waves planned before the first datagram, then
// the waves run and confirmed. Devices already as written get nothing. Exit 0 when every
// device is confirmed or unchanged, 3 when some are not, 2 when the entries are refused.
VerbResult runFleet(
    VerbRun& run, const std::vector<SiteEntry>& entries, const FleetRunOptions& options);

} // namespace linknode
