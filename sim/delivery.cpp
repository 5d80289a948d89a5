#include "sim/delivery.h"

namespace linknode::sim {

std::vector<size_t> reachedDevices(
    const std::vector<Device>& fleet, const QHostAddress& destination)
{
    std::vector<size_t> reached;
    const bool everyone = destination.isNull() || destination == QHostAddress::Broadcast;
    bool ok = false;
    const quint32 to = destination.toIPv4Address(&ok);
    for (size_t i = 0; i < fleet.size(); ++i) {
        if (everyone) {
            reached.push_back(i);
            continue;
        }
        const auto ip = parseIpv4(fleet[i].ip);
        if (!ok || !ip)
            continue;
        const auto mask = parseIpv4(fleet[i].mask);
        const bool segmentBroadcast = mask && *mask != 0xFFFFFFFFu && to == (*ip | ~*mask);
        if (to == *ip || segmentBroadcast)
            reached.push_back(i);
    }
    return reached;
}

std::vector<size_t> addressedDevices(
    const std::vector<Device>& fleet, const std::vector<size_t>& reached, const Command& command)
{
    std::vector<size_t> named;
    if (command.kind == CommandKind::NetworkConfig) {
        for (const size_t i : reached)
            if (parseMac(fleet[i].mac) == command.config->mac)
                named.push_back(i);
        return named;
    }
    if (command.kind == CommandKind::Reset) {
        // Exact text: a reset whose address carries blanks or another spelling is one the
        // tool got wrong, and shows as reaching nobody.
        for (const size_t i : reached)
            if (fleet[i].ip == command.text)
                named.push_back(i);
        return named;
    }
    return reached;
}

} // namespace linknode::sim
