#include "mqtt/mqtt_templates.h"

#include <algorithm>
#include <string>

namespace linknode {

std::optional<MqttTemplate> mqttTemplate(std::string_view selectorText)
{
    // ASCII letters only: the selector's names are ASCII.
    std::string upper(selectorText);
    std::transform(upper.begin(), upper.end(), upper.begin(),
        [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    if (upper.find("DOMOTICZ") != std::string::npos) {
        return MqttTemplate {
            .topic = "domoticz/in",
            .message = R"({"idx":%S00,"nvalue":0,"svalue":"%3","Battery":%B,"RSSI":%R})",
            .connectTopic = "domoticz/in",
            .connectMessage = R"({"status":"connected"})",
        };
    }
    if (upper.find("SOTI") != std::string::npos) {
        return MqttTemplate {
            .topic = "SOTICONNECT/clients/observations/json/%M%S00",
            .message = R"({"MessageID": "SensorInfo","From": "%M%S00","Resource": )"
                       R"({"SensorNum": %S00,"Temperature": %3, "BatteryVolt": %5,)"
                       R"("StateOfCharge": %B,"RSSI": %4}})",
            .connectTopic = "SOTICONNECT/clients/json/%M",
            .connectMessage = R"({"MessageID": "Connected","From": "%M","Resource": )"
                              R"({"Type": "ZephyrPodTempSensorForSOTIConnect","Id": "%M"}})",
        };
    }
    return std::nullopt;
}

} // namespace linknode
