#include "cli/device_entry.h"

#include "commands/serial_codes.h"
#include "config/device_record.h"
#include "config/model_identity.h"
#include "core/latin1.h"
#include "link/ipv4.h"

#include <QJsonArray>
#include <algorithm>
#include <map>

namespace linknode {

namespace {
    std::optional<quint32> addressValue(std::string_view text)
    {
        const auto octets = parseIPv4(text);
        if (!octets)
            return std::nullopt;
        return toHostAddress(*octets).toIPv4Address();
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

    QString field(const DeviceEntry& entry, RecordField which)
    {
        return toText(recordField(entry.record, which));
    }

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

std::vector<DeviceEntry> flaggedEntries(
    const std::vector<Reply>& replies, const std::vector<NetworkAdapter>& adapters)
{
    std::map<std::string, std::vector<std::string>> macsByAddress;
    for (const Reply& reply : replies)
        macsByAddress[recordField(reply.record, FLD_IP)].push_back(
            recordField(reply.record, FLD_MAC));

    std::vector<DeviceEntry> entries;
    for (const Reply& reply : replies) {
        DeviceEntry entry { reply.record, reply.interface, {} };
        const std::string ip = recordField(reply.record, FLD_IP);
        const auto& macs = macsByAddress[ip];
        const std::string mac = recordField(reply.record, FLD_MAC);
        if (!ip.empty()
            && std::any_of(macs.begin(), macs.end(), [&](const auto& m) { return m != mac; }))
            entry.flags << QStringLiteral("duplicate-ip");
        if (offSubnet(reply, adapters))
            entry.flags << QStringLiteral("off-subnet");
        if (isEncrypted(reply.record))
            entry.flags << QStringLiteral("encrypted");
        if (oldFirmware(reply.record, firmwareVersion(reply.record).number))
            entry.flags << QStringLiteral("old-firmware");
        entries.push_back(std::move(entry));
    }
    return entries;
}

void sortByAddress(std::vector<DeviceEntry>& entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        const auto left = addressValue(recordField(a.record, FLD_IP));
        const auto right = addressValue(recordField(b.record, FLD_IP));
        if (left.has_value() != right.has_value())
            return left.has_value();
        return left && *left < *right;
    });
}

Row summaryRow(const DeviceEntry& entry)
{
    const FirmwareVersion version = firmwareVersion(entry.record);
    return {
        { QStringLiteral("mac"), field(entry, FLD_MAC) },
        { QStringLiteral("ip"), field(entry, FLD_IP) },
        { QStringLiteral("mask"), field(entry, FLD_MASK) },
        { QStringLiteral("gateway"), field(entry, FLD_GATE) },
        { QStringLiteral("model"), trimmedRight(toText(modelCaption(entry.record))) },
        { QStringLiteral("firmware"),
            version.earliest ? QStringLiteral("1.0A") : toText(version.text) },
        { QStringLiteral("mode"), modeText(entry.record) },
        { QStringLiteral("hostIp"), field(entry, FLD_HOST_IP) },
        { QStringLiteral("hostPort"), field(entry, FLD_HOST_PORT) },
        { QStringLiteral("options"), field(entry, FLD_OPTIONS) },
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
            { QStringLiteral("bauds"), field(entry, FLD_BAUDS) },
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
            { QStringLiteral("login"),
                toText(shownLogin(loginCaretForm(recordField(entry.record, FLD_LOGIN)))) },
        });
    return row;
}

} // namespace linknode
