#pragma once

#include "cli/arguments.h"
#include "cli/console.h"
#include "cli/exit_codes.h"

#include <QByteArray>
#include <QString>
#include <vector>

// What every verb that acts on devices gives back: its exit status, the reason when it
// failed, and a result per device; one path writes it as a table, CSV or a JSON document.
namespace linknode {

enum class DeviceStatus {
    Confirmed, // sent, and the device reports the new values
    NotConfirmed, // sent, but the device did not report them in time
    NotTried, // an earlier failure stopped the run before this device
    Unchanged, // already as asked: nothing sent
    Refused, // a value refused before anything was sent
    Sent, // sent; the device has no way to confirm it
    New, // inventory: found now but not saved
    Missing, // inventory: saved but not found now
    Changed, // inventory: found with other values than saved
    Saved, // inventory: written to the file
};
QString statusName(DeviceStatus status);

struct FieldChange {
    QString field, before, after;
};

struct DeviceResult {
    QString mac;
    DeviceStatus status = DeviceStatus::NotTried;
    std::vector<FieldChange> changes;
    QString error;
};

struct VerbResult {
    QString verb;
    int exitStatus = ExitSuccess;
    QString error; // why it failed, "" when it did not
    std::vector<DeviceResult> devices;
};

// A result of these devices, exit status 0.
VerbResult resultOf(std::vector<DeviceResult> devices);
// A failed result: the status and its reason.
VerbResult failed(const QString& verb, int exitStatus, const QString& error);

// {"verb", "exitStatus", "error", "devices": [{"mac", "status", "changes": [{"field", "old",
// "new"}], "error"}]}, indented.
QByteArray resultJson(const VerbResult& result);

// Writes the result in `format` on standard output (table and CSV: one line per changed
// field, or per device without one), the reason on standard error; gives the exit status.
// `wide`: table cells whole.
int finish(const VerbResult& result, OutputFormat format, bool wide, Console& console);

} // namespace linknode
