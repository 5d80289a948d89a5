#include "fleet/inventory.h"

#include "config/device_record.h"
#include "core/json_text.h"
#include "core/latin1.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <map>

namespace linknode {

namespace {
    const QString formatName = QStringLiteral("linknode-inventory");
    constexpr int formatVersion = 1;
    const QString macField = QStringLiteral("mac");

    bool compared(const QString& field)
    {
        return field != macField && field != QLatin1String("interface")
            && field != QLatin1String("flags") && field != QLatin1String("record");
    }

    QString macOf(const QJsonObject& device)
    {
        return device.value(macField).toString();
    }
}

QJsonObject inventoryDevice(const DeviceEntry& entry)
{
    QJsonObject device;
    for (const auto& [name, value] : detailRow(entry))
        device.insert(name, value);
    return device;
}

bool writeInventory(
    const std::vector<DeviceEntry>& entries, const std::function<bool(const QByteArray&)>& write)
{
    return writeIndentedJson(
        { { QStringLiteral("format"), formatName }, { QStringLiteral("version"), formatVersion } },
        QStringLiteral("devices"), entries.size(),
        [&](size_t i) { return inventoryDevice(entries[i]); }, write);
}

std::optional<std::vector<QJsonObject>> parseInventory(const QByteArray& text, QString* problem)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    const QJsonObject root = document.object();
    if (error.error != QJsonParseError::NoError || !document.isObject()
        || root.value(QStringLiteral("format")).toString() != formatName
        || root.value(QStringLiteral("version")).toInt() != formatVersion
        || !root.value(QStringLiteral("devices")).isArray()) {
        *problem = QStringLiteral("not an inventory file written by linknode");
        return std::nullopt;
    }
    std::vector<QJsonObject> devices;
    for (const QJsonValue& value : root.value(QStringLiteral("devices")).toArray()) {
        const QJsonObject device = value.toObject();
        if (device.value(macField).toString().isEmpty()
            || !device.value(QStringLiteral("record")).isString()) {
            *problem = QStringLiteral("an inventory device without a MAC or record");
            return std::nullopt;
        }
        devices.push_back(device);
    }
    return devices;
}

std::vector<FieldChange> fieldChanges(const QJsonObject& before, const QJsonObject& after)
{
    std::vector<FieldChange> changes;
    QStringList fields = before.keys();
    for (const QString& field : after.keys())
        if (!fields.contains(field))
            fields << field;
    for (const QString& field : fields) {
        const QString was = before.value(field).toString();
        const QString is = after.value(field).toString();
        if (compared(field) && was != is)
            changes.push_back({ field, was, is });
    }
    return changes;
}

std::vector<DeviceResult> diffInventory(
    const std::vector<QJsonObject>& saved, const std::vector<DeviceEntry>& live)
{
    std::map<std::string, const QJsonObject*> before;
    for (const QJsonObject& device : saved)
        before[macKey(toBytes(macOf(device)))] = &device;
    // Maps only as large as the saved file: the live list may be a flood's.
    std::map<std::string, const DeviceEntry*> kept;
    std::vector<std::pair<std::string, const DeviceEntry*>> added;
    added.reserve(live.size());
    for (const DeviceEntry& entry : live) {
        std::string mac = macKey(recordField(entry.record, FLD_MAC));
        if (before.contains(mac))
            kept[std::move(mac)] = &entry;
        else
            added.emplace_back(std::move(mac), &entry);
    }
    std::sort(added.begin(), added.end());
    std::vector<DeviceResult> results;
    results.reserve(added.size() + before.size());
    for (const auto& [mac, entry] : added)
        results.push_back(
            { toText(recordField(entry->record, FLD_MAC)), DeviceStatus::New, {}, {} });
    for (const auto& [mac, old] : before)
        if (!kept.contains(mac))
            results.push_back({ macOf(*old), DeviceStatus::Missing, {}, {} });
    for (const auto& [mac, entry] : kept) {
        const QJsonObject device = inventoryDevice(*entry);
        DeviceResult changed { macOf(device), DeviceStatus::Changed, {}, {} };
        changed.changes = fieldChanges(*before[mac], device);
        if (!changed.changes.empty())
            results.push_back(std::move(changed));
    }
    return results;
}

} // namespace linknode
