#include "sim/address.h"
#include "sim/device.h"

#include <gtest/gtest.h>

namespace linknode::sim {
namespace {

    Device fullDevice()
    {
        return Device { .mac = "0-80-194-1-2-3",
            .ip = "10.213.0.11",
            .mask = "255.255.255.0",
            .gateway = "10.213.0.1",
            .bauds = "9600",
            .parity = "4",
            .databits = "1",
            .version = "COPYRIGHT!TAVREN CONDUIT 2.4F",
            .mode = "1",
            .hostIp = "10.213.0.1",
            .hostPort = "2101V",
            .options = QByteArray("48") + char(184) + '9',
            .wiegand = { "5", "16", "10" },
            .login = QByteArray("TavA\rB") + char(234) + "C\t\n" };
    }

    TEST(RecordText, KeepsEveryByteOfEveryField)
    {
        const QByteArray expected
            = QByteArray("0-80-194-1-2-3,10.213.0.11,255.255.255.0,10.213.0.1,"
                         "9600,4,1,COPYRIGHT!TAVREN CONDUIT 2.4F,1,"
                         "10.213.0.1,2101V,48")
            + char(184) + "9,5,16,10,TavA\rB" + char(234) + "C\t\n";
        EXPECT_EQ(recordText(fullDevice()), expected);
    }

    TEST(RecordText, ShortRecordsEndAfterTheirLastField)
    {
        const struct {
            int fields;
            QByteArray tail;
        } cases[] = {
            { 1, "0-80-194-1-2-3" },
            { 9, ",COPYRIGHT!TAVREN CONDUIT 2.4F,1" },
            { 15, ",16,10" },
        };
        for (const auto& c : cases) {
            Device device = fullDevice();
            device.fields = c.fields;
            const QByteArray record = recordText(device);
            EXPECT_EQ(record.count(','), c.fields - 1) << c.fields;
            EXPECT_TRUE(record.endsWith(c.tail)) << c.fields << ": " << record.toStdString();
        }
    }

    TEST(Address, ParsesOnlyStrictDottedQuads)
    {
        EXPECT_EQ(parseIpv4("10.213.0.11"), 0x0AD5000Bu);
        EXPECT_EQ(parseIpv4("255.255.255.255"), 0xFFFFFFFFu);
        for (const char* bad : { "", "1.2.3", "1.2.3.4.5", "1..2.3", " 1.2.3.4", "1.2.3.256",
                 "1.2.3.4 ", "1.2.3.0004", "a.b.c.d" })
            EXPECT_FALSE(parseIpv4(bad)) << bad;
    }

    TEST(Address, MacTextRoundTrips)
    {
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
