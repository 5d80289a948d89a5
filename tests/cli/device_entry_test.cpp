// The flags a discovery raises, the order it lists devices in, the filters that keep some and
// how one device is named among them.
#include "cli/run/device_filter.h"
#include "cli/run/verb_support.h"
#include "config/device_record.h"
#include "fleet/device_entry.h"

#include <QHostAddress>
#include <gmock/gmock.h>

using namespace linknode;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {

QString rowText(const Row& row, const QString& name)
{
    for (const auto& [key, value] : row)
        if (key == name)
            return value.isArray() ? value.toVariant().toStringList().join(u',') : value.toString();
    return {};
}

std::string record(const char* mac, const char* ip, const char* version = "COPYRIGHT+TAVREN 2.4F")
{
    return std::string(mac) + "," + ip + ",255.255.255.0,10.0.0.1,9600,0,0," + version
        + ",1,10.0.0.1,2101,0700,5,16,10,TavAB";
}

NetworkAdapter adapter(const char* name, const char* address, const char* mask)
{
    NetworkAdapter a;
    a.name = QString::fromLatin1(name);
    a.address = QHostAddress(QString::fromLatin1(address)).toIPv4Address();
    a.netmask = QHostAddress(QString::fromLatin1(mask)).toIPv4Address();
    a.up = true;
    return a;
}

QStringList flagsOf(const std::vector<Reply>& replies, size_t which,
    const std::vector<NetworkAdapter>& adapters = {})
{
    return flaggedEntries(replies, adapters).at(which).flags;
}

TEST(Flags, TwoMacsWithOneAddressAreBothDuplicates)
{
    // The last two are one MAC, written in other digits.
    const std::vector<Reply> replies { { record("0-80-194-1-2-3", "10.0.0.5"), {} },
        { record("0-80-194-1-2-4", "10.0.0.5"), {} }, { record("0-80-194-1-2-5", "10.0.0.6"), {} },
        { record("000-080-194-001-002-005", "10.0.0.6"), {} } };
    EXPECT_THAT(flagsOf(replies, 0), ElementsAre(QStringLiteral("duplicate-ip")));
    EXPECT_THAT(flagsOf(replies, 1), ElementsAre(QStringLiteral("duplicate-ip")));
    EXPECT_THAT(flagsOf(replies, 2), IsEmpty());
    EXPECT_THAT(flagsOf(replies, 3), IsEmpty());
}

struct SubnetCase {
    const char* deviceIp;
    const char* interface;
    bool offSubnet;
};

class OffSubnet : public testing::TestWithParam<SubnetCase> { };

TEST_P(OffSubnet, ComparesWithEverySubnetOfTheAdapterTheReplyCameIn)
{
    const std::vector<NetworkAdapter> adapters { adapter("eth0", "192.168.1.10", "255.255.255.0"),
        adapter("eth0", "10.0.0.2", "255.255.0.0"),
        adapter("eth1", "172.16.0.1", "255.255.255.0") };
    const std::vector<Reply> replies { { record("0-80-194-1-2-3", GetParam().deviceIp),
        QString::fromLatin1(GetParam().interface) } };
    EXPECT_EQ(
        flagsOf(replies, 0, adapters).contains(QStringLiteral("off-subnet")), GetParam().offSubnet);
}

INSTANTIATE_TEST_SUITE_P(Cases, OffSubnet,
    testing::Values(SubnetCase { "192.168.1.77", "eth0", false },
        SubnetCase { "10.0.200.3", "eth0", false }, SubnetCase { "172.16.0.9", "eth0", true },
        SubnetCase { "192.168.1.77", "eth1", true }, SubnetCase { "192.168.1.77", "", false },
        SubnetCase { "192.168.1.77", "wlan9", false }, SubnetCase { "nonsense", "eth0", true }));

TEST(Flags, EncryptedAndOldFirmwareComeFromTheRecord)
{
    const std::vector<Reply> replies {
        { record("0-80-194-1-2-3", "10.0.0.5", "COPYRIGHToTAVRENk 2.4F"), {} },
        { record("0-80-194-1-2-4", "10.0.0.6", "COPYRIGHT+TAVREN 1.2B"), {} },
        { record("0-80-194-1-2-5", "10.0.0.7", "COPYRIGHTmTAVREN 2.4F"), {} },
    };
    EXPECT_THAT(flagsOf(replies, 0), ElementsAre(QStringLiteral("encrypted")));
    EXPECT_THAT(flagsOf(replies, 1), ElementsAre(QStringLiteral("old-firmware")));
    EXPECT_THAT(flagsOf(replies, 2), ElementsAre(QStringLiteral("old-firmware")));
}

TEST(Order, ByAddressAsNumbersAndUnreadableAddressesLast)
{
    std::vector<DeviceEntry> entries;
    for (const char* ip : { "10.0.0.10", "", "10.0.0.9", "9.255.0.1", "10.0.1.1" })
        entries.push_back({ record("0-80-194-1-2-3", ip), {}, {} });
    sortByAddress(entries);
    QStringList order;
    for (const DeviceEntry& entry : entries)
        order << rowText(summaryRow(entry), QStringLiteral("ip"));
    EXPECT_THAT(order,
        ElementsAre(QStringLiteral("9.255.0.1"), QStringLiteral("10.0.0.9"),
            QStringLiteral("10.0.0.10"), QStringLiteral("10.0.1.1"), QString()));
}

TEST(Rows, DecodeTheFieldsAsTheWindowShowsThem)
{
    const DeviceEntry entry { "0-80-194-1-2-3,10.0.0.5,255.255.255.0,10.0.0.1,19200,4,1,"
                              "COPYRIGHT+TAVREN 2.3F,0,0.0.0.0,23,0000,5,16,10,TavA\rB\xea"
                              "C",
        QStringLiteral("eth0"), {} };
    const Row row = detailRow(entry);
    EXPECT_EQ(rowText(row, QStringLiteral("model")), QStringLiteral("KRT-40/NX V5 2.3F"));
    EXPECT_EQ(rowText(row, QStringLiteral("firmware")), QStringLiteral("2.3F"));
    EXPECT_EQ(rowText(row, QStringLiteral("mode")), QStringLiteral("server"));
    EXPECT_EQ(rowText(row, QStringLiteral("parity")), QStringLiteral("Even"));
    EXPECT_EQ(rowText(row, QStringLiteral("stopBits")), QStringLiteral("2"));
    EXPECT_EQ(rowText(row, QStringLiteral("dataBits")), QStringLiteral("7"));
    EXPECT_EQ(rowText(row, QStringLiteral("wiegand")), QStringLiteral("^6^^5^^16^^10^"));
    EXPECT_EQ(rowText(row, QStringLiteral("login")), QStringLiteral("A^13^B,C"));
    EXPECT_EQ(rowText(row, QStringLiteral("interface")), QStringLiteral("eth0"));
    // Byte 234 stays the code point 234 in the whole record.
    EXPECT_TRUE(rowText(row, QStringLiteral("record")).contains(QChar(234)));
}

TEST(Rows, ADeviceWithoutModeHasNoModeAndTheEarliestFirmwareShows10A)
{
    const DeviceEntry entry { "0-80-194-1-2-3,10.0.0.5,255.255.255.0,10.0.0.1,9600,0,0,TAVREN INC.",
        {}, {} };
    const Row row = summaryRow(entry);
    EXPECT_EQ(rowText(row, QStringLiteral("mode")), QString());
    EXPECT_EQ(rowText(row, QStringLiteral("firmware")), QStringLiteral("1.0A"));
    EXPECT_EQ(rowText(row, QStringLiteral("model")), QStringLiteral("1.0A"));
}

TEST(Filter, KeepsTheDevicesEveryNamedConditionHolds)
{
    const DeviceEntry keyra { record("0-80-194-1-2-3", "10.1.0.5"), {},
        { QStringLiteral("encrypted") } };
    const DeviceEntry other { record("0-80-194-1-2-4", "10.2.0.5"), {}, {} };
    const struct {
        const char *model, *subnet;
        QStringList flags;
        bool keyra, other;
    } cases[] = {
        { "", "", {}, true, true },
        { "2.4f", "", {}, true, true },
        { "Pelix", "", {}, false, false },
        { "", "10.1.0.0/16", {}, true, false },
        { "", "10.0.0.0/8", {}, true, true },
        { "", "", { QStringLiteral("encrypted") }, true, false },
        { "", "10.2.0.0/16", { QStringLiteral("encrypted") }, false, false },
    };
    for (const auto& c : cases) {
        QString problem;
        const auto filter = parseFilter(
            QString::fromLatin1(c.model), QString::fromLatin1(c.subnet), c.flags, &problem);
        ASSERT_TRUE(filter) << problem.toStdString();
        EXPECT_EQ(matches(*filter, keyra), c.keyra) << c.model << c.subnet;
        EXPECT_EQ(matches(*filter, other), c.other) << c.model << c.subnet;
    }
}

TEST(FindOne, AMacOrAnAddressNamesOneDeviceAndTwoHoldersOfAnAddressNameNone)
{
    const std::vector<DeviceEntry> found = { { record("0-80-194-1-2-3", "10.0.0.5"), {}, {} },
        { record("0-80-194-1-2-4", "10.0.0.6"), {}, {} },
        { record("0-80-194-1-2-5", "10.0.0.6"), {}, {} } };
    const struct {
        const char* named;
        const char* mac; // the device found, "" for none
        int status;
    } cases[] = {
        { "0-80-194-1-2-4", "0-80-194-1-2-4", ExitSuccess },
        { "10.0.0.5", "0-80-194-1-2-3", ExitSuccess },
        { "10.0.0.6", "", ExitUsage },
        { "0-80-194-1-2-9", "", ExitFailure },
        { "10.0.0.9", "", ExitFailure },
    };
    for (const auto& c : cases) {
        const QString named = QString::fromLatin1(c.named);
        const FoundDevice one = findOne(found, *parseSelector(named), named);
        EXPECT_EQ(one.device ? recordField(one.device->record, FLD_MAC) : "", c.mac) << c.named;
        EXPECT_EQ(one.exitStatus, c.status) << c.named;
        const auto first = findDevice(found, *parseSelector(named));
        EXPECT_EQ(first.has_value(), c.status != ExitFailure) << c.named;
    }
}

} // namespace
