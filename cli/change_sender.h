#pragma once

#include "cli/config_change.h"
#include "cli/session.h"

#include <optional>
#include <string>
#include <vector>

namespace linknode {

// The configuration command is sent as SAVE CONFIGURATION sends it: ten times, 0.2 s apart,
// broadcast, the device named by its MAC inside.
constexpr int configurationRepeats = 10;
constexpr double configurationSpacing = 0.2;
// How long a device has to report the new values.
constexpr double confirmSeconds = 10.0;

struct SendOutcome {
    std::optional<DeviceEntry> confirmed; // the device as it reports itself afterwards
    std::vector<std::string> differing; // otherwise what it did not report as planned
};

// Sends a planned change, then the Wiegand format and the login by unicast to the device's
// (new) address, and a reset of that device alone if asked; then asks until the device reports
// every planned value or the time is up.
SendOutcome sendChange(
    Session& session, const ConfigRequest& request, const PlannedChange& plan, bool reset);

// "linknode: MAC not confirmed within 10 s: ..." with a line end.
QString unconfirmedText(const MacBytes& mac, const SendOutcome& outcome);

} // namespace linknode
