// A run of many devices planned before its first datagram: each device of the file as found,
// unchanged, planned in a wave or silent, and the refusals that keep the whole run from
// starting.
#include "fleet/fleet_plan.h"

#include <gmock/gmock.h>

using namespace linknode;
using testing::ElementsAre;
using testing::HasSubstr;

namespace {

DeviceEntry found(int n, const std::string& ip)
{
    return { "0-80-194-1-2-" + std::to_string(n) + "," + ip
            + ",255.255.255.0,10.0.0.1,9600,0,0,COPYRIGHT+TAVREN KRT-40 1.2B",
        {}, {} };
}

SiteEntry wanted(int n, const std::string& ip)
{
    SiteEntry entry { n, {} };
    entry.request.mac = { 0, 80, 194, 1, 2, static_cast<quint8>(n) };
    entry.request.ip = ip;
    return entry;
}

// "mac status wave", one per device of the file.
std::vector<std::string> outcome(const FleetPlan& plan)
{
    std::vector<std::string> lines;
    for (const DeviceResult& device : plan.devices)
        lines.push_back(device.mac.toStdString() + ' ' + statusName(device.status).toStdString()
            + ' ' + std::to_string(device.wave));
    return lines;
}

TEST(FleetPlan, EachDeviceOfTheFileIsUnchangedPlannedOrSilent)
{
    const std::vector<DeviceEntry> site { found(1, "10.0.0.11"), found(2, "10.0.0.12"),
        found(4, "10.0.0.14") };
    // 2 takes the address 1 leaves: a second wave.
    const FleetPlan plan = planFleet(site,
        { wanted(1, "10.0.0.21"), wanted(2, "10.0.0.11"), wanted(3, "10.0.0.13"),
            wanted(4, "10.0.0.14") },
        {});
    ASSERT_FALSE(plan.problem) << plan.problem.text;
    EXPECT_THAT(outcome(plan),
        ElementsAre("0-80-194-1-2-1 planned 1", "0-80-194-1-2-2 planned 2",
            "0-80-194-1-2-3 not-confirmed 0", "0-80-194-1-2-4 unchanged 0"));
    EXPECT_EQ(plan.silent, QStringList { QStringLiteral("0-80-194-1-2-3") });
    EXPECT_EQ(plannedConfigurations(plan, 10), 20);
    EXPECT_THAT(planLines(plan).join(u'|').toStdString(),
        HasSubstr("wave 2  0-80-194-1-2-2  ip 10.0.0.12 -> 10.0.0.11"));
}

TEST(FleetPlan, RefusalsStopTheWholeRun)
{
    const std::vector<DeviceEntry> site { found(1, "10.0.0.11"), found(2, "10.0.0.12") };
    const std::vector<SiteEntry> swap { wanted(1, "10.0.0.12"), wanted(2, "10.0.0.11") };
    const struct {
        const char* what;
        std::vector<SiteEntry> entries;
        FleetPlanOptions options;
        const char* problem;
        bool deviceNamed;
    } cases[] = {
        { "a value no device takes", { wanted(2, "10.0.0.255") }, {}, "broadcast address", true },
        { "an address another device keeps", { wanted(2, "10.0.0.11") }, {}, "10.0.0.11", false },
        { "a silent device under --strict", { wanted(3, "10.0.0.13") }, { .strict = true },
            "--strict: 1 of the file", false },
        // A spare is an address the parked device could hold under its new configuration.
        { "a spare that is the subnet's broadcast", swap, { .spares = { "10.0.0.255" } },
            "spare 10.0.0.255 for 0-80-194-1-2-1: 10.0.0.255 is the broadcast address", false },
        { "a spare that is the subnet's network", swap, { .spares = { "10.0.0.0" } },
            "network address", false },
        { "a spare beyond the gateway", swap, { .spares = { "10.0.1.5" } },
            "outside the device's subnet", false },
    };
    for (const auto& c : cases) {
        const FleetPlan plan = planFleet(site, c.entries, c.options);
        EXPECT_TRUE(plan.problem) << c.what;
        EXPECT_THAT(plan.problem.text, HasSubstr(c.problem)) << c.what;
        EXPECT_EQ(plan.refusedDevice.has_value(), c.deviceNamed) << c.what;
        EXPECT_EQ(plan.refusedLine, c.deviceNamed ? 2 : 0) << c.what;
    }
}

} // namespace
