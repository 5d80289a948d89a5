// Changing devices end to end: what the window's saves, commands and RENAME IP send reaches
// the simulated devices, and what they store comes back in their next replies.
#include "tests/e2e/simulated_site.h"

#include <QJsonArray>
#include <gmock/gmock.h>

using namespace linknode;

namespace {

using ChangesEndToEnd = SiteTest;

// The list's fields of each device, by MAC.
QMap<QString, QStringList> fieldsByMac(const QJsonObject& dump)
{
    QMap<QString, QStringList> lines;
    for (const QString& line : SimulatedSite::listed(dump)) {
        const QStringList fields = line.split(u',');
        lines.insert(fields.value(0).trimmed(), fields);
    }
    return lines;
}

// Sorted by address, line 0 of the all-models fleet is a Keyra terminal in client mode, line
// 10 a QD-71R clock, line 11 a KRT-40 V5 terminal and line 14 the MQTT sensor gateway.
TEST_F(ChangesEndToEnd, SavesAndActionsReachTheDevicesAndComeBack)
{
    const QByteArray ask = "click B_ASK_CFG\nwaitfor B_ASK_CFG visible 20\n";
    runSite("waitfor B_ASK_CFG visible 20\nclick B_SORT\nselect LST_KRT 0\n"
            "set INP_LOGIN HELLO^13^\nclick B_SEND_LOGIN\nwait 1.5\n"
            "select INP_WIEGAND_CFG 6\nclick B_SAVE_WIEGAND\n"
            "select LST_KRT 10\nset LST_PANORAMA_MODE String Mode\n"
            "click B_PANORAMA_SAVE_MODE\nclick B_LED_FLASH\nclick B_SEND_BIP\n"
            + ask + "click B_SORT\nselect LST_KRT 0\n" + site.dumpStep("saved.json")
            + "select LST_KRT 11\nclick B_RESET\n" + ask + site.dumpStep("rebooting.json")
            + "wait 1.5\n" + ask + site.dumpStep("back.json")
            + "click B_SORT\nselect LST_KRT 14\nselect SW_MQTT_CFG_TEMPLATE 1\n"
              "click B_SAVE_CFG_MQTT\nwaitfor B_UPDATE visible 60\n"
              "click B_SORT\nselect LST_KRT 14\n"
            + site.dumpStep("mqtt.json") + "select LST_KRT 0\n" + site.dumpStep("before.json")
            + "set INP_IP 10.213.0.111\nset INP_HOST_PORT 4000\n"
              "click B_UPDATE\nwaitfor B_UPDATE visible 60\n"
            + ask + site.dumpStep("after.json"),
        allModels + QStringList { QStringLiteral("--manage-addresses") });

    const QJsonObject saved = site.dump("saved.json");
    EXPECT_EQ(SimulatedSite::text(saved, "INP_LOGIN"), QStringLiteral("HELLO^13^"));
    EXPECT_TRUE(
        SimulatedSite::text(saved, "INP_WIEGAND_CFG").startsWith(QStringLiteral("^6^^7^^20^^16^")));
    int displayModes = 0;
    for (const QJsonObject& line : site.journal("login"))
        displayModes += line.value(QStringLiteral("applied"))
                            .toObject()
                            .value(QStringLiteral("displayMode"))
                            .toInt()
            == 27;
    EXPECT_EQ(displayModes, 1) << "the clock took String Mode";
    const auto frames = site.journal("terminal-frame");
    EXPECT_EQ(frames.size(), 2u);
    for (const QJsonObject& frame : frames) {
        EXPECT_FALSE(frame.contains(QStringLiteral("rejected")))
            << frame.value(QStringLiteral("rejected")).toString().toStdString();
        EXPECT_TRUE(frame.contains(QStringLiteral("applied")));
    }

    // The reset device keeps silent while it restarts, then answers again.
    EXPECT_EQ(
        SimulatedSite::text(site.dump("rebooting.json"), "AFF_TOT_TERM"), QStringLiteral("19"));
    EXPECT_EQ(SimulatedSite::text(site.dump("back.json"), "AFF_TOT_TERM"), QStringLiteral("20"));

    const QJsonObject mqtt = site.dump("mqtt.json");
    const std::pair<const char*, const char*> template1[]
        = { { "AFF_VER", "Conduit-IP MQTT 2.4F Zephyr-Pod" }, { "INP_MQTT_TOPIC", "domoticz/in" },
              { "INP_MQTT_MSG_CONNECT", "{\"status\":\"connected\"}" } };
    for (const auto& [control, text] : template1)
        EXPECT_EQ(SimulatedSite::text(mqtt, control), QString::fromLatin1(text)) << control;

    const QString mac = SimulatedSite::text(site.dump("before.json"), "AFF_MAC").trimmed();
    const QStringList fields = fieldsByMac(site.dump("after.json")).value(mac);
    ASSERT_GE(fields.size(), 11) << mac.toStdString();
    EXPECT_EQ(fields[1], QStringLiteral("10.213.0.111"));
    EXPECT_EQ(fields[10], QStringLiteral("4000"));
}

TEST_F(ChangesEndToEnd, RenameGivesFiveDevicesTheirAddressesInListOrder)
{
    runSite("waitfor B_ASK_CFG visible 20\n" + site.dumpStep("before.json")
            + "set INP_PW MARBLE KEY\n"
              "set INP_AUTO_IP 10.213.5.\n"
              "set INP_AUTO_MASK 255.255.0.0\n"
              "click B_RENAME_IP\n"
              "waitfor B_RENAME_IP visible 60\n"
              "waitfor B_ASK_CFG visible 20\n"
            + site.dumpStep("after.json"),
        synthetic(5, { QStringLiteral("--manage-addresses") }));
    const QStringList before = SimulatedSite::macs(site.dump("before.json"));
    ASSERT_EQ(before.size(), 5);
    const auto after = fieldsByMac(site.dump("after.json"));
    ASSERT_EQ(after.size(), 5);
    for (int i = 0; i < before.size(); ++i)
        EXPECT_EQ(after.value(before[i]).value(1), QStringLiteral("10.213.5.%1").arg(110 + i))
            << before[i].toStdString();
}

} // namespace
