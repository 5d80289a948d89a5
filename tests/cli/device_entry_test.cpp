// The flags a discovery raises, the order it lists devices in, the filters that keep some and
// how one device is named among them.
#include "cli/run/device_filter.h"
#include "cli/run/verb_support.h"
#include "config/device_record.h"
#include "fleet/device_entry.h"

#include <QHostAddress>
#include <gmock/gmock.h>
#include <tuple>

using namespace linknode;
using namespace Qt::StringLiterals;
using testing::ElementsAre;

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

TEST(Flags, ComeFromTheRecordAndFromOtherMacsWithTheSameAddress)
{
    // The fourth is the third's MAC written in other digits.
    const std::vector<Reply> replies { { record("0-80-194-1-2-3", "10.0.0.5"), {} },
        { record("0-80-194-1-2-4", "10.0.0.5"), {} }, { record("0-80-194-1-2-5", "10.0.0.6"), {} },
        { record("000-080-194-001-002-005", "10.0.0.6"), {} },
        { record("0-80-194-1-2-6", "10.0.0.7", "COPYRIGHToTAVRENk 2.4F"), {} },
        { record("0-80-194-1-2-7", "10.0.0.8", "COPYRIGHT+TAVREN 1.2B"), {} },
        { record("0-80-194-1-2-8", "10.0.0.9", "COPYRIGHTmTAVREN 2.4F"), {} } };
    const char* const flags[]
        = { "duplicate-ip", "duplicate-ip", "", "", "encrypted", "old-firmware", "old-firmware" };
    const auto entries = flaggedEntries(replies, {});
    for (size_t i = 0; i < std::size(flags); ++i)
        EXPECT_EQ(entries.at(i).flags.join(u','), QString::fromLatin1(flags[i])) << i;
}

TEST(Flags, OffSubnetComparesWithEverySubnetOfTheAdapterTheReplyCameIn)
{
    const std::vector<NetworkAdapter> adapters { adapter("eth0", "192.168.1.10", "255.255.255.0"),
        adapter("eth0", "10.0.0.2", "255.255.0.0"),
        adapter("eth1", "172.16.0.1", "255.255.255.0") };
    const std::tuple<const char*, const char*, bool> cases[] = { { "192.168.1.77", "eth0", false },
        { "10.0.200.3", "eth0", false }, { "172.16.0.9", "eth0", true },
        { "192.168.1.77", "eth1", true }, { "192.168.1.77", "", false },
        { "192.168.1.77", "wlan9", false }, { "nonsense", "eth0", true } };
    for (const auto& [ip, interface, offSubnet] : cases) {
        const std::vector<Reply> replies { { record("0-80-194-1-2-3", ip),
            QString::fromLatin1(interface) } };
        EXPECT_EQ(
            flaggedEntries(replies, adapters).at(0).flags.contains(u"off-subnet"_s), offSubnet)
            << ip << " " << interface;
    }
}

TEST(Order, ByAddressAsNumbersAndUnreadableAddressesLast)
{
    std::vector<DeviceEntry> entries;
    for (const char* ip : { "10.0.0.10", "", "10.0.0.9", "9.255.0.1", "10.0.1.1" })
        entries.push_back({ record("0-80-194-1-2-3", ip), {}, {} });
    sortByAddress(entries);
    QStringList order;
    for (const DeviceEntry& entry : entries)
        order << rowText(summaryRow(entry), u"ip"_s);
    EXPECT_THAT(order,
        ElementsAre(u"9.255.0.1"_s, u"10.0.0.9"_s, u"10.0.0.10"_s, u"10.0.1.1"_s, QString()));
}

