#include "sim/gateway_settings.h"
#include "sim/mqtt_payload.h"

#include <QByteArrayList>
#include <gtest/gtest.h>
#include <tuple>

namespace linknode::sim {
namespace {

    const GatewayFacts facts { .number = 15, .macHex = "0050C20A001A", .firmware = "2.4F" };
    const SensorReading third { 3, 213, -54, 7, 295, 88 };
    const SensorReading twentySixth { 26, -5, -89, 1, 305, 5 };

    TEST(GatewayPayload, EveryPlaceholderAndWhatStaysAsItIs)
    {
        const struct {
            QByteArray text;
            std::optional<SensorReading> reading;
            QByteArray expected;
        } cases[] = {
            { "%1|%M|%6", third, "15|0050C20A001A|2.4F" },
            { "%2|%3|%4|%R|%5|%B", third, "03|21.3|-54|7|2.95|88" },
            { "%2|%3|%4|%R|%5|%B", twentySixth, "1A|-0.5|-89|1|3.05|5" },
            { "%S00 %S10 %S99 %S07", third, "3 13 102 10" },
            { "%S1 %Sx1 %x %% %S", third, "%S1 %Sx1 %x %% %S" },
            { "100%", third, "100%" },
            // The connect message has no sensor: only the gateway's own placeholders.
            { "%M/%1/%2/%S00/%3/%B", std::nullopt, "0050C20A001A/15/%2/%S00/%3/%B" },
            { R"({"idx":%S00,"nvalue":0,"svalue":"%3","Battery":%B,"RSSI":%R})", third,
                R"({"idx":3,"nvalue":0,"svalue":"21.3","Battery":88,"RSSI":7})" },
            { "SOTICONNECT/clients/observations/json/%M%S00", twentySixth,
                "SOTICONNECT/clients/observations/json/0050C20A001A26" },
        };
        for (const auto& c : cases)
            EXPECT_EQ(fillPlaceholders(c.text, facts, c.reading), c.expected) << c.text.data();
    }

    TEST(GatewaySettings, ReadFromTheRecordAsTheGatewayStoresThem)
    {
        const QByteArray login = "Tavt/%M\rm\352%3\r\rbob\rpw\rc/t\rup\r";
        // Client id, user, password, topic, message, connect topic and message.
        const QByteArray items = "|gateway-0050C20A001A|bob|pw|t/%M|m,%3|c/t|up";
        const struct {
            QByteArray hostIp, hostPort, login;
            QByteArray settings; // broker|port|items
            bool reachable;
        } cases[] = {
            { "127.0.0.1", "1883", login, "127.0.0.1|1883" + items, true },
            { "127.0.0.1", "1883V", "TavT\rM\rGW-7\r", "127.0.0.1|1883|GW-7|||T|M||", true },
            { "10.213.0.1", "1883", login, "10.213.0.1|1883" + items, false },
            { "127.0.0.1", "00105", login, "127.0.0.1|0" + items, false }, // a time zone
            { "0.0.0.0", "1883", login, "0.0.0.0|1883" + items, false },
        };
        for (const auto& c : cases) {
            Device device;
            device.mac = "0-80-194-10-0-26";
            device.version = "COPYRIGHTqTAVREN CONDUIT-IP MQTT 2.4F";
            std::tie(device.hostIp, device.hostPort, device.login)
                = std::tie(c.hostIp, c.hostPort, c.login);
            const auto s = gatewaySettings(device, true);
            ASSERT_TRUE(s) << c.hostIp.data();
            EXPECT_EQ(QByteArrayList({ s->broker, QByteArray::number(s->port), s->clientId, s->user,
                                         s->password, s->topic, s->message, s->connectTopic,
                                         s->connectMessage })
                          .join('|'),
                c.settings);
            EXPECT_EQ(s->problem.isEmpty(), c.reachable) << c.hostIp.data() << c.hostPort.data();
        }
    }

} // namespace
} // namespace linknode::sim
