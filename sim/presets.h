#pragma once

#include "sim/device.h"

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

} // namespace linknode::sim
