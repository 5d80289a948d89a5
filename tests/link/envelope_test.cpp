#include "link/envelope.h"

#include <gtest/gtest.h>

using namespace std::literals;

namespace linknode {
namespace {

    TEST(ReplyRecord, NeedsSixBytesStartingFeFfOrFdFfAndMacBytesGiveZeroForWhatIsNoByte)
    {
        const std::string longest(longestRecord, 'x');
        const struct {
            std::string datagram;
            std::optional<std::string> record;
            bool cut = false;
        } cases[] = { { "\xFE\xFF\x31\x2C\x32", std::nullopt },
            { "\xFE\xFF\x31\x2C\x32\x33", "1,23" }, { "\xFD\xFF\x31\x2C\x32\x33", "1,23" },
            { "\xFE\xFF\0\0\0\0"s, "\0\0\0\0"s }, { "\xFF\xFE\x31\x2C\x32\x33", std::nullopt },
            { "\xFE\xFE\x31\x2C\x32\x33", std::nullopt },
            { "\xFC\xFF\x31\x2C\x32\x33", std::nullopt }, { "\xFE\xFF" + longest, longest },
            { "\xFD\xFF" + longest + "y", longest, true },
            { "\xFE\xFF" + longest + std::string(70000 - longestRecord, 'y'), longest, true },
            { "\xFF\xFF" + longest + "y", std::nullopt } };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.datagram.size());
            const auto reply = replyRecord(c.datagram);
            ASSERT_EQ(reply.has_value(), c.record.has_value());
            if (reply) {
                EXPECT_EQ(reply->record, *c.record);
                EXPECT_EQ(reply->cut, c.cut);
            }
        }

        // MAC bytes: six numbers, zero for what is no byte.
        const struct {
            const char* text;
            MacBytes expected;
        } macs[] = { { "0-80-194-1-2-3", { 0, 80, 194, 1, 2, 3 } },
            { " 0- 80 -194-1-2-255 ", { 0, 80, 194, 1, 2, 255 } },
            { "0-80-194", { 0, 80, 194, 0, 0, 0 } },
            { "0-80-194-1-2-3-4", { 0, 80, 194, 1, 2, 3 } },
            { "1--3-x-5a-6", { 1, 0, 3, 0, 5, 6 } }, { "256-300-1-2-3-4", { 0, 0, 1, 2, 3, 4 } } };
        for (const auto& c : macs)
            EXPECT_EQ(macBytes(c.text), c.expected) << c.text;
    }

    TEST(NetworkConfigDatagram, EachLayoutWithTrimmedTextsTheEnquiryWithZeroAddresses)
    {
        const std::string enquiry = enquiryDatagram();
        EXPECT_EQ(enquiry,
            "\xFE\xFF\x01\xFF\x01"
            "0.0.0.0\r0.0.0.0\r0.0.0.0\r\xFD\0\0\0\0\0\0"s);
        const NetworkConfig zero { .ip = "0.0.0.0", .mask = "0.0.0.0", .gateway = "0.0.0.0" };
        EXPECT_EQ(enquiry, networkConfigDatagram(zero));

        // Each layout, with trimmed texts.
        const std::string head = "\xFE\xFF\x01\xFF\x01"
                                 "192.168.5.10\r255.255.0.0\r192.168.5.1\r";
        const std::string macPart = "\xFD\x00\x50\xC2\x01\xFE\xFF"s;
        const NetworkConfig base { .ip = " 192.168.5.10 ",
            .mask = "255.255.0.0",
            .gateway = "192.168.5.1  ",
            .mac = { 0, 80, 194, 1, 0xFE, 0xFF } };
        const SerialSettings serial { .baud = " 9600 ", .parity = 2, .dataBits = 3 };
        const HostSettings host { .ip = "10.0.0.2 ", .port = " 5001", .options = "\xE9\x80 1" };
        NetworkConfig withSerial = base, withHost = base, withBoth = base;
        withSerial.serial = withBoth.serial = serial;
        withHost.host = withBoth.host = host;
        withBoth.host->socketMode = 1;

        EXPECT_EQ(networkConfigDatagram(base), head + macPart);
        EXPECT_EQ(networkConfigDatagram(withSerial), head + macPart + "9600\xFC\x02\x03");
        EXPECT_EQ(networkConfigDatagram(withHost),
            head + "10.0.0.2\r5001\r\xE9\x80 1\r" + macPart + "\x00"s);
        EXPECT_EQ(networkConfigDatagram(withBoth),
            head + "10.0.0.2\r5001\r\xE9\x80 1\r" + macPart + "9600\xFC\x02\x03\x01");
    }

} // namespace
} // namespace linknode
