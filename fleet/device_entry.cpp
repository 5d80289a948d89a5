#include "fleet/device_entry.h"

#include "commands/serial_codes.h"
#include "config/device_record.h"
#include "config/device_settings.h"
#include "config/model_identity.h"
#include "core/latin1.h"
#include "fleet/device_values.h"
#include "link/ipv4.h"

#include <QJsonArray>
#include <algorithm>

namespace linknode {

namespace {
    std::optional<quint32> addressValue(std::string_view text)
    {
        const auto octets = parseIPv4(text);
        if (!octets)
            return std::nullopt;
        return quint32((*octets)[0]) << 24 | quint32((*octets)[1]) << 16
            | quint32((*octets)[2]) << 8 | (*octets)[3];
    }

    bool offSubnet(const Reply& reply, const std::vector<NetworkAdapter>& adapters)
    {
        if (reply.interface.isEmpty())
            return false;
        const auto device = addressValue(recordField(reply.record, FLD_IP));
        bool adapterKnown = false;
        for (const NetworkAdapter& adapter : adapters) {
            if (adapter.name != reply.interface)
                continue;
            adapterKnown = true;
            if (device && (*device & adapter.netmask) == (adapter.address & adapter.netmask))
                return false;
        }
        return adapterKnown;
    }

    // The record's fields, each trimmed as recordField gives it: split once for a row rather
    // than searched again for every column.
    class Fields {
    public:
        explicit Fields(std::string_view record)
        {
            for (size_t start = 0;;) {
                const size_t comma = record.find(',', start);
                fields_.push_back(trimBlanks(record.substr(start, comma - start)));
                if (comma == std::string_view::npos)
                    break;
                start = comma + 1;
            }
        }
        QString operator[](RecordField which) const
        {
            return which < static_cast<int>(fields_.size()) ? toText(fields_[which]) : QString();
        }

    private:
        std::vector<std::string_view> fields_;
    };

    QString modeText(const std::string& record)
    {
        const std::string mode = recordField(record, FLD_MODE);
        if (mode.empty())
            return {};
        return socketMode(mode) == 0 ? QStringLiteral("server") : QStringLiteral("client");
    }

