#pragma once

#include "sim/device.h"
#include "sim/mqtt_payload.h"

#include <QByteArray>
#include <QString>
#include <optional>

// How a simulated MQTT sensor gateway publishes, read from its record the way the gateway
// reads it: the broker in fields 9 and 10, seven items in the login, each ended by CR.
namespace linknode::sim {

struct GatewaySettings {
    QByteArray broker; // dotted address
    quint16 port = 0;
    QByteArray clientId; // item 3, or "gateway-" and the MAC in hex when empty
    QByteArray user; // item 4; empty: no user name
    QByteArray password; // item 5
    QByteArray topic; // item 1, one message per sensor and round
    QByteArray message; // item 2
    QByteArray connectTopic; // item 6, one message per connection
    QByteArray connectMessage; // item 7
    QString problem; // why this broker is never reached (empty when it may be)

    bool operator==(const GatewaySettings&) const = default;
};

// The device carries the sensor gateway's signature in its identity.
bool isMqttGateway(const Device& device);

// Nothing for a device that is no gateway or has no broker (field 9 empty). With
// `loopbackOnly` a broker outside 127.0.0.0/8 is a problem: the simulator then stays on this
// host.
std::optional<GatewaySettings> gatewaySettings(const Device& device, bool loopbackOnly);

// Its fleet position (from 1), MAC in hex and firmware version, for the placeholders.
GatewayFacts gatewayFacts(const Device& device, int number);

} // namespace linknode::sim
