#include "sim/delivery.h"

#include <numeric>

namespace linknode::sim {

std::vector<size_t> reachedDevices(
    const std::vector<Device>& fleet, const QHostAddress& destination)
{
    AddressReach reach;
    return reach.reached(fleet, destination);
}

std::vector<size_t> AddressReach::reached(
    const std::vector<Device>& fleet, const QHostAddress& destination)
{
    if (destination.isNull() || destination == QHostAddress::Broadcast) {
        std::vector<size_t> all(fleet.size());
        std::iota(all.begin(), all.end(), size_t { 0 });
        return all;
    }
    bool ok = false;
    const quint32 to = destination.toIPv4Address(&ok);
    if (!ok)
        return {};
    if (!built_) {
        // A device hears its own address and its segment's broadcast; in the order of the fleet.
        devices_.clear();
        for (size_t i = 0; i < fleet.size(); ++i) {
            const auto ip = parseIpv4(fleet[i].ip);
            if (!ip)
                continue;
            devices_[*ip].push_back(i);
            const auto mask = parseIpv4(fleet[i].mask);
            const quint32 segmentBroadcast = mask ? *ip | ~*mask : *ip;
            if (mask && *mask != 0xFFFFFFFFu && segmentBroadcast != *ip)
                devices_[segmentBroadcast].push_back(i);
        }
        built_ = true;
    }
    const auto found = devices_.find(to);
    return found == devices_.end() ? std::vector<size_t> {} : found->second;
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
