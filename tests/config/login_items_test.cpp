#include "mqtt/login_items.h"

#include <gtest/gtest.h>

namespace linknode {
namespace {

    TEST(MqttLogin, EveryItemEndsWithACarriageReturn)
    {
        EXPECT_EQ(mqttLogin({}), "^13^^13^^13^^13^^13^^13^^13^");
        EXPECT_EQ(mqttLogin({ "t", "m", "d", "u", "p", "ct", "cm" }),
            "t^13^m^13^d^13^u^13^p^13^ct^13^cm^13^");
    }

    TEST(MqttLogin, ItemsReadBack)
    {
        const MqttItems items { "domoticz/in",
            R"({"idx":%S00,"nvalue":0,"svalue":"%3","Battery":%B,"RSSI":%R})", "gw 1", "user",
            "p^w", "domoticz/in", R"({"status":"connected"})" };
        EXPECT_EQ(mqttItems(mqttLogin(items)), items);
    }

    TEST(MqttLogin, TopicHoldingACaretStaysWhole)
    {
        EXPECT_EQ(mqttItems("a^b^13^msg^13^")[0], "a^b");
        EXPECT_EQ(mqttItems("a^b^13^msg^13^")[1], "msg");
    }

    TEST(MqttLogin, ItemsAreTrimmedAndMissingOnesEmpty)
    {
        const MqttItems items = mqttItems(" topic ^13^ msg");
        EXPECT_EQ(items[0], "topic");
        EXPECT_EQ(items[1], "msg");
        for (size_t i = 2; i < items.size(); ++i)
            EXPECT_EQ(items[i], "") << i;
        EXPECT_EQ(mqttItems(""), MqttItems {});
    }

} // namespace
} // namespace linknode
