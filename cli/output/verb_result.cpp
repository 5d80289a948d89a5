#include "cli/output/verb_result.h"

#include "cli/output/output_format.h"
#include "core/json_text.h"
#include "fleet/device_entry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

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

namespace {
    QJsonObject deviceObject(const DeviceResult& device)
    {
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
        return entry;
    }

    void writeJson(const VerbResult& result, BufferedOutput& output)
    {
        QJsonObject members { { QStringLiteral("verb"), result.verb },
            { QStringLiteral("exitStatus"), result.exitStatus },
            { QStringLiteral("error"), result.error } };
        if (result.datagrams)
            members.insert(QStringLiteral("datagrams"), *result.datagrams);
        writeIndentedJson(
            members, QStringLiteral("devices"), result.devices.size(),
            [&](size_t i) { return deviceObject(result.devices[i]); },
            [&](const QByteArray& text) {
                output.write(QString::fromUtf8(text));
                return true;
            });
    }

    Row resultRow(const DeviceResult& device, const FieldChange& change)
    {
        return Row { { QStringLiteral("mac"), device.mac },
            { QStringLiteral("status"), statusName(device.status) },
            { QStringLiteral("field"), change.field }, { QStringLiteral("old"), change.before },
            { QStringLiteral("new"), change.after }, { QStringLiteral("error"), device.error } };
    }

    // One row per changed field, or one for a device without any, each made when written.
    void writeRows(const VerbResult& result, OutputFormat format, bool wide, BufferedOutput& output)
    {
        std::vector<std::pair<size_t, size_t>> rows; // device, change
        for (size_t d = 0; d < result.devices.size(); ++d) {
            const size_t changes = result.devices[d].changes.size();
            for (size_t c = 0; c < std::max<size_t>(changes, 1); ++c)
                rows.emplace_back(d, c);
        }
        const ListOptions options {
            .fields = {}, .wide = wide, .columns = columnNames(resultRow({}, {}))
        };
        writeList(
            rows.size(),
            [&](size_t i) {
                const DeviceResult& device = result.devices[rows[i].first];
                return resultRow(device,
                    device.changes.empty() ? FieldChange {} : device.changes[rows[i].second]);
            },
            format, [&](const QString& piece) { output.write(piece); }, options);
    }
}

int finish(const VerbResult& result, OutputFormat format, bool wide, Console& console)
{
    {
        BufferedOutput output(console);
        if (format == OutputFormat::Json)
            writeJson(result, output);
        else
            writeRows(result, format, wide, output);
    }
    if (!result.error.isEmpty())
        console.err(QStringLiteral("linknode: ") + result.error + u'\n');
    return result.exitStatus;
}

} // namespace linknode
