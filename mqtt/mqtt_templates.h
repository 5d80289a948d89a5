#pragma once

#include <optional>
#include <string>
#include <string_view>

// The ready-made MQTT templates of the sensor gateway.
namespace linknode {

struct MqttTemplate {
    std::string topic;
    std::string message;
    std::string connectTopic;
    std::string connectMessage;
};

// The template a selector text names: "DOMOTICZ" or "SOTI" in it, in any case; none for
// other texts.
std::optional<MqttTemplate> mqttTemplate(std::string_view selectorText);

} // namespace linknode
