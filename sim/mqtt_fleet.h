#pragma once

#include "sim/device.h"
#include "sim/mqtt_gateway.h"

#include <QObject>
#include <map>
#include <vector>

namespace linknode::sim {

class Journal;

// The MQTT side of every sensor gateway of the fleet that is not silent, each journalling
// its connections as `event` lines.
class MqttFleet final : public QObject {
public:
    MqttFleet(const std::vector<Device>& fleet, const MqttOptions& options, bool loopbackOnly,
        MqttGateway::Clock clock, Journal& journal, QObject* parent = nullptr);

    // Each gateway connects with the settings its record holds.
    void start();
    // The devices that acted on a datagram: a gateway among them follows its record and its
    // restart.
    void review(const std::vector<size_t>& devices);

    const MqttCounts& counts() const { return counts_; }

private:
    MqttOptions options_;
    MqttCounts counts_;
    std::map<size_t, MqttGateway*> gateways_; // by device, children of this
};

} // namespace linknode::sim
