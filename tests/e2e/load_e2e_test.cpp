// Load and faults end to end: large fleets, lost and late replies, a device that dies during a
// save, a simulator that restarts, a reply flood. The window must list each device once and
// keep answering.
#include "tests/e2e/simulated_site.h"

#include <QJsonArray>
#include <QSet>
#include <gmock/gmock.h>

using namespace linknode;

namespace {

class LoadEndToEnd : public SiteTest {
protected:
    // The list holds `count` lines, one per MAC, and the counter says so.
    static void expectEachDeviceOnce(const QJsonObject& dump, int count)
    {
        const QStringList macs = SimulatedSite::macs(dump);
        EXPECT_EQ(macs.size(), count);
        EXPECT_EQ(QSet<QString>(macs.begin(), macs.end()).size(), count);
        EXPECT_EQ(SimulatedSite::text(dump, "AFF_TOT_TERM"), QString::number(count));
    }
};

TEST_F(LoadEndToEnd, TenThousandDevicesAreAllListed)
{
    runSite("waitfor B_ASK_CFG visible 60\n" + site.dumpStep("dump.json"), synthetic(10000));
    const QJsonObject state = site.dump("dump.json");
    expectEachDeviceOnce(state, 10000);
    EXPECT_THAT(SimulatedSite::text(state, "AFF_SEL_DEV").toStdString(),
        testing::Not(testing::HasSubstr("LIST FULL")));
}

// Each enquiry loses some replies; the devices missed once answer a later enquiry.
TEST_F(LoadEndToEnd, DeviceCountConvergesDespiteDropsAndJitter)
{
    runSite("waitfor B_ASK_CFG visible 30\n" + site.dumpStep("first.json")
            + "check SW_SWITCH 1\n"
              "click B_ASK_CFG\n"
              "waitfor B_ASK_CFG visible 30\n"
            + site.dumpStep("repeated.json"),
        synthetic(200,
            { QStringLiteral("--drop"), QStringLiteral("0.05"), QStringLiteral("--jitter"),
                QStringLiteral("50"), QStringLiteral("--seed"), QStringLiteral("11") }));
    const std::vector<QJsonObject> enquiries = site.journal("enquiry");
    ASSERT_EQ(enquiries.size(), 26u);
    const int lost = enquiries.front().value(QStringLiteral("dropped")).toInt();
    ASSERT_GT(lost, 0);
    expectEachDeviceOnce(site.dump("first.json"), 200 - lost);
    expectEachDeviceOnce(site.dump("repeated.json"), 200);
}

// The saved device takes the first configuration and is never heard of again: the save runs
// to its end on its bounded waits, and the window is usable afterwards.
TEST_F(LoadEndToEnd, DeviceFallingSilentDuringASaveGivesTheWindowBack)
{
    runSite("waitfor B_ASK_CFG visible 20\n"
            "select LST_KRT 0\n"
            + site.dumpStep("before.json")
            + "set INP_HOST_PORT 4000\n"
              "click B_UPDATE\n"
              "waitfor B_UPDATE visible 60\n"
              "waitfor B_UPDATE enabled 5\n"
            + site.dumpStep("after.json")
            + "click B_ASK_CFG\n"
              "waitfor B_ASK_CFG visible 20\n"
            + site.dumpStep("again.json"),
        synthetic(3, { QStringLiteral("--silent-on"), QStringLiteral("network-config") }));
    const QString mac = SimulatedSite::text(site.dump("before.json"), "AFF_MAC").trimmed();
    ASSERT_FALSE(mac.isEmpty());

    const std::vector<QJsonObject> configurations = site.journal("network-config");
    ASSERT_GE(configurations.size(), 2u);
    EXPECT_TRUE(configurations.front()
                    .value(QStringLiteral("applied"))
                    .toObject()
                    .value(QStringLiteral("fellSilent"))
                    .toBool());
    EXPECT_EQ(
        configurations.back().value(QStringLiteral("skipped")).toObject().value(mac).toString(),
        QStringLiteral("fell silent"));

    const QJsonObject after = site.dump("after.json");
    for (const char* name : { "B_UPDATE", "B_ASK_CFG", "LST_KRT", "B_SORT" }) {
        const QJsonObject control = SimulatedSite::control(after, name);
        EXPECT_TRUE(control.value(QStringLiteral("enabled")).toBool()) << name;
        EXPECT_TRUE(control.value(QStringLiteral("shown")).toBool()) << name;
    }
    EXPECT_FALSE(
        SimulatedSite::control(after, "FR_UPD_WAIT").value(QStringLiteral("shown")).toBool());
    // A new discovery lists the two devices still answering.
    const QJsonObject again = site.dump("again.json");
    expectEachDeviceOnce(again, 2);
    EXPECT_FALSE(SimulatedSite::macs(again).contains(mac));
}

// The first simulator stops in the middle of the 25 enquiries of ETHERNET SWITCH, replies
// still queued; a new one answers the rest.
TEST_F(LoadEndToEnd, SimulatorRestartedDuringADiscoveryListsEachDeviceOnce)
{
    runSite("waitfor B_ASK_CFG visible 20\n"
            "check SW_SWITCH 1\n"
            "click B_ASK_CFG\n"
            "waitfor B_ASK_CFG visible 30\n"
            + site.dumpStep("dump.json"),
        synthetic(50, { QStringLiteral("--jitter"), QStringLiteral("150") }), 8);
    expectEachDeviceOnce(site.dump("dump.json"), 50);
    EXPECT_EQ(site.journal("enquiry").size(), 8u);
    EXPECT_FALSE(site.journal("enquiry", "journal-2.jsonl").empty());
}

// 50000 copies of one device's reply within a second, from its address, while the window is
// used: a click on the list shows that device, a button click sends, the list stays whole.
TEST_F(LoadEndToEnd, ReplyFloodLeavesTheWindowResponsive)
{
    runSite("waitfor B_ASK_CFG visible 30\n"
            "click B_ASK_CFG\n"
            "select LST_KRT 0\n"
            "click B_SHOW_MAC\n"
            + site.dumpStep("during.json") + "waitfor B_ASK_CFG visible 30\n"
            + site.dumpStep("after.json"),
        synthetic(20, { QStringLiteral("--flood"), QStringLiteral("50000") }));
    const std::vector<QJsonObject> enquiries = site.journal("enquiry");
    ASSERT_EQ(enquiries.size(), 2u);
    EXPECT_EQ(enquiries.back().value(QStringLiteral("flood")).toInt(), 50000);
    EXPECT_FALSE(site.journal("show-mac").empty());

    const QJsonObject during = site.dump("during.json");
    const QStringList macs = SimulatedSite::macs(during);
    ASSERT_FALSE(macs.isEmpty());
    EXPECT_EQ(SimulatedSite::text(during, "AFF_MAC").trimmed(), macs.front());
    expectEachDeviceOnce(site.dump("after.json"), 20);
}

} // namespace
