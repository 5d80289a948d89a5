#pragma once

#include "core/refusal.h"
#include "fleet/device_entry.h"
#include "fleet/site_file.h"
#include "netid/device_result.h"
#include "netid/wave_engine.h"

#include <QStringList>
#include <optional>
#include <string>
#include <vector>

// A run of many devices planned before its first datagram: every device of the file compared
// field by field with how a discovery found it, each change checked by the rules of one
// device's change, and the waves planned around the addresses the others hold.
namespace linknode {

struct FleetPlanOptions {
    bool strict = false; // a device of the file that does not answer refuses the whole run
    bool everyField = false; // a device's result lists every value sent, not only the changed
    bool sendUnchanged = false; // a device already as written is sent its values all the same
    std::vector<std::string> spares {};
};

struct FleetPlan {
    Refusal problem; // none: the run may start
    std::optional<DeviceResult> refusedDevice; // the device whose change is refused, if one
    int refusedLine = 0; // and its place in the file
    std::vector<DeviceResult> devices; // one per device of the file, in its order
    std::vector<FleetChange> changes; // the devices to change, in the order of the moves
    std::vector<size_t> resultOfChange; // the entry in `devices` of each change
    WavePlan waves;
    QStringList silent; // the MACs of the file that did not answer
};

// Devices already as written are unchanged; a device that did not answer is not confirmed.
FleetPlan planFleet(const std::vector<DeviceEntry>& found, const std::vector<SiteEntry>& entries,
    const FleetPlanOptions& options);

// One line per planned step: "wave 1  0-80-194-1-2-3  ip 10.0.0.5 -> 10.0.0.6".
QStringList planLines(const FleetPlan& plan);

// The configuration datagrams the plan sends when every device confirms the first time.
int plannedConfigurations(const FleetPlan& plan, int repetitions);

// The devices' results after the engine ran the plan's changes (`results` in their order):
// the wave kept where the engine names none, and every value sent where `everyField` asks.
void takeResults(
    FleetPlan& plan, const std::vector<DeviceResult>& results, const FleetPlanOptions& options);

} // namespace linknode
