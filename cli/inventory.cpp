#include "cli/inventory.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <map>

namespace linknode {

namespace {
    const QString formatName = QStringLiteral("linknode-inventory");
    constexpr int formatVersion = 1;
    const QString macKey = QStringLiteral("mac");

    bool compared(const QString& field)
    {
        return field != QLatin1String("interface") && field != QLatin1String("flags")
            && field != QLatin1String("record");
    }

    std::map<QString, QJsonObject> byMac(const std::vector<QJsonObject>& devices)
    {
        std::map<QString, QJsonObject> map;
        for (const QJsonObject& device : devices)
            map[device.value(macKey).toString()] = device;
        return map;
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
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
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
        if (device.value(macKey).toString().isEmpty()
            || !device.value(QStringLiteral("record")).isString()) {
            *problem = QStringLiteral("an inventory device without a MAC or record");
            return std::nullopt;
        }
        devices.push_back(device);
    }
    return devices;
}

std::optional<std::vector<QJsonObject>> readInventory(const QString& path, QString* problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = file.errorString();
        return std::nullopt;
    }
    return parseInventory(file.readAll(), problem);
}

InventoryDiff diffInventory(
    const std::vector<QJsonObject>& saved, const std::vector<QJsonObject>& live)
{
    InventoryDiff diff;
    const auto before = byMac(saved);
    const auto now = byMac(live);
    for (const auto& [mac, device] : now)
        if (!before.contains(mac))
            diff.added << mac;
    for (const auto& [mac, old] : before) {
        const auto found = now.find(mac);
        if (found == now.end()) {
            diff.missing << mac;
            continue;
        }
        DeviceChange change { mac, {} };
        QStringList fields = old.keys();
        for (const QString& field : found->second.keys())
            if (!fields.contains(field))
                fields << field;
        for (const QString& field : fields) {
            const QString was = old.value(field).toString();
            const QString is = found->second.value(field).toString();
            if (compared(field) && was != is)
                change.fields.push_back({ field, was, is });
        }
        if (!change.fields.empty())
            diff.changed.push_back(std::move(change));
    }
    return diff;
}

QString diffText(const InventoryDiff& diff)
{
    QString text;
    for (const QString& mac : diff.added)
        text += QStringLiteral("new      %1\n").arg(mac);
    for (const QString& mac : diff.missing)
        text += QStringLiteral("missing  %1\n").arg(mac);
    for (const DeviceChange& change : diff.changed)
        for (const FieldChange& field : change.fields)
            text += QStringLiteral("changed  %1  %2: \"%3\" -> \"%4\"\n")
                        .arg(change.mac, field.field, field.before, field.after);
    return text;
}

} // namespace linknode
