// The inventory file: written whole or not at all, read back only when this tool wrote it,
// compared with the site field by field.
#include "fleet/inventory.h"
#include "tests/support/inventory_text.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <gmock/gmock.h>

using namespace linknode;
using namespace Qt::StringLiterals;
using testing::ElementsAre;
using testing::HasSubstr;

namespace {

DeviceEntry entry(const char* mac, const char* ip, const char* port = "2101")
{
    return { std::string(mac) + "," + ip
            + ",255.255.255.0,10.0.0.1,9600,0,0,COPYRIGHT+TAVREN 2.4F,1," + "10.0.0.1," + port
            + ",0700,5,16,10,TavAB",
        QStringLiteral("eth0"), {} };
}

std::vector<QJsonObject> devices(const std::vector<DeviceEntry>& entries)
{
    QString problem;
    auto parsed = parseInventory(inventoryText(entries), &problem);
    EXPECT_TRUE(parsed) << problem.toStdString();
    return parsed.value_or(std::vector<QJsonObject> {});
}

TEST(Inventory, ReadsBackWhatItWroteAndNothingElseAndDiffsFieldByField)
{
    const auto read = devices({ entry("0-80-194-1-2-3", "10.0.0.5") });
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].value(QStringLiteral("ip")).toString(), QStringLiteral("10.0.0.5"));
    EXPECT_EQ(read[0].value(QStringLiteral("login")).toString(), QStringLiteral("AB"));
    EXPECT_THAT(
        read[0].value(QStringLiteral("record")).toString().toStdString(), HasSubstr("TAVREN 2.4F"));
    for (const char* other :
        { "", "not json", "[]", R"({"devices": []})",
            R"({"format": "linknode-inventory", "version": 2, "devices": []})",
            R"({"format": "other", "version": 1, "devices": []})",
            R"({"format": "linknode-inventory", "version": 1, "devices": {}})",
            R"({"format": "linknode-inventory", "version": 1, "devices": [{"ip": "10.0.0.5"}]})" }) {
        QString problem;
        EXPECT_FALSE(parseInventory(QByteArray(other), &problem)) << other;
        EXPECT_FALSE(problem.isEmpty()) << other;
    }

    // The diff names new, missing and changed devices, field by field.
    const std::vector<DeviceEntry> site = { entry("0-80-194-1-2-3", "10.0.0.5"),
        entry("0-80-194-1-2-4", "10.0.0.6"), entry("0-80-194-1-2-5", "10.0.0.7") };
    const auto saved = devices(site);
    auto changed = entry("0-80-194-1-2-4", "10.0.0.6", "4000");
    changed.interface = QStringLiteral("eth1"); // not a change of the device
    const std::vector<DeviceEntry> live
        = { entry("0-80-194-1-2-3", "10.0.0.5"), changed, entry("0-80-194-1-2-9", "10.0.0.9") };
    QStringList diff;
    for (const DeviceResult& device : diffInventory(saved, live)) {
        diff << device.mac + u' ' + statusName(device.status);
        for (const FieldChange& change : device.changes)
            diff << change.field + u' ' + change.before + u'>' + change.after;
    }
    EXPECT_EQ(diff.join(u", "_s),
        u"0-80-194-1-2-9 new, 0-80-194-1-2-5 missing, 0-80-194-1-2-4 changed, hostPort 2101>4000"_s);
    // The same site differs in nothing, however its MACs are written.
    EXPECT_TRUE(diffInventory(saved, site).empty());
    const auto one = devices({ entry("0-80-194-1-2-3", "10.0.0.5") });
    EXPECT_TRUE(diffInventory(one, { entry("000-080-194-001-002-003", "10.0.0.5") }).empty());
}

} // namespace
