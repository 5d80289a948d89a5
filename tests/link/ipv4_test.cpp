#include "link/ipv4.h"

#include <gtest/gtest.h>

namespace linknode {
namespace {

    struct Ipv4Case {
        std::string text;
        std::optional<IPv4Octets> expected;
    };

    class ParseIpv4Test : public testing::TestWithParam<Ipv4Case> { };

    TEST_P(ParseIpv4Test, ParsesStrictly)
    {
        EXPECT_EQ(parseIPv4(GetParam().text), GetParam().expected) << GetParam().text;
    }

    INSTANTIATE_TEST_SUITE_P(Valid, ParseIpv4Test,
        testing::Values(Ipv4Case { "192.168.1.20", IPv4Octets { 192, 168, 1, 20 } },
            Ipv4Case { "0.0.0.0", IPv4Octets { 0, 0, 0, 0 } },
            Ipv4Case { "255.255.255.255", IPv4Octets { 255, 255, 255, 255 } },
            Ipv4Case { "010.001.000.099", IPv4Octets { 10, 1, 0, 99 } }));

    INSTANTIATE_TEST_SUITE_P(Rejected, ParseIpv4Test,
        testing::Values(Ipv4Case { "192.168.1.256", std::nullopt },
            Ipv4Case { "192.168.1.300", std::nullopt }, Ipv4Case { "999.1.1.1", std::nullopt },
            Ipv4Case { "1.2.3.0255", std::nullopt }, Ipv4Case { "1.2.3", std::nullopt },
            Ipv4Case { "1.2.3.4.5", std::nullopt }, Ipv4Case { "1.2.3.", std::nullopt },
            Ipv4Case { ".1.2.3", std::nullopt }, Ipv4Case { "1..2.3", std::nullopt },
            Ipv4Case { "", std::nullopt }, Ipv4Case { "a.b.c.d", std::nullopt },
            Ipv4Case { "1.2.3.4a", std::nullopt }, Ipv4Case { "1.2.3.-4", std::nullopt },
            Ipv4Case { " 1.2.3.4", std::nullopt }, Ipv4Case { "1.2.3.4 ", std::nullopt },
            Ipv4Case { "1. 2.3.4", std::nullopt }, Ipv4Case { "1.2.3.+4", std::nullopt }));

    TEST(ToHostAddress, KeepsOctetOrder)
    {
        EXPECT_EQ(toHostAddress({ 192, 168, 5, 20 }), QHostAddress(QStringLiteral("192.168.5.20")));
        EXPECT_EQ(toHostAddress({ 255, 255, 255, 255 }), QHostAddress(QHostAddress::Broadcast));
    }

} // namespace
} // namespace linknode
