#include "cli/output/verb_result.h"

#include "cli/output/output_format.h"
#include "core/json_text.h"
#include "fleet/device_entry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace linknode {

VerbResult resultOf(std::vector<DeviceResult> devices)
{
    return VerbResult { .verb = {},
        .exitStatus = ExitSuccess,
        .error = {},
        .devices = std::move(devices),
        .datagrams = {} };
}

VerbResult failed(const QString& verb, int exitStatus, const QString& error)
{
    return VerbResult {
        .verb = verb, .exitStatus = exitStatus, .error = error, .devices = {}, .datagrams = {}
    };
}

QByteArray resultJson(const VerbResult& result)
{
    QJsonArray devices;
    for (const DeviceResult& device : result.devices) {
        QJsonArray changes;
        for (const FieldChange& change : device.changes)
            changes.append(QJsonObject { { QStringLiteral("field"), change.field },
                { QStringLiteral("old"), change.before },
                { QStringLiteral("new"), change.after } });
        QJsonObject entry { { QStringLiteral("mac"), device.mac },
            { QStringLiteral("status"), statusName(device.status) },
            { QStringLiteral("changes"), changes }, { QStringLiteral("error"), device.error } };
        if (device.wave > 0)
            entry.insert(QStringLiteral("wave"), device.wave);
        if (!device.address.isEmpty())
            entry.insert(QStringLiteral("address"), device.address);
        devices.append(entry);
    }
    QJsonObject root { { QStringLiteral("verb"), result.verb },
        { QStringLiteral("exitStatus"), result.exitStatus },
        { QStringLiteral("error"), result.error }, { QStringLiteral("devices"), devices } };
    if (result.datagrams)
        root.insert(QStringLiteral("datagrams"), *result.datagrams);
    return jsonText(QJsonDocument(root), QJsonDocument::Indented);
}

namespace {
    Row resultRow(const DeviceResult& device, const FieldChange& change)
    {
        return Row { { QStringLiteral("mac"), device.mac },
            { QStringLiteral("status"), statusName(device.status) },
            { QStringLiteral("field"), change.field }, { QStringLiteral("old"), change.before },
            { QStringLiteral("new"), change.after }, { QStringLiteral("error"), device.error } };
    }

    // One row per changed field, or one for a device without any.
    std::vector<Row> resultRows(const VerbResult& result)
    {
        std::vector<Row> rows;
        for (const DeviceResult& device : result.devices) {
            if (device.changes.empty())
                rows.push_back(resultRow(device, {}));
            for (const FieldChange& change : device.changes)
                rows.push_back(resultRow(device, change));
        }
        return rows;
    }
}

int finish(const VerbResult& result, OutputFormat format, bool wide, Console& console)
{
    if (format == OutputFormat::Json) {
        console.out(QString::fromUtf8(resultJson(result)));
    } else {
        const std::vector<Row> rows = resultRows(result);
        QString text;
        const ListOptions options {
            .fields = {}, .wide = wide, .columns = columnNames(resultRow({}, {}))
        };
        writeList(
            rows.size(), [&](size_t i) { return rows[i]; }, format,
            [&](const QString& piece) { text += piece; }, options);
        console.out(text);
    }
    if (!result.error.isEmpty())
        console.err(QStringLiteral("linknode: ") + result.error + u'\n');
    return result.exitStatus;
}

} // namespace linknode
