#pragma once

#include "cli/device_entry.h"

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
std::optional<std::vector<QJsonObject>> readInventory(const QString& path, QString* problem);

struct FieldChange {
    QString field, before, after;
};
struct DeviceChange {
    QString mac;
    std::vector<FieldChange> fields;
};
struct InventoryDiff {
    QStringList added; // MACs found now but not saved
    QStringList missing; // saved but not found now
    std::vector<DeviceChange> changed;
    bool empty() const { return added.isEmpty() && missing.isEmpty() && changed.empty(); }
};

// Compares by MAC and field by field; the adapter, the flags and the whole record are not
// compared (a changed field already shows in its own decoded value).
InventoryDiff diffInventory(
    const std::vector<QJsonObject>& saved, const std::vector<QJsonObject>& live);
QString diffText(const InventoryDiff& diff);

} // namespace linknode
