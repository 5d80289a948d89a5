#include "sim/mqtt_fleet.h"

#include "sim/journal.h"

namespace linknode::sim {

MqttFleet::MqttFleet(const std::vector<Device>& fleet, const MqttOptions& options,
    bool loopbackOnly, MqttGateway::Clock clock, Journal& journal, QObject* parent)
    : QObject(parent)
    , options_(options)
{
    const auto report = [clock, &journal](QJsonObject line) {
        line.insert(u"t", clock());
        journal.write(line);
    };
    for (size_t i = 0; i < fleet.size(); ++i)
        if (isMqttGateway(fleet[i]) && !fleet[i].silent)
            gateways_.emplace(i,
                new MqttGateway(fleet[i], static_cast<int>(i) + 1, options_, loopbackOnly, clock,
                    report, counts_, this));
}

void MqttFleet::start()
{
    for (const auto& [device, gateway] : gateways_)
        gateway->review();
}

void MqttFleet::review(const std::vector<size_t>& devices)
{
    for (const size_t i : devices)
        if (const auto found = gateways_.find(i); found != gateways_.end())
            found->second->review();
}

} // namespace linknode::sim
