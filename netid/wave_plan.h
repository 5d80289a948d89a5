#pragma once

#include "core/refusal.h"

#include <string>
#include <vector>

// Which devices change together: waves, each a list of steps, run one after the other.
namespace linknode {

struct WaveStep {
    size_t move = 0; // index into the moves
    std::string address; // where it goes in this wave: its target or a spare
    // Moves that must have left their address first (their wave confirmed): when one of them
    // fails, this step cannot run.
    std::vector<size_t> after;
};

struct WavePlan {
    std::vector<std::vector<WaveStep>> waves;
    Refusal problem; // none: the plan may run
};

} // namespace linknode
