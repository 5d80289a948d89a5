// Discovery end to end: every model of the simulator's all-models fleet is listed once, and
// selected through the automation driver shows the caption, picture and frames it calls for.
#include "tests/e2e/simulated_site.h"

#include <QJsonArray>
#include <QSet>
#include <gmock/gmock.h>

using namespace linknode;

namespace {

struct ExpectedView {
    const char* caption;
    int picture; // 0: not checked
    const char* shown; // frames and controls expected visible (own flag), blank-separated
    const char* hidden;
};

// The fleet sorted by IP: 10.213.0.11 first, one line per preset board.
const ExpectedView fleet[] = {
    { "Keyra 2.4F", 2, "FR_CFG FR_MODE FR_SERIAL_CFG", "FR_WIEGAND FR_MQTT FR_PANORAMA_MODE" },
    { "Pelix 2.2F", 3, "FR_MODE FR_NTP", "FR_WIEGAND" },
    { "ConduitBioscrypt 2.4F", 5, "SW_BIOSCRYPT FR_BIOSCRYPT_PREFIX", "FR_WIEGAND" },
    { "ConduitQuillmark 2.4F", 10, "FR_WIEGAND", "FR_PANORAMA_MODE" },
    { "Conduit V2 2.3A", 6, "FR_WIEGAND", "SW_10BASET" },
    { "Conduit V3 2.3W", 7, "FR_WIEGAND SW_10BASET", "" },
    { "Conduit V4 2.4F", 12, "FR_WIEGAND SW_AUXRS232", "" },
    { "Conduit V4 Modbus 2.4F Modbus Zephyr-Pod", 12, "FR_WIEGAND", "FR_MODE FR_LOGIN SW_TIMEOUT" },
    { "Rotagate V1 2.4F", 13, "FR_WIEGAND", "" },
    { "QD Panorama V2 2.4F", 8, "FR_PANORAMA_MODE FR_NTP", "FR_WIEGAND" },
    { "QD-71R V5 2.4F", 11, "FR_PANORAMA_MODE", "FR_WIEGAND" },
    { "KRT-40/NX V5 2.3F", 9, "FR_WIEGAND FR_LOGIN", "FR_PANORAMA_MODE" },
    { "KRT-40/NX V6 2.4F", 14, "FR_WIEGAND FR_SERIAL_CFG PIC_V6_AUX",
        "FR_CONDUIT_AUTOBOOT AFF_DHCP_IP" },
    { "KRT-40/NX V6 Cloud 2.4F", 15, "FR_WIEGAND AFF_DHCP_IP FR_TERM_NO",
        "FR_SERIAL_CFG FR_CONDUIT_AUTOBOOT" },
    { "Conduit-IP MQTT 2.4F Zephyr-Pod", 12, "FR_MQTT AFF_DHCP_IP FR_WIEGAND",
        "FR_MODE SW_TIMEOUT" },
    { "KRT-40/NX V5 1.2B", 9, "TXT_MODE_NOT_AVAILABLE", "FR_LOGIN SW_AUTO_BOOT" },
    { "1.0A", 0, "TXT_MODE_NOT_AVAILABLE", "" },
    { "KRT-40/NX V6 2.4F Encrypted", 14, "PIC_ENCRYPTED", "" },
    { "Conduit V4 2.4F Zephyr-Pod", 12, "SW_AUXRS232", "" },
    { "2.2E", 4, "SW_CONDUIT(0)", "FR_WIEGAND" },
};

using DiscoveryEndToEnd = SiteTest;

TEST_F(DiscoveryEndToEnd, EveryModelIsListedOnceAndShowsItsCaptionPictureAndFrames)
{
    QByteArray steps
        = "waitfor B_ASK_CFG visible 20\n" + site.dumpStep("found.json") + "click B_SORT\n";
    for (size_t i = 0; i < std::size(fleet); ++i)
        steps += "select LST_KRT " + QByteArray::number(static_cast<int>(i)) + "\n"
            + site.dumpStep(QStringLiteral("view%1.json").arg(i).toLatin1().constData());
    runSite(steps, allModels);

    const QJsonObject found = site.dump("found.json");
    const QStringList macs = SimulatedSite::macs(found);
    EXPECT_EQ(macs.size(), qsizetype(std::size(fleet)));
    EXPECT_EQ(QSet<QString>(macs.begin(), macs.end()).size(), macs.size());
    EXPECT_EQ(SimulatedSite::text(found, "AFF_TOT_TERM"), QString::number(macs.size()));
    EXPECT_TRUE(SimulatedSite::control(found, "LST_KRT").value(QStringLiteral("shown")).toBool());

    for (size_t i = 0; i < std::size(fleet); ++i) {
        const ExpectedView& expected = fleet[i];
        const QJsonObject dump
            = site.dump(QStringLiteral("view%1.json").arg(i).toLatin1().constData());
        SCOPED_TRACE(expected.caption);
        EXPECT_EQ(SimulatedSite::text(dump, "AFF_VER"), QString::fromLatin1(expected.caption));
        if (expected.picture != 0) {
            EXPECT_EQ(SimulatedSite::control(dump, "PIC_PROD(0)")
                          .value(QStringLiteral("picture"))
                          .toInt(),
                expected.picture);
        }
        const std::pair<const char*, bool> groups[]
            = { { expected.shown, true }, { expected.hidden, false } };
        for (const auto& [names, visible] : groups)
            for (const QByteArray& name : QByteArray(names).split(' ')) {
                if (!name.isEmpty()) {
                    EXPECT_EQ(SimulatedSite::control(dump, name.constData())
                                  .value(QStringLiteral("visible"))
                                  .toBool(),
                        visible)
                        << name.constData();
                }
            }
        EXPECT_EQ(SimulatedSite::control(dump, "LST_KRT").value(QStringLiteral("tag")).toString(),
            QStringLiteral("0"));
    }
}

} // namespace
