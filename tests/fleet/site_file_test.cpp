// A site file, an inventory or a readdress plan, read whole or refused naming the device.
#include "fleet/site_file.h"

#include "fleet/device_values.h"
#include "tests/support/inventory_text.h"

#include <gmock/gmock.h>

using namespace linknode;
using testing::HasSubstr;
using testing::IsEmpty;

namespace {

QByteArray inventory(const char* devices)
{
    return QByteArray(R"({"format": "linknode-inventory", "version": 1, "devices": [)") + devices
        + "]}";
}

// "line mac key=value ...", an entry a line, for the values the cases below name.
std::string entries(const QByteArray& text)
{
    QString problem;
    const auto site = parseSite(text, &problem);
    if (!site)
        return problem.toStdString();
    std::string shown;
    for (const SiteEntry& entry : *site) {
        const ConfigRequest& request = entry.request;
        shown += std::to_string(entry.line) + " " + macText(request.mac);
        for (const auto& [key, value] : { std::pair { "ip", request.ip },
                 { "gateway", request.gateway }, { "hostPort", request.hostPort } })
            shown += value ? std::string(" ") + key + "=" + *value : "";
        shown += request.mode ? " mode=" + std::to_string(*request.mode) + "\n" : "\n";
    }
    return shown;
}

// Every entry of an inventory or a plan, or the fault named.
TEST(SiteFile, GivesEveryEntryOrNamesTheFaultAndItsOwnInventoryChangesNothing)
{
    const std::pair<QByteArray, std::string> sites[] = {
        { "\xEF\xBB\xBF\n  " + inventory(R"({"mac": "00:50:C2:01:02:03", "ip": "010.0.0.9",
                               "mode": "", "model": "KRT", "flags": [], "record": "x"},
                               {"mac": "0-80-194-1-2-4", "hostPort": "4000", "mode": "server"})"),
            "1 0-80-194-1-2-3 ip=10.0.0.9\n2 0-80-194-1-2-4 hostPort=4000 mode=0\n" },
        { "\xEF\xBB\xBFmac,ip,gateway\r\n0-80-194-1-2-3,10.0.0.7,10.0.0.254\r\n\r\n"
          "0-80-194-1-2-4,10.0.0.8,\r\n",
            "2 0-80-194-1-2-3 ip=10.0.0.7 gateway=10.0.0.254\n4 0-80-194-1-2-4 ip=10.0.0.8\n" },
        { inventory(R"({"mac": "0-80-194-1-2-3", "hostip": "10.0.0.1"})"),
            "device 1 (0-80-194-1-2-3): unknown key \"hostip\"; the keys to set are ip," },
        { inventory(R"({"mac": "0-80-194-1-2-1"}, {"mac": "0-80-194-1-2-2"},
                            {"mac": "0-80-194-1-2-3", "hostPort": "70000"})"),
            "device 3 (0-80-194-1-2-3): hostPort \"70000\": a port 1 to 65535" },
        { inventory(R"({"mac": "0-80-194-1-2-3", "hostPort": 4000})"),
            "device 1 (0-80-194-1-2-3): hostPort is not a text" },
        { inventory(R"({"mac": "0-80-194-1-2-3"}, {"mac": "000-080-194-001-002-003"})"),
            "device 2 (0-80-194-1-2-3): the same MAC as device 1" },
        { inventory(R"({"mac": "0-80-194-1-2-3", "ip": "10.0.0.5"},
                            {"mac": "0-80-194-1-2-4", "ip": "10.0.0.05"})"),
            "device 2 (0-80-194-1-2-4): the same new address 10.0.0.5 as device 1" },
        { inventory(R"({"ip": "10.0.0.5"})"), "device 1: no mac" },
        { inventory(""), "names no device" },
        { R"({"format": "linknode-inventory", "version": 2, "devices": []})", "not an inventory" },
        { "{\"format\": ", "not valid JSON" },
        { "0-80-194-1-2-3,10.0.0.5\n0-80-194-1-2-4,10.0.0.5\n",
            "plan line 2: address 10.0.0.5 is in the plan twice" }
    };
    for (const auto& [text, read] : sites)
        EXPECT_THAT(entries(text), HasSubstr(read));

    // An inventory applied to its own devices changes nothing.
    std::vector<DeviceEntry> devices; // a client, a server, a device without the socket mode
    for (const char* record :
        { "0-80-194-1-2-3,10.0.0.5,255.255.255.0,10.0.0.1,19200,4,1,COPYRIGHT+TAVREN 2.4F,1,"
          "10.0.0.2,2101,02\xB8Z,5,16,10,TavLOGIN\tUSER\xEAZ\r",
            "0-80-194-1-2-4,10.0.0.6,255.255.255.0,10.0.0.1,9600,0,0,COPYRIGHT+TAVREN 2.4F,0,"
            "0.0.0.0,23,0000,,,,Tav",
            "0-80-194-1-2-5,10.0.1.7,255.255.0.0,10.0.0.1,4800,2,0,COPYRIGHT+TAVREN 1.2B" })
        devices.push_back({ record, QStringLiteral("eth0"), {} });
    QString problem;
    const auto site = parseSite(inventoryText(devices), &problem);
    ASSERT_TRUE(site) << problem.toStdString();
    ASSERT_EQ(site->size(), devices.size());
    for (size_t i = 0; i < devices.size(); ++i) {
        const PlannedChange plan = planChange(devices[i].record, (*site)[i].request, {});
        EXPECT_THAT(plan.problem.text, IsEmpty()) << i;
        EXPECT_THAT(differingFields(devices[i].record, plan.expected), IsEmpty()) << i;
    }
}

} // namespace
