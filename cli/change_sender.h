#pragma once

#include "cli/config_change.h"
#include "cli/session.h"
#include "netid/config_repetition.h"

#include <optional>
#include <string>
#include <vector>

namespace linknode {

// How long a device has to report the new values.
constexpr double confirmSeconds = 10.0;

struct SendOutcome {
    std::optional<DeviceEntry> confirmed; // the device as it reports itself afterwards
    std::vector<std::string> differing; // otherwise what it did not report as planned
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
// every planned value or the time is up.
SendOutcome sendChange(
    Session& session, const ConfigRequest& request, const PlannedChange& plan, SendSteps steps);

// What sendChange would send, one line per datagram in hexadecimal
// ("configuration x10 to 255.255.255.255: feff01...").
QString dryRunText(const PlannedChange& plan, SendSteps steps);

// "linknode: MAC not confirmed within 10 s: ..." with a line end.
QString unconfirmedText(const MacBytes& mac, const SendOutcome& outcome);

} // namespace linknode
