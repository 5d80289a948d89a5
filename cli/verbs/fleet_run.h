#pragma once

#include "cli/run/verb_support.h"
#include "fleet/fleet_plan.h"
#include "fleet/site_file.h"
#include "netid/wave_engine.h"

#include <string>
#include <vector>

namespace linknode {

struct FleetRunOptions {
    QString verb = QStringLiteral("apply"); // the verb whose result this is
    bool check = false; // plan only, send nothing
    bool nameRefusedEntry = true; // a refusal names the entry of the file it is about
    FleetPlanOptions plan;
    EngineOptions engine;
};

// The devices as a discovery finds them, asked again (up to `rounds` in all) while devices of
// `entries` are missing: a reply lost on the way would leave its device out of the run and its
// address looking free.
std::vector<DeviceEntry> discoverSite(
    Session& session, const std::vector<SiteEntry>& entries, int rounds);

struct FleetOutcome {
    VerbResult result;
    int retries = 0; // waves sent again
};

// A run whose plan is refused: its reason, and the device it is about where there is one.
VerbResult refusedRun(const FleetPlan& plan, const FleetRunOptions& options);

// Brings the devices of `entries` to their written values, `found` being the devices as one
// discovery found them: the comparison field by field, every change checked and the waves
// planned before the first datagram, then the waves run and confirmed. Devices already as
// written get nothing. Exit 0 when every device is confirmed or unchanged, 3 when some are
// not, 2 when the entries are refused.
FleetOutcome runFleet(VerbRun& run, const std::vector<DeviceEntry>& found,
    const std::vector<SiteEntry>& entries, const FleetRunOptions& options);

} // namespace linknode
