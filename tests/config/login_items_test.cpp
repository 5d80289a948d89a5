#include "config/mqtt_login.h"

#include <gtest/gtest.h>

namespace linknode {
namespace {

    TEST(MqttLogin, ItemsReadBackWithTheirBlanksAndCaretsAndMissingOnesEmpty)
    {
        const MqttItems items { "domoticz/in",
            R"({"idx":%S00,"nvalue":0,"svalue":"%3","Battery":%B,"RSSI":%R})", "gw 1", "user",
            "p^w", "domoticz/in", R"({"status":"connected"})" };
        EXPECT_EQ(mqttItems(mqttLogin(items)), items);
        EXPECT_EQ(mqttLogin({ "t", "m", "d", "u", "p", "ct", "cm" }),
            "t^13^m^13^d^13^u^13^p^13^ct^13^cm^13^");
        // The gateway uses an item as it stands: a blank at either end is part of it.
        EXPECT_EQ(mqttItems(" a^b^13^ msg "), (MqttItems { " a^b", " msg ", "", "", "", "", "" }));
        EXPECT_EQ(mqttItems(""), MqttItems {});
    }

} // namespace
} // namespace linknode
