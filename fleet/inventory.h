#pragma once

#include "fleet/device_entry.h"
#include "netid/device_result.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>
#include <vector>

// The inventory file: every device's decoded fields and whole record as a discovery found
// them, to compare with the site later or to hand a replaced device its old configuration.
namespace linknode {

// {"format": "linknode-inventory", "version": 1, "devices": [ detail rows ]}
QByteArray inventoryJson(const std::vector<DeviceEntry>& entries);

// The devices of an inventory file; none, with the reason, when the text is not one this
// tool wrote (not JSON, another format or version, a device without a MAC or record).
std::optional<std::vector<QJsonObject>> parseInventory(const QByteArray& text, QString* problem);

// The fields of two devices' detail objects that differ, in the order of `after`'s fields;
// the MAC (the devices are one by it), the adapter, the flags and the whole record are not
// compared (a changed field already shows in its own decoded value).
std::vector<FieldChange> fieldChanges(const QJsonObject& before, const QJsonObject& after);

// Compares by MAC bytes (see macKey) and field by field: devices new, missing and changed, in
// that order, each group by MAC.
std::vector<DeviceResult> diffInventory(
    const std::vector<QJsonObject>& saved, const std::vector<QJsonObject>& live);

} // namespace linknode