    QString trimmedRight(QString text)
    {
        while (text.endsWith(u' '))
            text.chop(1);
        return text;
    }
}

std::string macKey(std::string_view text)
{
    const auto bytes = strictMac(text);
    return bytes ? macText(*bytes) : std::string(text);
}

std::vector<DeviceEntry> flaggedEntries(
    std::vector<Reply> replies, const std::vector<NetworkAdapter>& adapters)
{
    // Replies grouped by address: a group with two MACs is a duplicate address. Sorted
    // rather than hashed, so tens of thousands of replies cost no allocation each.
    struct Holder {
        std::string ip, mac;
        size_t index;
    };
    std::vector<Holder> holders;
    holders.reserve(replies.size());
    for (size_t i = 0; i < replies.size(); ++i)
        holders.push_back({ recordField(replies[i].record, FLD_IP),
            macKey(recordField(replies[i].record, FLD_MAC)), i });
    std::sort(holders.begin(), holders.end(),
        [](const Holder& a, const Holder& b) { return a.ip < b.ip; });
    std::vector<bool> duplicate(replies.size(), false);
    for (size_t first = 0; first < holders.size();) {
        size_t end = first + 1;
        bool several = false;
        for (; end < holders.size() && holders[end].ip == holders[first].ip; ++end)
            several = several || holders[end].mac != holders[first].mac;
        for (size_t i = first; i < end; ++i)
            duplicate[holders[i].index] = several && !holders[first].ip.empty();
        first = end;
    }
    holders = {};

    std::vector<QStringList> flags(replies.size());
    for (size_t i = 0; i < replies.size(); ++i) {
        const Reply& reply = replies[i];
        if (duplicate[i])
            flags[i] << QStringLiteral("duplicate-ip");
        if (offSubnet(reply, adapters))
            flags[i] << QStringLiteral("off-subnet");
        if (isEncrypted(reply.record))
            flags[i] << QStringLiteral("encrypted");
        if (oldFirmware(reply.record, firmwareVersion(reply.record).number))
            flags[i] << QStringLiteral("old-firmware");
        if (reply.cut)
            flags[i] << QStringLiteral("record-cut");
    }
    std::vector<DeviceEntry> entries;
    entries.reserve(replies.size());
    for (size_t i = 0; i < replies.size(); ++i)
        entries.push_back(DeviceEntry {
            std::move(replies[i].record), std::move(replies[i].interface), std::move(flags[i]) });
    return entries;
}

void sortByAddress(std::vector<DeviceEntry>& entries)
{
    // Each address read once, not at every comparison: tens of thousands of entries sort in
    // a few milliseconds. A record without a valid address sorts after every address.
    std::vector<std::pair<quint64, size_t>> keys;
    keys.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const auto address = addressValue(recordField(entries[i].record, FLD_IP));
        keys.emplace_back(address ? *address : quint64(1) << 32, i);
    }
    std::stable_sort(
        keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<DeviceEntry> sorted;
    sorted.reserve(entries.size());
    for (const auto& [key, index] : keys)
        sorted.push_back(std::move(entries[index]));
    entries = std::move(sorted);
}

Row summaryRow(const DeviceEntry& entry)
{
    const FirmwareVersion version = firmwareVersion(entry.record);
    const Fields field(entry.record);
    return {
        { QStringLiteral("mac"), field[FLD_MAC] },
        { QStringLiteral("ip"), field[FLD_IP] },
        { QStringLiteral("mask"), field[FLD_MASK] },
        { QStringLiteral("gateway"), field[FLD_GATE] },
        { QStringLiteral("model"), trimmedRight(toText(modelCaption(entry.record))) },
        { QStringLiteral("firmware"),
            version.earliest ? QStringLiteral("1.0A") : toText(version.text) },
        { QStringLiteral("mode"), modeText(entry.record) },
        { QStringLiteral("hostIp"), field[FLD_HOST_IP] },
        { QStringLiteral("hostPort"), field[FLD_HOST_PORT] },
        { QStringLiteral("options"), field[FLD_OPTIONS] },
        { QStringLiteral("interface"), entry.interface },
        { QStringLiteral("flags"), QJsonArray::fromStringList(entry.flags) },
        { QStringLiteral("record"), toText(entry.record) },
    };
}

Row detailRow(const DeviceEntry& entry)
{
    Row row = summaryRow(entry);
    const int parity = static_cast<int>(leadingNumber(recordField(entry.record, FLD_PARITY)));
    const std::string parityField = recordField(entry.record, FLD_PARITY);
    const std::string dataBits = recordField(entry.record, FLD_DATABITS);
    const auto record = std::prev(row.end());
    row.insert(record,
        {
            { QStringLiteral("bauds"), Fields(entry.record)[FLD_BAUDS] },
            { QStringLiteral("parity"),
                parityField.empty() ? QString()
                                    : toText(parityWord(parity).value_or(parityField)) },
            { QStringLiteral("stopBits"),
                parityField.empty() ? QString()
                                    : (parity >= 3 ? QStringLiteral("2") : QStringLiteral("1")) },
            { QStringLiteral("dataBits"),
                dataBits.empty()
                    ? QString()
                    : toText(dataBitsText(static_cast<int>(leadingNumber(dataBits)))) },
            { QStringLiteral("wiegand"), toText(wiegandCode(entry.record)) },
            { QStringLiteral("login"), toText(loginCaretForm(loginOf(entry.record))) },
        });
    return row;
}

Row mqttRow(const DeviceEntry& entry)
{
    const MqttItems items = mqttItems(loginCaretForm(loginOf(entry.record)));
    const Fields field(entry.record);
    const auto item = [&](size_t index) { return toText(items[index]); };
    return {
        { QStringLiteral("mqtt.broker"),
            QStringLiteral("%1:%2").arg(field[FLD_HOST_IP], field[FLD_HOST_PORT]) },
        { QStringLiteral("mqtt.topic"), item(0) },
        { QStringLiteral("mqtt.payload"), item(1) },
        { QStringLiteral("mqtt.clientId"), item(2) },
        { QStringLiteral("mqtt.user"), item(3) },
        { QStringLiteral("mqtt.password"), item(4) },
        { QStringLiteral("mqtt.connectTopic"), item(5) },
        { QStringLiteral("mqtt.connectPayload"), item(6) },
    };
}

} // namespace linknode
