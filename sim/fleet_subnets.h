#pragma once

#include "sim/device.h"

#include <QByteArrayView>
#include <utility>
#include <vector>

namespace linknode::sim {

// The subnets a fleet starts in (each device's address and mask): the only addresses the
// simulator puts on loopback, so a configuration naming 8.8.8.8 moves the simulated device
// but never claims a real host's address.
class FleetSubnets {
public:
    explicit FleetSubnets(const std::vector<Device>& fleet);

    // True for an address in one of them, written as `ip` reads it: plain decimal octets
    // ("010" would be octal 8 to `ip`).
    bool contains(QByteArrayView address) const;

private:
    std::vector<std::pair<quint32, quint32>> subnets_; // network, mask
};

} // namespace linknode::sim
