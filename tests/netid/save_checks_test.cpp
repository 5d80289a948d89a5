// The checks of a configuration before anything is sent, the rename plan, the host update
// datagram, the MQTT templates and the model caption.
#include "config/model_identity.h"
#include "mqtt/mqtt_templates.h"
#include "netid/host_update.h"
#include "netid/save_checks.h"
#include "tests/support/spaced_hex.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace linknode;

namespace {

TEST(SaveChecks, MasksAddressesAndMacsAreStrict)
{
    const std::pair<const char*, bool> cases[]
        = { { "255.255.255.0", true }, { "255.255.0.0", true }, { "255.255.255.252", true },
              { "0.0.0.0", false }, { " 255.255.254.0 ", true }, { "255.255.0.255", false },
              { "255.0.255.0", false }, { "255.255.255.1", false }, { "255.255.255", false },
              { "255.255.255.00", false }, { "255.255.255.0.0", false }, { "", false } };
    for (const auto& [mask, accepted] : cases)
        EXPECT_EQ(maskAccepted(mask), accepted) << mask;
    // Addresses are four numbers up to 255.
    EXPECT_TRUE(strictAddress(" 192.168.5.10 "));
    for (const char* bad : { "192.168.5.300", "192.168.5", "1.2.3.4.5", "a.b.c.d", "", "1..2.3" })
        EXPECT_FALSE(strictAddress(bad)) << bad;
    // MACs are six bytes, not all zero.
    EXPECT_EQ(strictMac("0-80-194-1-2-3"), (MacBytes { 0, 80, 194, 1, 2, 3 }));
    for (const char* bad : { "0-0-0-0-0-0", "0-80-194-1-2", "0-80-194-1-2-3-4", "0-80-300-1-2-3",
             "0-80--1-2-3", "00-50-C2-01-02-03", "", "garbage" })
        EXPECT_FALSE(strictMac(bad)) << bad;
}

// The one table of addresses a device may not take, for every path that sets one.
TEST(SaveChecks, HostAddressesExcludeWhatReachesManyDevicesOrNone)
{
    const std::tuple<const char*, const char*, bool> cases[]
        = { { "10.213.0.5", "255.255.255.0", true }, { " 10.213.0.5 ", "", true },
              { "10.213.0.255", "255.255.255.0", false }, { "10.213.0.0", "255.255.255.0", false },
              { "10.30.255.255", "255.255.0.0", false }, { "10.30.0.255", "255.255.0.0", true },
              { "10.213.0.127", "255.255.255.128", false },
              { "10.213.0.1", "255.255.255.254", false }, { "10.213.0.255", "", true },
              { "0.0.0.0", "", false }, { "0.1.2.3", "", false }, { "127.0.0.1", "", false },
              { "224.0.0.1", "", false }, { "239.255.255.250", "", false },
              { "255.255.255.255", "", false }, { "10.213.0.256", "", false }, { "", "", false } };
    for (const auto& [address, mask, accepted] : cases)
        EXPECT_EQ(!hostAddressProblem(address, mask), accepted) << address << " " << mask;
}

TEST(RenamePlan, NumbersDevicesFrom110InListOrderOrRefusesWhole)
{
    const RenamePlan plan = renamePlan("192.168.5.", "255.255.0.0", 3);
    EXPECT_FALSE(plan.problem) << plan.problem.text;
    EXPECT_EQ(plan.addresses,
        (std::vector<std::string> { "192.168.5.110", "192.168.5.111", "192.168.5.112" }));
    EXPECT_TRUE(renamePlan("192.168.5.", "255.255.0.0", 0).addresses.empty());
    // Refused whole where a device would be left unreachable.
    const struct {
        const char* prefix;
        const char* mask;
        int devices;
    } refused[] = {
        { "10.0.0", "255.255.255.0", 1 }, // no trailing dot
        { "10.0.300.", "255.255.255.0", 1 }, { "10.0.", "255.255.255.0", 1 },
        { "10.0.0.", "255.255.0.255", 1 },
        { "10.0.0.", "255.255.255.0", 146 }, // .255 is the broadcast address
        { "10.0.0.", "255.255.255.128", 18 }, // .128 is the network of the upper half
        { "10.0.0.", "255.255.0.0", 147 }, // .256
    };
    for (const auto& c : refused) {
        const RenamePlan plan = renamePlan(c.prefix, c.mask, c.devices);
        EXPECT_TRUE(plan.problem) << c.prefix << " " << c.mask << " " << c.devices;
        EXPECT_TRUE(plan.addresses.empty());
    }
    EXPECT_EQ(renamePlan("10.0.0.", "255.255.255.0", 145).addresses.back(), "10.0.0.254");
    EXPECT_EQ(renamePlan("10.0.0.", "255.255.255.128", 17).addresses.back(), "10.0.0.126");
}

TEST(HostUpdate, ServerPortAndModeByte)
{
    const std::string datagram = hostUpdateDatagram(" 192.168.5.1 ", "23", 1);
    EXPECT_EQ(spacedHex(datagram), "fe ff 03 31 39 32 2e 31 36 38 2e 35 2e 31 0d 32 33 0e 01");
}

TEST(MqttTemplates, DomoticzAndSotiTextsExactly)
{
    const auto domoticz = mqttTemplate("Domoticz Home Automation System");
    ASSERT_TRUE(domoticz);
    EXPECT_EQ(domoticz->topic, "domoticz/in");
    EXPECT_EQ(domoticz->message, R"({"idx":%S00,"nvalue":0,"svalue":"%3","Battery":%B,"RSSI":%R})");
    EXPECT_EQ(domoticz->connectTopic, "domoticz/in");
    EXPECT_EQ(domoticz->connectMessage, R"({"status":"connected"})");

    const auto soti = mqttTemplate("soti CONNECT IoT!");
    ASSERT_TRUE(soti);
    EXPECT_EQ(soti->topic, "SOTICONNECT/clients/observations/json/%M%S00");
    EXPECT_EQ(soti->message,
        R"({"MessageID": "SensorInfo","From": "%M%S00","Resource": {"SensorNum": %S00,"Temperature": %3, "BatteryVolt": %5,"StateOfCharge": %B,"RSSI": %4}})");
    EXPECT_EQ(soti->connectTopic, "SOTICONNECT/clients/json/%M");
    EXPECT_EQ(soti->connectMessage,
        R"({"MessageID": "Connected","From": "%M","Resource": {"Type": "ZephyrPodTempSensorForSOTIConnect","Id": "%M"}})");

    EXPECT_FALSE(mqttTemplate("Preconfigured devices ..."));
}

TEST(ModelCaption, NameVersionEncryptionAndGatewaySuffix)
{
    const std::pair<const char*, const char*> cases[] = {
        { "0-80-194-1-2-3,10.0.0.5,255.0.0.0,10.0.0.1,9600,0,0,COPYRIGHT+TAVREN KRT-40 2.3F,1,"
          "10.0.0.2,23,0780",
            "KRT-40/NX V5 2.3F" },
        { "1-2-3-4-5-6,10.0.0.6,255.0.0.0,10.0.0.1,9600,0,0,COPYRIGHToTAVRENk KRT-40 V6 2.4F,1,"
          "10.0.0.2,23,0000",
            "KRT-40/NX V6 2.4F Encrypted" },
        { "1-2-3-4-5-7,10.0.0.7,255.0.0.0,10.0.0.1,9600,0,0,INC.", "1.0A" },
        { "1-2-3-4-5-8,10.0.0.8,255.0.0.0,10.0.0.1,9600,0,0,BOARD 2.2E,1,10.0.0.2,23,00N0",
            "2.2E Zephyr-Pod" },
    };
    for (const auto& [record, caption] : cases)
        EXPECT_EQ(modelCaption(record), caption) << record;
}

} // namespace