TEST(Rows, DecodeTheFieldsAsTheWindowShowsThem)
{
    const DeviceEntry entry { "0-80-194-1-2-3,10.0.0.5,255.255.255.0,10.0.0.1,19200,4,1,"
                              "COPYRIGHT+TAVREN 2.3F,0,0.0.0.0,23,0000,5,16,10,TavA\rB\xea"
                              "C",
        u"eth0"_s, {} };
    const std::pair<const char*, QString> shown[] = { { "model", u"KRT-40/NX V5 2.3F"_s },
        { "firmware", u"2.3F"_s }, { "mode", u"server"_s }, { "parity", u"Even"_s },
        { "stopBits", u"2"_s }, { "dataBits", u"7"_s }, { "wiegand", u"^6^^5^^16^^10^"_s },
        { "login", u"A^13^B,C"_s }, { "interface", u"eth0"_s } };
    for (const auto& [field, text] : shown)
        EXPECT_EQ(rowText(detailRow(entry), QString::fromLatin1(field)), text) << field;
    // Byte 234 stays the code point 234 in the whole record.
    EXPECT_TRUE(rowText(detailRow(entry), u"record"_s).contains(QChar(234)));

    // A device without mode has none, and the earliest firmware shows 1.0A.
    const Row early = summaryRow(
        { "0-80-194-1-2-3,10.0.0.5,255.255.255.0,10.0.0.1,9600,0,0,TAVREN INC.", {}, {} });
    EXPECT_EQ(rowText(early, u"mode"_s), QString());
    EXPECT_EQ(rowText(early, u"firmware"_s), u"1.0A"_s);
    EXPECT_EQ(rowText(early, u"model"_s), u"1.0A"_s);
}

TEST(Filter, KeepsTheDevicesEveryConditionHoldsAndOneIsNamedByMacOrAddress)
{
    const DeviceEntry keyra { record("0-80-194-1-2-3", "10.1.0.5"), {}, { u"encrypted"_s } };
    const DeviceEntry other { record("0-80-194-1-2-4", "10.2.0.5"), {}, {} };
    const struct {
        const char *model, *subnet;
        QStringList flags;
        bool keyra, other;
    } cases[] = { { "", "", {}, true, true }, { "2.4f", "", {}, true, true },
        { "Pelix", "", {}, false, false }, { "", "10.1.0.0/16", {}, true, false },
        { "", "10.0.0.0/8", {}, true, true }, { "", "", { u"encrypted"_s }, true, false },
        { "", "10.2.0.0/16", { u"encrypted"_s }, false, false } };
    for (const auto& c : cases) {
        QString problem;
        const auto filter = parseFilter(
            QString::fromLatin1(c.model), QString::fromLatin1(c.subnet), c.flags, &problem);
        ASSERT_TRUE(filter) << problem.toStdString();
        EXPECT_EQ(matches(*filter, keyra), c.keyra) << c.model << c.subnet;
        EXPECT_EQ(matches(*filter, other), c.other) << c.model << c.subnet;
    }

    // A MAC or an address names one device; two holders of an address name none.
    const std::vector<DeviceEntry> found = { { record("0-80-194-1-2-3", "10.0.0.5"), {}, {} },
        { record("0-80-194-1-2-4", "10.0.0.6"), {}, {} },
        { record("0-80-194-1-2-5", "10.0.0.6"), {}, {} } };
    const struct {
        const char* named;
        const char* mac; // the device found, "" for none
        int status;
    } named[] = { { "0-80-194-1-2-4", "0-80-194-1-2-4", ExitSuccess },
        { "10.0.0.5", "0-80-194-1-2-3", ExitSuccess }, { "10.0.0.6", "", ExitUsage },
        { "0-80-194-1-2-9", "", ExitFailure }, { "10.0.0.9", "", ExitFailure } };
    for (const auto& c : named) {
        const QString named = QString::fromLatin1(c.named);
        const FoundDevice one = findOne(found, *parseSelector(named), named);
        EXPECT_EQ(one.device ? recordField(one.device->record, FLD_MAC) : "", c.mac) << c.named;
        EXPECT_EQ(one.exitStatus, c.status) << c.named;
        const auto first = findDevice(found, *parseSelector(named));
        EXPECT_EQ(first.has_value(), c.status != ExitFailure) << c.named;
    }
}

} // namespace
