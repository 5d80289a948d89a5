#include "fleet/inventory.h"

#include "core/json_text.h"
#include "core/latin1.h"

#include <QJsonArray>
#include <QJsonDocument>
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

    std::map<std::string, QJsonObject> byMac(const std::vector<QJsonObject>& devices)
    {
        std::map<std::string, QJsonObject> map;
        for (const QJsonObject& device : devices)
            map[macKey(toBytes(device.value(macField).toString()))] = device;
        return map;
    }

    DeviceResult result(const QJsonObject& device, DeviceStatus status)
    {
        return { device.value(macField).toString(), status, {}, {} };
    }
}

QByteArray inventoryJson(const std::vector<DeviceEntry>& entries)
{
    QJsonArray devices;
    for (const DeviceEntry& entry : entries) {
        QJsonObject device;
        for (const auto& [name, value] : detailRow(entry))
            device.insert(name, value);
        devices.append(device);
    }
    const QJsonObject root { { QStringLiteral("format"), formatName },
        { QStringLiteral("version"), formatVersion }, { QStringLiteral("devices"), devices } };
    return jsonText(QJsonDocument(root), QJsonDocument::Indented);
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
    const std::vector<QJsonObject>& saved, const std::vector<QJsonObject>& live)
{
    std::vector<DeviceResult> results;
    const auto before = byMac(saved);
    const auto now = byMac(live);
    for (const auto& [mac, device] : now)
        if (!before.contains(mac))
            results.push_back(result(device, DeviceStatus::New));
    for (const auto& [mac, old] : before)
        if (!now.contains(mac))
            results.push_back(result(old, DeviceStatus::Missing));
    for (const auto& [mac, old] : before) {
        const auto found = now.find(mac);
        if (found == now.end())
            continue;
        DeviceResult changed = result(found->second, DeviceStatus::Changed);
        changed.changes = fieldChanges(old, found->second);
        if (!changed.changes.empty())
            results.push_back(std::move(changed));
    }
    return results;
}

} // namespace linknode
