#include "sim/address.h"

#include <gtest/gtest.h>

namespace linknode::sim {
namespace {

    TEST(Address, ParsesOnlyStrictDottedQuadsAndMacTexts)
    {
        EXPECT_EQ(parseIpv4("10.213.0.11"), 0x0AD5000Bu);
        EXPECT_EQ(parseIpv4("255.255.255.255"), 0xFFFFFFFFu);
        for (const char* bad : { "", "1.2.3", "1.2.3.4.5", "1..2.3", " 1.2.3.4", "1.2.3.256",
                 "1.2.3.4 ", "1.2.3.0004", "a.b.c.d" })
            EXPECT_FALSE(parseIpv4(bad)) << bad;
        const auto mac = parseMac("0-80-194-1-2-255");
        ASSERT_TRUE(mac);
        EXPECT_EQ(*mac, (Mac { 0, 80, 194, 1, 2, 255 }));
        EXPECT_EQ(formatMac(*mac), "0-80-194-1-2-255");
        for (const char* bad :
            { "0-80-194-1-2", "0-80-194-1-2-3-4", "0-80-194-1-2-256", "0:80:194:1:2:3" })
            EXPECT_FALSE(parseMac(bad)) << bad;
    }

} // namespace
} // namespace linknode::sim
