#pragma once

#include "sim/command.h"
#include "sim/device.h"

#include <QJsonObject>
#include <optional>
#include <vector>

namespace linknode::sim {

struct EffectContext {
    double now = 0; // seconds on the simulator's clock
    double resetPause = 1.0; // how long a reset device stays deaf
    double restartPause = 1.0; // how long a device that takes a changed configuration is deaf
    bool announced = false; // a terminal frame came right after its 01 FF FF "T"
    // A device that acts on a command of this kind falls silent for good right after.
    std::optional<CommandKind> fallSilentOn;
};

// A device that took a new address, for the namespace that carries the addresses.
struct AddressMove {
    size_t device = 0;
    QByteArray from;
    QByteArray to;
};

// What one datagram did to the devices it was for. `applied` describes the change (empty
// when nothing changed); `skipped` names, by MAC, the devices that ignored it and why;
// `rejected` says why the command as a whole changed nothing.
struct Outcome {
    QJsonObject applied;
    QJsonObject skipped;
    QString rejected;
    std::vector<size_t> awake; // the devices that acted (for an enquiry: that answer)
    std::vector<AddressMove> moves;
};

// Applies `command` to `devices` (indexes into `fleet`, already narrowed to those it is for)
// as the devices themselves would.
Outcome applyCommand(std::vector<Device>& fleet, const std::vector<size_t>& devices,
    const Command& command, const EffectContext& context);

} // namespace linknode::sim
