#pragma once

#include "cli/output/verb_result.h"
#include "cli/run/session.h"
#include "fleet/config_change.h"
#include "netid/config_repetition.h"

#include <optional>
#include <string>
#include <vector>

namespace linknode {

// How long a device has to report the new values.
constexpr double confirmSeconds = 10.0;

struct SendOutcome {
    std::optional<DeviceEntry> confirmed; // the device as it reports itself afterwards
    std::vector<FieldChange> differing; // otherwise what it did not report (none: no reply)
    QString refused; // the send the system refused, which stopped the change
};

// How a planned change is sent: the configuration command `repetitions` times (10, or 50 with
// the bypass), then a reset of the device if asked.
struct SendSteps {
    int repetitions = configurationRepetitions(false);
    bool reset = false;
};

// Sends a planned change as SAVE CONFIGURATION sends it, broadcast 0.2 s apart, the device
// named by its MAC inside; then the Wiegand format and the login by unicast to the device's
// (new) address, and the reset of that device alone; then asks until the device reports
// every planned value or the time is up. A send the system refuses ends it at once.
SendOutcome sendChange(
    Session& session, const ConfigRequest& request, const PlannedChange& plan, SendSteps steps);

// One device's whole change, as set and replace make it: refused (exit 2, nothing sent) when
// the plan is, unchanged when the device already holds every planned value and no reset is
// asked, otherwise sent and confirmed (exit 3 when not, 1 when a send was refused).
VerbResult changeOne(Session& session, Console& console, const std::string& record,
    const ConfigRequest& request, const PlannedChange& plan, SendSteps steps);

// What sendChange would send, one line per datagram in hexadecimal
// ("configuration x10 to 255.255.255.255: feff01...").
QString dryRunText(const PlannedChange& plan, SendSteps steps);

// The device's result: confirmed with the fields changed (`changes`), or not confirmed with
// what it still reports otherwise, or the refused send.
DeviceResult changeResult(
    const MacBytes& mac, const std::vector<FieldChange>& changes, const SendOutcome& outcome);

} // namespace linknode
