#pragma once

#include "sim/device.h"

#include <QString>
#include <optional>
#include <vector>

namespace linknode::sim {

// A fleet as JSON: {"devices": [{"mac": "0-80-194-1-2-3", "ip": "10.213.0.11", ...}]}.
// Text values are strings whose code points 0..255 are the bytes ("\u00b8" is byte 184);
// keys: mac, ip (required), mask, gateway, bauds, parity, databits, version, mode, hostIp,
// hostPort, options, login (texts, default empty), wiegand (three texts), fields (1..16,
// default 16), silent and ignoresConfig (default false). Unknown keys are refused so a typo
// cannot pass.
std::optional<std::vector<Device>> parseFleet(const QByteArray& json, QString* error);

std::optional<std::vector<Device>> readFleetFile(const QString& path, QString* error);

} // namespace linknode::sim
