#pragma once

#include "link/envelope.h"
#include "netid/wave_plan.h"

#include <QString>
#include <string>
#include <vector>

// The order in which many devices can change at once: a wave holds every device whose new
// address is free when the wave starts; a device moving onto an address another still holds
// goes in the wave after that device has left it.
namespace linknode {

struct Move {
    MacBytes mac {};
    std::string from; // the address it holds now
    std::string to; // the address it should hold (== from when it keeps it)
};

// An address a device found holds that is not among the moves, and that device's MAC.
struct HeldAddress {
    std::string address;
    std::string mac;
};

// `held` are the addresses of the devices found that are not among the moves: no move may
// take one. Exchanges and cycles go through a spare (a free address that is no device's
// target), one move of the cycle parking there first; without a free spare they are refused.
// Many devices may hold one address now (a factory fleet); two moves may not share a target.
WavePlan planWaves(const std::vector<Move>& moves, const std::vector<HeldAddress>& held,
    const std::vector<std::string>& spares);

} // namespace linknode
