#include "link/ipv4.h"

#include <gtest/gtest.h>

namespace linknode {
namespace {

    TEST(ParseIpv4, ReadsFourOctetsUpTo255AndRejectsAnyOtherShape)
    {
        EXPECT_EQ(parseIPv4("192.168.1.20"), (IPv4Octets { 192, 168, 1, 20 }));
        EXPECT_EQ(parseIPv4("0.0.0.0"), (IPv4Octets { 0, 0, 0, 0 }));
        EXPECT_EQ(parseIPv4("255.255.255.255"), (IPv4Octets { 255, 255, 255, 255 }));
        EXPECT_EQ(parseIPv4("010.001.000.099"), (IPv4Octets { 10, 1, 0, 99 }));
        for (const char* bad : { "192.168.1.256", "999.1.1.1", "1.2.3.0255", "1.2.3", "1.2.3.4.5",
                 "1.2.3.", ".1.2.3", "1..2.3", "", "a.b.c.d", "1.2.3.4a", "1.2.3.-4", "1.2.3.+4",
                 " 1.2.3.4", "1.2.3.4 ", "1. 2.3.4" })
            EXPECT_EQ(parseIPv4(bad), std::nullopt) << bad;
        // The octets keep their order in an address.
        EXPECT_EQ(toHostAddress({ 192, 168, 5, 20 }), QHostAddress(QStringLiteral("192.168.5.20")));
    }

} // namespace
} // namespace linknode
