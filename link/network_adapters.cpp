#include "link/network_adapters.h"

#include <QNetworkInterface>
#include <set>
#include <utility>

namespace linknode {

std::vector<NetworkAdapter> broadcastAdapters(const std::vector<NetworkAdapter>& adapters)
{
    std::vector<NetworkAdapter> chosen;
    std::set<std::pair<quint32, quint32>> subnets;
    for (const NetworkAdapter& adapter : adapters) {
        if (!adapter.up || !adapter.hasBroadcast)
            continue;
        if (subnets.insert({ adapter.address & adapter.netmask, adapter.netmask }).second)
            chosen.push_back(adapter);
    }
    return chosen;
}

std::vector<NetworkAdapter> systemAdapters()
{
    std::vector<NetworkAdapter> adapters;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const QHostAddress address = entry.ip();
            if (address.protocol() != QAbstractSocket::IPv4Protocol)
                continue;
            adapters.push_back({ .index = interface.index(),
                .name = interface.humanReadableName(),
                .address = address.toIPv4Address(),
                .netmask = entry.netmask().toIPv4Address(),
                .up = flags.testFlag(QNetworkInterface::IsUp)
                    && flags.testFlag(QNetworkInterface::IsRunning),
                .hasBroadcast
                = flags.testFlag(QNetworkInterface::CanBroadcast) && !entry.broadcast().isNull() });
        }
    }
    return adapters;
}

QString adapterName(int index)
{
    return index > 0 ? QNetworkInterface::interfaceFromIndex(index).humanReadableName() : QString();
}

} // namespace linknode
