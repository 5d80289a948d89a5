// Device commands end to end: what the window sends reaches the simulated devices, and what
// they store comes back in their next reply.
#include "tests/e2e/simulated_site.h"

#include <QJsonArray>
#include <gmock/gmock.h>

using namespace linknode;

namespace {

class CommandsEndToEnd : public SiteTest {
protected:
    // Journal lines of `kind`.
    std::vector<QJsonObject> journalled(const char* kind) const
    {
        std::vector<QJsonObject> lines;
        for (const QJsonObject& line : site.journal())
            if (line.value(QStringLiteral("kind")).toString() == QLatin1String(kind))
                lines.push_back(line);
        return lines;
    }
};

// Sorted by address, line 0 is a Keyra terminal in client mode, line 10 a QD-71R clock and
// line 11 a KRT-40 V5 terminal.
TEST_F(CommandsEndToEnd, SavedSettingsComeBackAndActionsReachTheDevices)
{
    const QByteArray steps = "waitfor B_ASK_CFG visible 20\n"
                             "click B_SORT\n"
                             "select LST_KRT 0\n"
                             "set INP_LOGIN HELLO^13^\n"
                             "click B_SEND_LOGIN\n"
                             "wait 1.5\n"
                             "select INP_WIEGAND_CFG 6\n"
                             "click B_SAVE_WIEGAND\n"
                             "select LST_KRT 10\n"
                             "set LST_PANORAMA_MODE String Mode\n"
                             "click B_PANORAMA_SAVE_MODE\n"
                             "click B_LED_FLASH\n"
                             "click B_SEND_BIP\n"
                             "click B_ASK_CFG\n"
                             "waitfor B_ASK_CFG visible 20\n"
                             "click B_SORT\n"
                             "select LST_KRT 0\n"
        + site.dumpStep("saved.json")
        + "select LST_KRT 11\n"
          "click B_RESET\n"
          "click B_ASK_CFG\n"
          "waitfor B_ASK_CFG visible 20\n"
        + site.dumpStep("rebooting.json")
        + "wait 1.5\n"
          "click B_ASK_CFG\n"
          "waitfor B_ASK_CFG visible 20\n"
        + site.dumpStep("back.json");
    const RunResult run
        = site.run(steps, { QStringLiteral("--preset"), QStringLiteral("all-models") });
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.standardError.constData();

    const QJsonObject saved = site.dump(QStringLiteral("saved.json"));
    EXPECT_EQ(SimulatedSite::text(saved, QStringLiteral("INP_LOGIN")), QStringLiteral("HELLO^13^"));
    EXPECT_TRUE(SimulatedSite::text(saved, QStringLiteral("INP_WIEGAND_CFG"))
                    .startsWith(QStringLiteral("^6^^7^^20^^16^")));

    int displayModes = 0;
    for (const QJsonObject& line : journalled("login")) {
        const QJsonObject applied = line.value(QStringLiteral("applied")).toObject();
        if (applied.value(QStringLiteral("displayMode")).toInt() == 27)
            ++displayModes;
    }
    EXPECT_EQ(displayModes, 1) << "the clock took String Mode";

    const auto frames = journalled("terminal-frame");
    EXPECT_EQ(frames.size(), 2u);
    for (const QJsonObject& frame : frames) {
        EXPECT_FALSE(frame.contains(QStringLiteral("rejected")))
            << frame.value(QStringLiteral("rejected")).toString().toStdString();
        EXPECT_TRUE(frame.contains(QStringLiteral("applied")));
    }

    // The reset device keeps silent while it restarts, then answers again.
    EXPECT_EQ(SimulatedSite::text(
                  site.dump(QStringLiteral("rebooting.json")), QStringLiteral("AFF_TOT_TERM")),
        QStringLiteral("19"));
    EXPECT_EQ(
        SimulatedSite::text(site.dump(QStringLiteral("back.json")), QStringLiteral("AFF_TOT_TERM")),
        QStringLiteral("20"));
}

} // namespace
