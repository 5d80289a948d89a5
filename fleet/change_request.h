#pragma once

#include "netid/change_comparison.h"

#include <QString>
#include <functional>
#include <optional>

// The values of one device's change as a person names them: options on the command line
// (--host-ip) or keys of a site file (hostIp), read by one set of rules.
namespace linknode {

// The value named `key` (the site file's spelling: ip, mask, gateway, hostIp, hostPort, mode,
// options, bauds, parity, stopBits, dataBits, login, wiegand, and the MQTT gateway's
// mqttBroker, mqttTemplate, mqttTopic, mqttPayload, mqttClientId, mqttUser, mqttPassword,
// mqttConnectTopic, mqttConnectPayload), none when not named.
using NamedValue = std::function<std::optional<QString>(const QString& key)>;

// Every named value checked (addresses, mask, port, mode server/client, bauds, parity
// none/even/odd, data bits 7/8, stop bits 1/2, options, Latin-1 login in caret notation,
// Wiegand item or caret codes, the MQTT broker ADDRESS:PORT, template domoticz or soti and
// items in caret notation); none with the first refusal in `problem`, naming the value as
// `spelling(key)` gives it ("--host-ip", "hostIp"). A template's topics and messages give way
// to items named with it.
std::optional<ConfigRequest> readRequest(const MacBytes& mac, const NamedValue& value,
    const std::function<QString(const QString& key)>& spelling, QString* problem);

// The keys in the order above.
const QStringList& requestKeys();

} // namespace linknode
