#include "mqtt/mqtt_templates.h"

#include <QByteArray>

namespace linknode {

std::optional<MqttTemplate> mqttTemplate(std::string_view selectorText)
{
    const QByteArray upper
        = QByteArray(selectorText.data(), static_cast<qsizetype>(selectorText.size())).toUpper();
    if (upper.contains("DOMOTICZ")) {
        return MqttTemplate {
            .topic = "domoticz/in",
            .message = R"({"idx":%S00,"nvalue":0,"svalue":"%3","Battery":%B,"RSSI":%R})",
            .connectTopic = "domoticz/in",
            .connectMessage = R"({"status":"connected"})",
        };
    }
    if (upper.contains("SOTI")) {
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
