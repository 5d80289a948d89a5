#include "link/envelope.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

namespace linknode {
namespace {

    struct ReplyCase {
        std::string datagram;
        std::optional<std::string> record;
    };

    class ReplyRecordTest : public testing::TestWithParam<ReplyCase> { };

    TEST_P(ReplyRecordTest, TestsTheEnvelope)
    {
        const auto record = replyRecord(GetParam().datagram);
        EXPECT_EQ(record ? std::optional<std::string>(*record) : std::nullopt, GetParam().record);
    }

    INSTANTIATE_TEST_SUITE_P(Cases, ReplyRecordTest,
        testing::Values(ReplyCase { "\xFE\xFF\x31\x2C\x32", std::nullopt },
            ReplyCase { "\xFE\xFF\x31\x2C\x32\x33", "1,23" },
            ReplyCase { "\xFD\xFF\x31\x2C\x32\x33", "1,23" },
            ReplyCase { "\xFE\xFF\0\0\0\0"s, "\0\0\0\0"s },
            ReplyCase { "\xFF\xFE\x31\x2C\x32\x33", std::nullopt },
            ReplyCase { "\xFE\xFE\x31\x2C\x32\x33", std::nullopt },
            ReplyCase { "\xFC\xFF\x31\x2C\x32\x33", std::nullopt },
            ReplyCase { "1,2,3,4,5", std::nullopt }, ReplyCase { "", std::nullopt }));

    TEST(Enquiry, IsTheExact36Bytes)
    {
        const std::string expected = "\xFE\xFF\x01\xFF\x01"
                                     "0.0.0.0\r0.0.0.0\r0.0.0.0\r"
                                     "\xFD\0\0\0\0\0\0"s;
        const std::string enquiry = enquiryDatagram();
        ASSERT_EQ(enquiry.size(), 36u);
        EXPECT_EQ(enquiry, expected);
        EXPECT_EQ(static_cast<unsigned char>(enquiry[0]), 0xFE);
        EXPECT_EQ(enquiry[35], '\0');
    }

    TEST(Enquiry, IsTheConfigurationCommandWithZeroAddresses)
    {
        const NetworkConfig zero { .ip = "0.0.0.0", .mask = "0.0.0.0", .gateway = "0.0.0.0" };
        EXPECT_EQ(enquiryDatagram(), networkConfigDatagram(zero));
    }

    NetworkConfig baseConfig()
    {
        return { .ip = " 192.168.5.10 ",
            .mask = "255.255.0.0",
            .gateway = "192.168.5.1  ",
            .mac = { 0, 80, 194, 1, 0xFE, 0xFF } };
    }

    const std::string head = "\xFE\xFF\x01\xFF\x01"
                             "192.168.5.10\r255.255.0.0\r192.168.5.1\r";
    const std::string macPart = "\xFD\x00\x50\xC2\x01\xFE\xFF"s;

    TEST(NetworkConfigDatagram, AddressesOnly)
    {
        EXPECT_EQ(networkConfigDatagram(baseConfig()), head + macPart);
    }

    TEST(NetworkConfigDatagram, WithSerialSettings)
    {
        NetworkConfig config = baseConfig();
        config.serial = SerialSettings { .baud = " 9600 ", .parity = 0, .dataBits = 3 };
        EXPECT_EQ(networkConfigDatagram(config), head + macPart + "9600\xFC\x00\x03"s);
    }

    TEST(NetworkConfigDatagram, AllSixteenFields)
    {
        NetworkConfig config = baseConfig();
        config.host = HostSettings {
            .ip = "10.0.0.2 ", .port = " 5001", .options = "0100", .socketMode = 1
        };
        config.serial = SerialSettings { .baud = "115200", .parity = 2, .dataBits = 8 };
        EXPECT_EQ(networkConfigDatagram(config),
            head + "10.0.0.2\r5001\r0100\r" + macPart + "115200\xFC\x02\x08" + "\x01");
    }

    TEST(NetworkConfigDatagram, HostWithoutSerialEndsWithSocketMode)
    {
        NetworkConfig config = baseConfig();
        config.host = HostSettings { .ip = "10.0.0.2", .port = "5001", .options = "\xE9\x80 1" };
        EXPECT_EQ(networkConfigDatagram(config),
            head + "10.0.0.2\r5001\r\xE9\x80 1\r" + macPart + "\x00"s);
    }

    struct MacCase {
        std::string text;
        MacBytes expected;
    };

    class MacBytesTest : public testing::TestWithParam<MacCase> { };

    TEST_P(MacBytesTest, ReadsSixNumbers)
    {
        EXPECT_EQ(macBytes(GetParam().text), GetParam().expected);
    }

    INSTANTIATE_TEST_SUITE_P(Cases, MacBytesTest,
        testing::Values(MacCase { "0-80-194-1-2-3", { 0, 80, 194, 1, 2, 3 } },
            MacCase { "255-255-255-255-255-255", { 255, 255, 255, 255, 255, 255 } },
            MacCase { " 0- 80 -194-1-2-3 ", { 0, 80, 194, 1, 2, 3 } },
            MacCase { "0-80-194", { 0, 80, 194, 0, 0, 0 } },
            MacCase { "0-80-194-1-2-3-4", { 0, 80, 194, 1, 2, 3 } },
            MacCase { "1--3-x-5a-6", { 1, 0, 3, 0, 5, 6 } },
            MacCase { "256-300-1-2-3-4", { 0, 0, 1, 2, 3, 4 } }, MacCase { "", {} }));

} // namespace
} // namespace linknode
