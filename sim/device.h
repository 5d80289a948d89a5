#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

namespace linknode::sim {

// What a device keeps besides its record: set by commands, never reported in the record.
struct DeviceState {
    enum class Operating { Terminal, Boot };
    Operating operating = Operating::Terminal; // a device starts, and restarts, in terminal mode
    std::optional<quint8> displayMode;
    QByteArray countdown; // digits of the last countdown value
    QByteArray workstation; // identifier of the last workstation suffix
    QByteArray shown; // what the last show-MAC put on the screen
    int ledFlashes = 0;
    int beeps = 0;
    int screenClears = 0;
    // A rebooting device hears nothing until then (seconds on the simulator's clock), and
    // says why ("resetting", "restarting").
    double deafUntil = 0;
    QString deafBecause;
    bool fellSilent = false; // gone for good (unplugged, broken): deaf and mute from then on
};

// One simulated device. Every field is kept as the bytes the device reports, so commands
// can later overwrite them one by one and the record follows.
struct Device {
    static constexpr int fieldCount = 16;

    QByteArray mac; // "0-80-194-1-2-3"
    QByteArray ip;
    QByteArray mask;
    QByteArray gateway;
    QByteArray bauds;
    QByteArray parity; // one-digit code
    QByteArray databits; // one-digit code
    QByteArray version; // identity text ending with the firmware version, e.g. "... 2.4F"
    QByteArray mode; // "0" server, "1" client, "" no mode option
    QByteArray hostIp;
    QByteArray hostPort;
    QByteArray options; // four option characters
    std::array<QByteArray, 3> wiegand;
    QByteArray login; // raw, with the "Tav" prefix
    int fields = fieldCount; // older firmware sends fewer fields
    bool silent = false; // never answers
    bool ignoresConfig = false; // hears the network configuration command and keeps its record
    DeviceState state {};
};

// The comma-separated record the device answers with (without the FE FF header): its first
// `fields` fields, exactly as stored.
QByteArray recordText(const Device& device);

} // namespace linknode::sim
