#include "core/utf8_text.h"
#include "mqtt/mqtt_payload.h"
#include "mqtt/mqtt_topics.h"

#include <QJsonDocument>
#include <gmock/gmock.h>
#include <mosquitto.h>

namespace linknode {
namespace {

    using testing::HasSubstr;

    // The gateway 0-80-194-1-2-3 with firmware 2.4F.
    KnownPlaceholders gateway(const char* version = "2.4F")
    {
        return { macForms({ 0, 80, 194, 1, 2, 3 }), version };
    }

    QStringList texts(std::initializer_list<const char*> items)
    {
        QStringList list;
        for (const char* item : items)
            list << QString::fromUtf8(item);
        return list;
    }

    TEST(MqttTopics, TheMacComesInEveryFormAGatewayMayWriteIt)
    {
        const QList<QByteArray> expected { "0050C2010203", "0050c2010203", "00:50:C2:01:02:03",
            "00:50:c2:01:02:03", "00-50-C2-01-02-03", "0-80-194-1-2-3" };
        EXPECT_EQ(macForms({ 0, 80, 194, 1, 2, 3 }), expected);
    }

    TEST(MqttTopics, KnownValuesNarrowTheSubscriptionAndTellTheGatewaysMessages)
    {
        const struct {
            const char* what;
            const char* topic;
            const char* payload;
            const char* version;
            QStringList subscriptions;
            bool namesGateway;
            const char* ownTopic; // a topic this gateway gives
            const char* otherTopic; // one another gateway of the template gives ("": none)
        } cases[] = {
            { "no placeholder", "domoticz/in", "{}", "2.4F", texts({ "domoticz/in" }), false,
                "domoticz/in", "" },
            { "the MAC a level of its own", "ha/%M/s%2", "{}", "2.4F",
                texts({ "ha/0050C2010203/+", "ha/0050c2010203/+", "ha/00:50:C2:01:02:03/+",
                    "ha/00:50:c2:01:02:03/+", "ha/00-50-C2-01-02-03/+", "ha/0-80-194-1-2-3/+" }),
                true, "ha/0050c2010203/s0A", "ha/0050C2010204/s0A" },
            { "the MAC with the sensor in one level",
                "SOTICONNECT/clients/observations/json/%M%S00", "{}", "2.4F",
                texts({ "SOTICONNECT/clients/observations/json/+" }), true,
                "SOTICONNECT/clients/observations/json/0050C20102037",
                "SOTICONNECT/clients/observations/json/0050C20102047" },
            { "the number and version, no MAC", "gw/%1/%6/%2", "{}", "2.4F",
                texts({ "gw/+/2.4F/+" }), false, "gw/12/2.4F/0A", "" },
            { "a version that spans levels", "gw/%6/t", "{}", "2/4F", texts({ "gw/2/4F/t" }), false,
                "gw/2/4F/t", "" },
            { "text that only looks like a placeholder", "a/%x/%S1", "{}", "2.4F",
                texts({ "a/%x/%S1" }), false, "a/%x/%S1", "" },
            { "the MAC in the payload only", "domoticz/in", "{\"mac\":\"%M\",\"t\":%3}", "2.4F",
                texts({ "domoticz/in" }), true, "domoticz/in", "" },
            { "a topic in UTF-8", "caf\xC3\xA9/%2", "{}", "2.4F", texts({ "café/+" }), false,
                "café/07", "" },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            const MessageTemplate messages(
                QString::fromLatin1(c.topic), QString::fromLatin1(c.payload), gateway(c.version));
            EXPECT_EQ(messages.topicProblem(), QString());
            EXPECT_EQ(messages.subscriptions(), c.subscriptions);
            EXPECT_EQ(messages.namesGateway(), c.namesGateway);
            EXPECT_TRUE(messages.fitsTopic(QString::fromUtf8(c.ownTopic)));
            if (*c.otherTopic) {
                EXPECT_FALSE(messages.fitsTopic(QString::fromUtf8(c.otherTopic)));
            }
            for (const QString& subscription : messages.subscriptions())
                EXPECT_EQ(subscriptionProblem(subscription), QString())
                    << subscription.toStdString();
        }

        // Two gateways on one template: each takes its own messages, by the topic or the
        // payload, and another's are told apart.
        const MessageTemplate byPayload(
            u"domoticz/in"_qs, u"{\"mac\":\"%M\",\"t\":%3}"_qs, gateway());
        EXPECT_TRUE(byPayload.isGateways(R"({"mac":"0050C2010203","t":21.5})"));
        EXPECT_FALSE(byPayload.isGateways(R"({"mac":"0050C2010204","t":21.5})"));
        const MessageTemplate shared(u"domoticz/in"_qs, u"{\"t\":%3}"_qs, gateway());
        EXPECT_FALSE(shared.isGateways(R"({"t":21.5})"));
        // Without the MAC known, %M is text like any other.
        const MessageTemplate unknown(u"ha/%M/s%2"_qs, u"{}"_qs, {});
        EXPECT_EQ(unknown.subscriptions(), texts({ "ha/+/+" }));
        EXPECT_FALSE(unknown.namesGateway());
    }

