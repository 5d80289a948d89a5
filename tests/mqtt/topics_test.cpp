#include "mqtt/mqtt_topics.h"

#include <QJsonDocument>
#include <gtest/gtest.h>

namespace linknode {
namespace {

    TEST(MqttTopics, SubscriptionMatchesEveryTopicATemplateGivesAndPayloadsGiveTheirFields)
    {
        const struct {
            const char* topicTemplate;
            const char* subscription;
        } cases[]
            = { { "domoticz/in", "domoticz/in" }, { "gateways/%1/sensors", "gateways/+/sensors" },
                  { "SOTICONNECT/clients/observations/json/%M%S00",
                      "SOTICONNECT/clients/observations/json/+" },
                  { "site/%M-%2/t%3/rssi", "site/+/+/rssi" },
                  // The version may hold "/": only "#" covers it, and what follows it.
                  { "gw/%1/version/%6", "gw/+/version/#" }, { "gw/v%6/%2/state", "gw/#" } };
        for (const auto& c : cases) {
            EXPECT_EQ(
                subscriptionOf(QString::fromLatin1(c.topicTemplate)).toStdString(), c.subscription)
                << c.topicTemplate;
        }

        // The fields of each template's payload.
        const struct {
            const char* what;
            const char* payload;
            const char* fields;
        } payloads[] = { { "Domoticz",
                             R"({"idx":700,"nvalue":0,"svalue":"-3.5","Battery":87,"RSSI":6})",
                             R"({"battery":87,"rssi":6,"sensor":700,"temperature":-3.5})" },
            { "SOTI",
                R"({"MessageID": "SensorInfo","From": "0080C201020307","Resource": {"SensorNum": 7,)"
                R"("Temperature": 21.25, "BatteryVolt": 3.1,"StateOfCharge": 90,"RSSI": -71}})",
                R"({"battery":90,"rssi":-71,"sensor":7,"temperature":21.25})" },
            { "a reading that is no number", R"({"idx":3,"svalue":"n/a"})", R"({"sensor":3})" },
            { "not JSON", "temperature=21.5", "{}" }, { "a JSON array", "[1,2]", "{}" } };
        for (const auto& c : payloads) {
            const QJsonObject fields = payloadFields(QByteArray(c.payload));
            EXPECT_EQ(QJsonDocument(fields).toJson(QJsonDocument::Compact).toStdString(), c.fields)
                << c.what;
        }
    }

} // namespace
} // namespace linknode
