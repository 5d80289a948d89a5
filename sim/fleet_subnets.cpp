#include "sim/fleet_subnets.h"

#include "sim/address.h"

#include <QHostAddress>
#include <algorithm>

namespace linknode::sim {

namespace {

    // A mask of ones then zeros, not 0.0.0.0: that one would admit every address.
    bool isSubnetMask(quint32 mask)
    {
        const quint32 hostPart = ~mask;
        return mask != 0 && (hostPart & (hostPart + 1)) == 0;
    }

} // namespace

FleetSubnets::FleetSubnets(const std::vector<Device>& fleet)
{
    for (const Device& device : fleet) {
        const auto ip = parseIpv4(device.ip);
        const auto mask = parseIpv4(device.mask);
        if (ip && mask && isSubnetMask(*mask))
            subnets_.emplace_back(*ip & *mask, *mask);
    }
    // A synthetic fleet of thousands shares one subnet.
    std::sort(subnets_.begin(), subnets_.end());
    subnets_.erase(std::unique(subnets_.begin(), subnets_.end()), subnets_.end());
}

bool FleetSubnets::contains(QByteArrayView address) const
{
    const auto ip = parseIpv4(address);
    if (!ip || QHostAddress(*ip).toString().toLatin1() != address)
        return false;
    return std::any_of(subnets_.begin(), subnets_.end(),
        [&ip](const auto& subnet) { return (*ip & subnet.second) == subnet.first; });
}

} // namespace linknode::sim
