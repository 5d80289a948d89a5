// Values typed on the command line: what passes and in which plain form.
#include "cli/run/arguments.h"

#include <gmock/gmock.h>

using namespace linknode;

namespace {

struct Case {
    const char* text;
    std::optional<std::string> parsed;
};

class MacArgument : public testing::TestWithParam<Case> { };

TEST_P(MacArgument, ParsesToTheDevicesOwnForm)
{
    const auto mac = parseMac(QString::fromLatin1(GetParam().text));
    EXPECT_EQ(mac ? std::optional(macText(*mac)) : std::nullopt, GetParam().parsed);
}

INSTANTIATE_TEST_SUITE_P(Cases, MacArgument,
    testing::Values(Case { "0-80-194-1-2-3", "0-80-194-1-2-3" },
        Case { "00:50:C2:01:02:03", "0-80-194-1-2-3" },
        Case { "00:50:c2:01:02:ff", "0-80-194-1-2-255" }, Case { "0-80-194-1-2", std::nullopt },
        Case { "0-80-194-1-2-256", std::nullopt }, Case { "0-0-0-0-0-0", std::nullopt },
        Case { "00:50:C2:01:02", std::nullopt }, Case { "00:50:C2:01:02:3", std::nullopt },
        Case { "10.0.0.1", std::nullopt }));

class AddressArgument : public testing::TestWithParam<Case> { };

TEST_P(AddressArgument, IsStrictAndPlain)
{
    EXPECT_EQ(parseAddress(QString::fromLatin1(GetParam().text)), GetParam().parsed);
}

INSTANTIATE_TEST_SUITE_P(Cases, AddressArgument,
    testing::Values(Case { "10.0.0.1", "10.0.0.1" }, Case { "010.000.0.1", "10.0.0.1" },
        Case { "10.0.0.256", std::nullopt }, Case { "10.0.0", std::nullopt },
        Case { "10.0.0.1.5", std::nullopt }, Case { " 10.0.0.1", std::nullopt },
        Case { "a.b.c.d", std::nullopt }));

TEST(DeviceAddressArgument, NeverTheZeroOrTheBroadcastAddress)
{
    EXPECT_EQ(parseDeviceAddress(QStringLiteral("10.0.0.5")), "10.0.0.5");
    EXPECT_FALSE(parseDeviceAddress(QStringLiteral("0.0.0.0")));
    EXPECT_FALSE(parseDeviceAddress(QStringLiteral("255.255.255.255")));
}

class MaskArgument : public testing::TestWithParam<Case> { };

TEST_P(MaskArgument, HasContiguousOnes)
{
    EXPECT_EQ(parseMask(QString::fromLatin1(GetParam().text)), GetParam().parsed);
}

INSTANTIATE_TEST_SUITE_P(Cases, MaskArgument,
    testing::Values(Case { "255.255.255.0", "255.255.255.0" },
        Case { "255.255.252.0", "255.255.252.0" }, Case { "255.255.0.255", std::nullopt },
        Case { "255.255.255.1", std::nullopt }, Case { "255.0.255.0", std::nullopt }));

TEST(PortArgument, IsOneTo65535InDigitsOnly)
{
    EXPECT_EQ(parsePort(QStringLiteral("2101")), "2101");
    EXPECT_EQ(parsePort(QStringLiteral("65535")), "65535");
    for (const char* bad : { "0", "65536", "21a", "-1", "", " 21" })
        EXPECT_FALSE(parsePort(QString::fromLatin1(bad))) << bad;
}

TEST(SelectorArgument, TellsAMacFromAnAddress)
{
    const auto byMac = parseSelector(QStringLiteral("0-80-194-1-2-3"));
    ASSERT_TRUE(byMac && byMac->mac);
    EXPECT_FALSE(byMac->ip);
    const auto byIp = parseSelector(QStringLiteral("10.0.0.7"));
    ASSERT_TRUE(byIp && byIp->ip);
    EXPECT_EQ(*byIp->ip, "10.0.0.7");
    EXPECT_FALSE(parseSelector(QStringLiteral("kitchen")));
}

TEST(SecondsArgument, IsBounded)
{
    EXPECT_EQ(parseSeconds(QStringLiteral("1.5"), 600), 1.5);
    EXPECT_FALSE(parseSeconds(QStringLiteral("-1"), 600));
    EXPECT_FALSE(parseSeconds(QStringLiteral("601"), 600));
    EXPECT_FALSE(parseSeconds(QStringLiteral("nan"), 600));
    EXPECT_FALSE(parseSeconds(QStringLiteral("soon"), 600));
}

} // namespace
