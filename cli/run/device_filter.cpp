#include "cli/run/device_filter.h"

#include "config/device_record.h"
#include "config/model_identity.h"
#include "core/latin1.h"
#include "link/ipv4.h"

#include <QHostAddress>

namespace linknode {

std::optional<DeviceFilter> parseFilter(
    const QString& model, const QString& subnet, const QStringList& flags, QString* problem)
{
    DeviceFilter filter { .model = model, .subnet = std::nullopt, .flags = {} };
    if (!subnet.isEmpty()) {
        const auto [network, length] = QHostAddress::parseSubnet(subnet);
        if (network.protocol() != QAbstractSocket::IPv4Protocol || length < 0) {
            *problem = QStringLiteral("--subnet \"%1\" is not an IPv4 subnet such as 10.1.0.0/16")
                           .arg(subnet);
            return std::nullopt;
        }
        const quint32 mask = length == 0 ? 0 : ~quint32 {} << (32 - length);
        filter.subnet = std::pair { network.toIPv4Address() & mask, mask };
    }
    static const QStringList known { QStringLiteral("duplicate-ip"), QStringLiteral("off-subnet"),
        QStringLiteral("encrypted"), QStringLiteral("old-firmware"), QStringLiteral("record-cut") };
    for (const QString& flag : flags) {
        if (!known.contains(flag)) {
            *problem = QStringLiteral("--flag \"%1\" is not one of %2")
                           .arg(flag, known.join(QStringLiteral(", ")));
            return std::nullopt;
        }
        filter.flags << flag;
    }
    return filter;
}

bool matches(const DeviceFilter& filter, const DeviceEntry& entry)
{
    if (!filter.model.isEmpty()
        && !toText(modelCaption(entry.record)).contains(filter.model, Qt::CaseInsensitive))
        return false;
    if (filter.subnet) {
        const auto octets = parseIPv4(recordField(entry.record, FLD_IP));
        if (!octets)
            return false;
        const quint32 address = toHostAddress(*octets).toIPv4Address();
        if ((address & filter.subnet->second) != filter.subnet->first)
            return false;
    }
    for (const QString& flag : filter.flags)
        if (!entry.flags.contains(flag))
            return false;
    return true;
}

} // namespace linknode
