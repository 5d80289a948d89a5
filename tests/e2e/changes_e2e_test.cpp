// Changing devices end to end: what SAVE CONFIGURATION, RENAME IP and the MQTT save send is
// what the simulated devices report afterwards.
#include "tests/e2e/simulated_site.h"

#include <QJsonArray>
#include <QMap>
#include <gmock/gmock.h>

using namespace linknode;

namespace {

class ChangesEndToEnd : public SiteTest {
protected:
    void runOn(const QByteArray& steps, QStringList simulator)
    {
        simulator << QStringLiteral("--manage-addresses");
        const RunResult run = site.run(steps, simulator);
        ASSERT_TRUE(run.finished);
        ASSERT_EQ(run.exitCode, 0) << run.standardError.constData();
    }

    // The list lines of a dump, by MAC.
    QMap<QString, QStringList> listed(const char* dump) const
    {
        QMap<QString, QStringList> lines;
        const QJsonObject list = SimulatedSite::control(
            site.dump(QString::fromLatin1(dump)), QStringLiteral("LST_KRT"));
        for (const QJsonValue& line : list.value(QStringLiteral("items")).toArray()) {
            const QStringList fields = line.toString().split(u',');
            lines.insert(fields.value(0).trimmed(), fields);
        }
        return lines;
    }
};

// Sorted by address, line 0 of the all-models fleet is a Keyra terminal in client mode.
TEST_F(ChangesEndToEnd, ASavedAddressAndPortAreWhatTheDeviceReportsNext)
{
    runOn("waitfor B_ASK_CFG visible 20\n"
          "click B_SORT\n"
          "select LST_KRT 0\n"
            + site.dumpStep("before.json")
            + "set INP_IP 10.213.0.111\n"
              "set INP_HOST_PORT 4000\n"
              "click B_UPDATE\n"
              "waitfor B_UPDATE visible 60\n"
              "click B_ASK_CFG\n"
              "waitfor B_ASK_CFG visible 20\n"
            + site.dumpStep("after.json"),
        { QStringLiteral("--preset"), QStringLiteral("all-models") });
    const QString mac
        = SimulatedSite::text(site.dump(QStringLiteral("before.json")), QStringLiteral("AFF_MAC"));
    const QStringList fields = listed("after.json").value(mac);
    ASSERT_GE(fields.size(), 11) << mac.toStdString();
    EXPECT_EQ(fields[1], QStringLiteral("10.213.0.111"));
    EXPECT_EQ(fields[10], QStringLiteral("4000"));
}

TEST_F(ChangesEndToEnd, RenameGivesFiveDevicesTheirAddressesInListOrder)
{
    runOn("waitfor B_ASK_CFG visible 20\n" + site.dumpStep("before.json")
            + "set INP_PW MARBLE KEY\n"
              "set INP_AUTO_IP 10.213.5.\n"
              "set INP_AUTO_MASK 255.255.0.0\n"
              "click B_RENAME_IP\n"
              "waitfor B_RENAME_IP visible 60\n"
              "waitfor B_ASK_CFG visible 20\n"
            + site.dumpStep("after.json"),
        { QStringLiteral("--preset"), QStringLiteral("synthetic"), QStringLiteral("--count"),
            QStringLiteral("5") });
    const QJsonArray before = SimulatedSite::control(
        site.dump(QStringLiteral("before.json")), QStringLiteral("LST_KRT"))
                                  .value(QStringLiteral("items"))
                                  .toArray();
    ASSERT_EQ(before.size(), 5);
    const auto after = listed("after.json");
    ASSERT_EQ(after.size(), 5);
    for (int i = 0; i < before.size(); ++i) {
        const QString mac = before[i].toString().section(u',', 0, 0).trimmed();
        EXPECT_EQ(after.value(mac).value(1), QStringLiteral("10.213.5.%1").arg(110 + i))
            << mac.toStdString();
    }
}

// Line 14 of the sorted fleet is the MQTT sensor gateway.
TEST_F(ChangesEndToEnd, AnMqttTemplateComesBackFromTheGateway)
{
    runOn("waitfor B_ASK_CFG visible 20\n"
          "click B_SORT\n"
          "select LST_KRT 14\n"
          "select SW_MQTT_CFG_TEMPLATE 1\n"
          "click B_SAVE_CFG_MQTT\n"
          "waitfor B_UPDATE visible 60\n"
          "click B_SORT\n"
          "select LST_KRT 14\n"
            + site.dumpStep("after.json"),
        { QStringLiteral("--preset"), QStringLiteral("all-models") });
    const QJsonObject after = site.dump(QStringLiteral("after.json"));
    EXPECT_EQ(SimulatedSite::text(after, QStringLiteral("AFF_VER")),
        QStringLiteral("Conduit-IP MQTT 2.4F Zephyr-Pod"));
    EXPECT_EQ(SimulatedSite::text(after, QStringLiteral("INP_MQTT_TOPIC")),
        QStringLiteral("domoticz/in"));
    EXPECT_EQ(SimulatedSite::text(after, QStringLiteral("INP_MQTT_MSG_CONNECT")),
        QStringLiteral("{\"status\":\"connected\"}"));
}

} // namespace