    TEST(MqttTopics, ATopicNoBrokerTakesIsToldWithWhatMadeItSo)
    {
        const struct {
            const char* topic;
            const char* version;
            const char* problem;
        } cases[] = {
            { "", "2.4F", "is empty" },
            { "sensors/#/s%2", "2.4F", "holds a wildcard" },
            { "ha/+/s%2", "2.4F", "holds a wildcard" },
            { "gw/%6/x", "4+F",
                "gives \"gw/4+F/x\" with the gateway's version, and that holds a wildcard" },
            { "caf\xE9/%2", "2.4F", "\"caf\\xE9/%2\" is no UTF-8" }, // Latin-1, as a box holds it
            { "a\tb/%2", "2.4F", "control characters" },
        };
        for (const auto& c : cases) {
            const MessageTemplate messages(
                QString::fromLatin1(c.topic), u"{}"_qs, gateway(c.version));
            EXPECT_THAT(messages.topicProblem().toStdString(), HasSubstr(c.problem)) << c.topic;
            EXPECT_TRUE(messages.subscriptions().isEmpty()) << c.topic;
        }
        const std::pair<const char*, bool> patterns[] = { { "a/+/b", true }, { "a/#", true },
            { "#", true }, { "+", true }, { "a/#/b", false }, { "a+/b", false }, { "a/b#", false },
            { "", false }, { "a\tb", false } };
        for (const auto& [pattern, taken] : patterns)
            EXPECT_EQ(subscriptionProblem(QString::fromLatin1(pattern)).isEmpty(), taken)
                << pattern;
    }

    TEST(MqttTopics, MqttTextIsWhatTheBrokerTakes)
    {
        // The rule a broker applies to topics and names, its library being the judge.
        const QByteArray texts[] = { "a/b", "caf\xC3\xA9", "a\tb", "a\x7f", "a\xC2\x85", "a\xB0",
            "\xEF\xBF\xBF", "\xEF\xB7\x90", "\xF0\x9F\x94\x91", "\xF4\x8F\xBF\xBF", "",
            QByteArray("a\0b", 3), "\xC0\xAF" };
        for (const QByteArray& text : texts)
            EXPECT_EQ(isMqttText(text.toStdString()),
                mosquitto_validate_utf8(text.constData(), static_cast<int>(text.size()))
                    == MOSQ_ERR_SUCCESS)
                << text.toHex().toStdString();
    }

    TEST(MqttPayload, JsonPayloadsGiveTheirFields)
    {
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
            { "a template of one's own", R"({"t":21.5,"unit":"°C","ok":true})",
                R"({"ok":true,"t":21.5,"unit":"°C"})" },
            { "a JSON array", "[1,2]", R"({"value":[1,2]})" },
            { "a bare number", "21.5", R"({"value":21.5})" },
            { "not JSON", "temperature=21.5", "{}" }, { "nothing", "", "{}" } };
        for (const auto& c : payloads) {
            const QJsonObject fields = payloadFields(QByteArray(c.payload));
            EXPECT_EQ(QJsonDocument(fields).toJson(QJsonDocument::Compact).toStdString(), c.fields)
                << c.what;
        }
    }

} // namespace
} // namespace linknode
