#pragma once

#include "sim/command.h"
#include "sim/device.h"

#include <QHostAddress>
#include <unordered_map>
#include <vector>

namespace linknode::sim {

// Indexes of the devices that a datagram sent to `destination` reaches: every device for the
// limited broadcast, the devices of that segment for a segment broadcast, the devices with
// that address for a unicast. A null destination (the system did not tell) reaches all.
std::vector<size_t> reachedDevices(
    const std::vector<Device>& fleet, const QHostAddress& destination);

// reachedDevices for a fleet whose addresses change seldom: the devices each address reaches
// are read once, so a unicast costs a lookup, not a search of thousands of devices.
class AddressReach {
public:
    std::vector<size_t> reached(const std::vector<Device>& fleet, const QHostAddress& destination);
    // After a change of a device's address or mask.
    void forget() { built_ = false; }

private:
    bool built_ = false;
    std::unordered_map<quint32, std::vector<size_t>> devices_;
};

// Of the reached devices, those the command is for: a network configuration names its
// device by MAC and a reset by its exact IP address text; every other command is for all of them.
std::vector<size_t> addressedDevices(
    const std::vector<Device>& fleet, const std::vector<size_t>& reached, const Command& command);

} // namespace linknode::sim
