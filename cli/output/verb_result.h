#pragma once

#include "cli/output/console.h"
#include "cli/run/arguments.h"
#include "cli/run/exit_codes.h"
#include "netid/device_result.h"

#include <QString>
#include <optional>
#include <vector>

// What every verb that acts on devices gives back: its exit status, the reason when it
// failed, and a result per device; one path writes it as a table, CSV or a JSON document.
namespace linknode {

struct VerbResult {
    QString verb;
    int exitStatus = ExitSuccess;
    QString error; // why it failed, "" when it did not
    std::vector<DeviceResult> devices;
    std::optional<int> datagrams; // configuration datagrams of a run of many devices
};

// A result of these devices, exit status 0.
VerbResult resultOf(std::vector<DeviceResult> devices);
// A failed result: the status and its reason.
VerbResult failed(const QString& verb, int exitStatus, const QString& error);

// Writes the result in `format` on standard output (table and CSV: one line per changed
// field, or per device without one; JSON: {"verb", "exitStatus", "error", "devices": [{"mac",
// "status", "changes": [{"field", "old", "new"}], "error"}]}, indented), a device at a time,
// the reason on standard error; gives the exit status. `wide`: table cells whole.
int finish(const VerbResult& result, OutputFormat format, bool wide, Console& console);

} // namespace linknode
