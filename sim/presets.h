#pragma once

#include "sim/device.h"

#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

namespace linknode::sim {

// One device of every model signature, in the order the tool tests them, each at a firmware
// that shows its features; then the special boards: old firmware, "INC.", encrypted,
// Zephyr-Pod gateway, no signature. Addresses 10.213.0.11 upwards on a /24.
std::vector<Device> allModelsFleet();

// The most devices syntheticFleet() makes: every address 10.213.x.y with y in 1..254, the
// first ten (10.213.0.1 to .10) left for the hosts that talk to the fleet.
constexpr int syntheticLimit = 256 * 254 - 10;

// `count` plain KRT-40/NX V5 boards (clamped to 0..syntheticLimit) with distinct MACs
// 0-80-194-h-m-l and distinct addresses 10.213.x.y on 10.213.0.0/16 from 10.213.0.11 on.
std::vector<Device> syntheticFleet(int count);

// Why `address` cannot be the one address of a factory-fresh synthetic fleet, if it cannot:
// it must be a host of its subnet under the preset's mask (not in 0.x.x.x, not multicast or
// above, not the subnet's network or broadcast address).
std::optional<QString> refuseSharedAddress(QByteArrayView address);

// A factory-fresh fleet: `count` synthetic boards with distinct MACs that all report
// `address` (one that refuseSharedAddress accepts), with the preset's mask and, as gateway and
// host, the first other host of that subnet.
std::vector<Device> sharedAddressFleet(int count, QByteArrayView address);

} // namespace linknode::sim
