#pragma once

#include "fleet/device_entry.h"
#include "netid/device_result.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

// The inventory file: every device's decoded fields and whole record as a discovery found
// them, to compare with the site later or to hand a replaced device its old configuration.
namespace linknode {

// {"format": "linknode-inventory", "version": 1, "devices": [ detail rows ]}, handed to
// `write` a device at a time: a list of any length never stands in memory as one document.
// False as soon as `write` returns false.
bool writeInventory(
    const std::vector<DeviceEntry>& entries, const std::function<bool(const QByteArray&)>& write);

// One device as the inventory holds it: its detail row.
QJsonObject inventoryDevice(const DeviceEntry& entry);

// The devices of an inventory file; none, with the reason, when the text is not one this
// tool wrote (not JSON, another format or version, a device without a MAC or record).
std::optional<std::vector<QJsonObject>> parseInventory(const QByteArray& text, QString* problem);

// The fields of two devices' detail objects that differ, in the order of `after`'s fields;
// the MAC (the devices are one by it), the adapter, the flags and the whole record are not
// compared (a changed field already shows in its own decoded value).
std::vector<FieldChange> fieldChanges(const QJsonObject& before, const QJsonObject& after);

// Compares by MAC bytes (see macKey) and field by field: devices new, missing and changed, in
// that order, each group by MAC.
// The live devices' objects are made only for those `saved` holds too.
std::vector<DeviceResult> diffInventory(
    const std::vector<QJsonObject>& saved, const std::vector<DeviceEntry>& live);

} // namespace linknode
