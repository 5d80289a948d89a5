// A whole task by keys alone on the real window: find the devices, select one, change its
// address, save, and read the result. No step names a control: the keys go where the focus is.
#include "tests/e2e/simulated_site.h"

using namespace linknode;

namespace {

using KeyboardEndToEnd = SiteTest;

TEST_F(KeyboardEndToEnd, FindSelectReaddressAndSaveWithoutAMouse)
{
    // After the start-up's discovery FIND DEVICES has the focus: Enter asks again. Ctrl+F and
    // Down select the first line; Tab goes SORT BY IP, VT-100 ClearScreen, the four boxes of
    // UDP TX MASK, then the boxes of IP (SAVE CONFIGURATION comes after the fields it saves):
    // the fourth takes the new octet.
    runSite("waitfor B_ASK_CFG visible 20\n"
            "keys {Enter}\n"
            "waitfor B_ASK_CFG visible 20\n"
            "keys {Ctrl+F}{Down}\n"
            + site.dumpStep("before.json")
            + "keys {Tab}{Tab}{Tab}{Tab}{Tab}{Tab}{Tab}{Tab}{Tab}{Tab}123\n"
              "keys {Ctrl+S}\n"
              "waitfor B_UPDATE visible 60\n"
              "waitfor B_ASK_CFG visible 20\n"
            + site.dumpStep("after.json"),
        synthetic(3, { QStringLiteral("--manage-addresses") }));

    const QJsonObject before = site.dump("before.json");
    const QString mac = SimulatedSite::text(before, "AFF_MAC").trimmed();
    const QString ip = SimulatedSite::text(before, "INP_IP");
    ASSERT_FALSE(mac.isEmpty()) << "Ctrl+F and Down selected a device";
    const QString wanted = ip.section(u'.', 0, 2) + QStringLiteral(".123");
    bool found = false;
    for (const QString& line : SimulatedSite::listed(site.dump("after.json"))) {
        if (line.section(u',', 0, 0).trimmed() == mac) {
            found = true;
            EXPECT_EQ(line.section(u',', 1, 1), wanted) << line.toStdString();
        }
    }
    EXPECT_TRUE(found) << mac.toStdString() << " answers after the save";
}

} // namespace
