#pragma once

#include <QString>
#include <vector>

// What became of one device in a run: its status and the fields that changed.
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
    Planned, // a check of a run: would be changed, nothing sent
    Parked, // left on a spare address on the way to its own: `address` holds it
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
    int wave = 0; // the wave of a run of many devices it changed in, from 1; 0: none
    QString address = {}; // parked: the spare it holds
};

// How many of `devices` have `status`.
int countOf(const std::vector<DeviceResult>& devices, DeviceStatus status);

} // namespace linknode
