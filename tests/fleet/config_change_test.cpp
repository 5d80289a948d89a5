// A set: only the named values change, the window's rules and checks apply, and the device
// must report every planned value afterwards.
#include "fleet/device_values.h"
#include "fleet/site_file.h"
#include "netid/change_comparison.h"
#include "sim/device.h"
#include "sim/presets.h"
#include "tests/support/inventory_text.h"

#include "commands/device_datagrams.h"
#include "link/envelope.h"
#include "tests/support/refused_values.h"

#include <gmock/gmock.h>

using namespace linknode;
using testing::HasSubstr;
using testing::IsEmpty;

namespace {

const std::string client = "0-80-194-1-2-3,10.0.0.5,255.255.255.0,10.0.0.1,9600,1,0,"
                           "COPYRIGHT+TAVREN 2.4F,1,10.0.0.2,2101,0780,5,16,10,TavAB";
const std::string noMode = "0-80-194-1-2-3,10.0.0.5,255.255.255.0,10.0.0.1,9600,0,0,"
                           "COPYRIGHT+TAVREN 1.2B";
const MacBytes mac { 0, 80, 194, 1, 2, 3 };

// "field: reported, wanted planned", one per field the record does not hold as planned.
std::vector<std::string> unconfirmedFields(
    const std::string& record, const std::vector<std::pair<RecordField, std::string>>& expected)
{
    std::vector<std::string> texts;
    for (const FieldChange& field : differingFields(record, expected))
        texts.push_back(QStringLiteral("%1: %2, wanted %3")
                            .arg(field.field, field.before, field.after)
                            .toStdString());
    return texts;
}

ConfigRequest named()
{
    ConfigRequest request;
    request.mac = mac;
    return request;
}

TEST(Plan, KeepsEveryValueNotNamed)
{
    auto request = named();
    request.ip = "10.0.0.50";
    const PlannedChange plan = planChange(client, request, {});
    ASSERT_THAT(plan.problem.text, IsEmpty());
    // The window's layout B with the record's values but the address: mask, gateway, host,
    // port, options, bauds, parity (1), data bits (0) and the client mode (1).
    constexpr char layoutB[] = "\xfe\xff\x01\xff\x01"
                               "10.0.0.50\r255.255.255.0\r10.0.0.1\r10.0.0.2\r2101\r0780\r"
                               "\xfd\x00\x50\xc2\x01\x02\x03"
                               "9600\xfc\x01\x00\x01";
    EXPECT_EQ(networkConfigDatagram(plan.config), std::string(layoutB, sizeof layoutB - 1));
}

TEST(Plan, ServerModeStopBitsAndAMissingModeFollowTheWindowsSwitches)
{
    auto request = named();
    request.mode = 0; // clears the host and the options as the switch does
    const PlannedChange server = planChange(client, request, {});
    ASSERT_TRUE(server.config.host);
    EXPECT_EQ(server.config.host->socketMode, 0);
    EXPECT_EQ(server.config.host->ip, "0.0.0.0");
    EXPECT_EQ(server.config.host->options, "0000");
    // Only when the mode changes, and never over values the same change names.
    request.options = "0800";
    request.hostIp = "10.0.0.9";
    EXPECT_EQ(planChange(client, request, {}).config.host->options, "0800");
    EXPECT_EQ(planChange(client, request, {}).config.host->ip, "10.0.0.9");
    const std::string server0800 = "0-80-194-1-2-3,10.0.0.5,255.255.255.0,10.0.0.1,9600,1,0,"
                                   "COPYRIGHT*TAVREN 2.2F,0,10.0.0.2,23,0800";
    request = named();
    request.mode = 0;
    EXPECT_THAT(
        differingFields(server0800, planChange(server0800, request, {}).expected), IsEmpty());
    // Stop bits and parity combine into one code; parity stays Even (1).
    request = named();
    request.twoStopBits = true;
    EXPECT_EQ(planChange(client, request, {}).config.serial->parity, 4);
    request.parityBase = 2;
    EXPECT_EQ(planChange(client, request, {}).config.serial->parity, 5);
    // A device without mode gets layout A and no host values.
    EXPECT_FALSE(planChange(noMode, named(), {}).config.host);

    // A clock using NTP (its port the zone) is in server mode, its NTP server kept; naming
    // client mode ends NTP unless the zone is named too.
    const std::string ntpClock = "0-80-194-1-2-3,10.0.0.5,255.255.255.0,10.0.0.1,9600,0,0,"
                                 "COPYRIGHT#TAVREN QD PANORAMA 2.4F,1,10.0.0.2,00105,0000";
    const struct {
        std::optional<int> mode;
        std::optional<std::string> port;
        int sentMode;
        const char* sentPort;
    } clocks[] = { { {}, {}, 0, "00105" }, { 1, {}, 1, "23" }, { 1, "00105", 1, "00105" },
        { {}, "00002", 0, "00002" } };
    for (const auto& c : clocks) {
        request = named();
        request.mode = c.mode;
        request.hostPort = c.port;
        const auto host = planChange(ntpClock, request, {}).config.host;
        EXPECT_EQ(host->socketMode, c.sentMode) << c.sentPort;
        EXPECT_EQ(host->port, c.sentPort);
        EXPECT_EQ(host->ip, "10.0.0.2");
    }
}

TEST(Plan, ValuesNoDeviceCanTakeAreRefusedBeforeSending)
{
    const std::vector<std::string> found { client, "0-80-194-9-9-9,10.0.0.50" };
    struct Refusal {
        std::string record;
        std::string ip, mask, hostIp;
        const char* problem; // "": accepted
        std::string gateway = {};
    };
    std::vector<Refusal> cases = { { noMode, "", "", "10.0.0.9", "no socket mode" },
        // What the record of a device without the mode reports is kept, not refused.
        { noMode + ",,10.0.0.9,23", "", "", "10.0.0.9", "" },
        { client, "10.0.0.50", "", "", "DOUBLE IP" },
        { client, "10.0.0.5", "", "", "" }, // its own address is no duplicate
        { "0-80-194-1-2-3,10.0.0.5,255.0.255.0,10.0.0.1,9600,0,0,X 2.4F,1", "", "", "", "mask" } };
    // Addresses no device can take under its mask.
    for (const DeviceAddress& refused : refusedDeviceAddresses)
        cases.push_back({ client, refused.address, refused.mask, "", "device address" });
    for (const NetworkValues& refused : refusedNetworkValues)
        cases.push_back(
            { client, refused.ip, refused.mask, refused.hostIp, refused.told, refused.gateway });
    // No gateway at all is one a device may have.
    cases.push_back({ client, "192.168.5.10", "255.255.255.0", "", "", "0.0.0.0" });
    for (const auto& c : cases) {
        auto request = named();
        for (auto [value, text] : { std::pair { &request.ip, c.ip }, { &request.mask, c.mask },
                 { &request.hostIp, c.hostIp }, { &request.gateway, c.gateway } })
            if (!text.empty())
                *value = text;
        const std::string problem = planChange(c.record, request, found).problem.text;
        EXPECT_THAT(problem, HasSubstr(c.problem)) << c.ip << c.hostIp;
        EXPECT_EQ(problem.empty(), !*c.problem) << c.ip << c.hostIp;
    }
}

TEST(Plan, WiegandAndLoginAreConfirmedAsTheDeviceReportsThemAndMissingFieldsNamed)
{
    auto request = named();
    request.wiegand = parseWiegand(QStringLiteral("6")); // HID 38 Bits: 06 05 10 15
    const PlannedChange plan = planChange(client, request, {});
    ASSERT_TRUE(plan.wiegandDatagram);
    EXPECT_EQ(*plan.wiegandDatagram,
        loginDatagram(std::string("\x03\x04\x03\x06\x05\x10\x15\x03\x04\x03")));
    const std::string reported = "0-80-194-1-2-3,10.0.0.5,255.255.255.0,10.0.0.1,9600,1,0,"
                                 "COPYRIGHT+TAVREN 2.4F,1,10.0.0.2,2101,0780,5,16,21,TavAB";
    EXPECT_THAT(unconfirmedFields(reported, plan.expected), IsEmpty());
    EXPECT_THAT(
        unconfirmedFields(client, plan.expected), testing::ElementsAre("wiegand3: 10, wanted 21"));

    // The login is confirmed behind the maker's prefix, commas as byte 234.
    request = named();
    request.login = "A,B^13^";
    const PlannedChange login = planChange(client, request, {});
    ASSERT_TRUE(login.loginDatagram);
    EXPECT_EQ(*login.loginDatagram, loginDatagram("A,B\r"));
    const std::string withLogin = client.substr(0, client.rfind(',')) + ",TavA\xea" + "B\r";
    EXPECT_THAT(unconfirmedFields(withLogin, login.expected), IsEmpty());

    // Each field the device does not report is named.
    request = named();
    request.ip = "10.0.0.50";
    request.hostPort = "4000";
    const PlannedChange moved = planChange(client, request, {});
    EXPECT_THAT(unconfirmedFields(client, moved.expected),
        testing::ElementsAre("ip: 10.0.0.5, wanted 10.0.0.50", "hostPort: 2101, wanted 4000"));
}

TEST(Plan, AnInventoryOfEveryModelPutBackChangesNothing)
{
    std::vector<DeviceEntry> entries;
    for (const sim::Device& device : sim::allModelsFleet())
        entries.push_back({ sim::recordText(device).toStdString(), {}, {} });
    QString problem;
    const auto site = parseSite(inventoryText(entries), &problem);
    ASSERT_TRUE(site) << problem.toStdString();
    ASSERT_EQ(site->size(), entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const PlannedChange plan = planChange(entries[i].record, (*site)[i].request, {});
        EXPECT_THAT(plan.problem.text, IsEmpty()) << entries[i].record;
        EXPECT_THAT(unconfirmedFields(entries[i].record, plan.expected), IsEmpty())
            << entries[i].record;
    }
}

} // namespace
