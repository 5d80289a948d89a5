#pragma once

#include "sim/command.h"
#include "sim/device.h"

#include <QJsonObject>
#include <QString>
#include <optional>

namespace linknode::sim {

// The commands that rewrite record fields. Each returns what the device now reports in the
// fields it changed.

QJsonObject applyNetworkConfig(Device& device, const NetworkConfig& config);
QJsonObject applyHostUpdate(Device& device, const HostUpdate& host);
QJsonObject applyLogin(Device& device, const Login& login);

// Why a network configuration cannot be taken by any device, if it cannot.
std::optional<QString> refuseNetworkConfig(const NetworkConfig& config);
// Why a login-string command means nothing to a device, if it does not.
std::optional<QString> refuseLogin(const Login& login);

} // namespace linknode::sim
