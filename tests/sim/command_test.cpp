#include "sim/command.h"
#include "sim/command_json.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace linknode::sim {
namespace {

    QByteArray bytes(std::initializer_list<int> values)
    {
        QByteArray out;
        for (const int v : values)
            out += static_cast<char>(v);
        return out;
    }

    const QByteArray enquiry = bytes({ 0xFE, 0xFF, 0x01, 0xFF, 0x01 })
        + "0.0.0.0\r0.0.0.0\r0.0.0.0\r" + bytes({ 0xFD, 0, 0, 0, 0, 0, 0 });

    const QByteArray macBytes = bytes({ 0, 80, 194, 1, 2, 3 });

    // Layout without the host part: addresses, FD, MAC, bauds FC parity databits.
    const QByteArray configA = bytes({ 0xFE, 0xFF, 0x01, 0xFF, 0x01 })
        + "10.213.0.50\r255.255.255.0\r10.213.0.1\r" + bytes({ 0xFD }) + macBytes + "57600"
        + bytes({ 0xFC, 4, 1 });

    // Every part: host texts with an option byte 184, then the socket mode.
    const QByteArray configB = bytes({ 0xFE, 0xFF, 0x01, 0xFF, 0x01 })
        + "10.213.0.50\r255.255.255.0\r10.213.0.1\r10.213.0.2\r00105\r00" + bytes({ 184 }) + "0\r"
        + bytes({ 0xFD }) + macBytes + "9600" + bytes({ 0xFC, 0, 0, 1 });

    TEST(DecodeCommand, KindOfEachEnvelope)
    {
        struct Case {
            QByteArray datagram;
            CommandKind kind;
        };
        const Case cases[] = {
            { enquiry, CommandKind::Enquiry },
            { configA, CommandKind::NetworkConfig },
            { configB, CommandKind::NetworkConfig },
            // Addresses and MAC only: still a configuration, not an enquiry.
            { bytes({ 0xFE, 0xFF, 0x01, 0xFF, 0x01 }) + "10.0.0.1\r255.0.0.0\r0.0.0.0\r"
                    + bytes({ 0xFD }) + macBytes,
                CommandKind::NetworkConfig },
            { bytes({ 0xFE, 0xFF, 0x02 }), CommandKind::ShowMac },
            { bytes({ 0xFE, 0xFF, 0x03 }) + "10.0.0.1\r23" + bytes({ 0x0E, 1 }),
                CommandKind::HostUpdate },
            { bytes({ 0xFE, 0xFF, 0x06 }) + "10.213.0.11", CommandKind::Reset },
            { bytes({ 0xFE, 0xFF, 0x0B }), CommandKind::Login },
            { bytes({ 0xFE, 0xF8, 0x08, 0x02 }) + "><ER0030" + bytes({ 0x03 }),
                CommandKind::Countdown },
            { bytes({ 0x01, 0xFF, 0xFF, 0x41, 0xFA }), CommandKind::TerminalMode },
            { bytes({ 0x01, 0xFF, 0xFF, 0x41, 0x02, 0xFB, 0x46, 0x44, 0x03 }),
                CommandKind::BootMode },
            { bytes({ 0x01, 0xFF, 0xFF, 0x54 }), CommandKind::TerminalPrefix },
            { bytes({ 0x02, 0x1B, '[', '2', 'J', 0x03 }), CommandKind::TerminalFrame },
            // Malformed or foreign datagrams.
            { QByteArray(), CommandKind::Unknown },
            { enquiry.left(35), CommandKind::Unknown },
            { enquiry + bytes({ 0x00 }), CommandKind::Unknown },
            { configA.left(configA.size() - 1), CommandKind::Unknown },
            { configA + bytes({ 1 }), CommandKind::Unknown }, // mode byte without host part
            { configB + bytes({ 0 }), CommandKind::Unknown },
            { bytes({ 0xFE, 0xFF, 0x01, 0xFF, 0x01 }) + "1\r2\r" + bytes({ 0xFD }) + macBytes,
                CommandKind::Unknown },
            { bytes({ 0xFE, 0xFF, 0x02, 0x00 }), CommandKind::Unknown },
            { bytes({ 0xFE, 0xFF, 0x03 }) + "10.0.0.1\r23" + bytes({ 0x0E }),
                CommandKind::Unknown },
            { bytes({ 0xFE, 0xF8, 0x08, 0x02 }) + "><ER" + bytes({ 0x03 }), CommandKind::Unknown },
            { bytes({ 0x01, 0xFF, 0xFF, 0x41, 0xFB }), CommandKind::Unknown },
            { bytes({ 0xFE, 0xFF }) + "0-80-194-1-2-3,10.0.0.1", CommandKind::Unknown },
            { "hello", CommandKind::Unknown },
        };
        for (const Case& c : cases) {
            const Command command = decodeCommand(c.datagram);
            EXPECT_EQ(kindName(command.kind), kindName(c.kind)) << c.datagram.toHex().toStdString();
            EXPECT_EQ(command.reason.isEmpty(), c.kind != CommandKind::Unknown)
                << c.datagram.toHex().toStdString();
        }
    }

    TEST(DecodeCommand, ConfigurationWithoutHostPart)
    {
        const Command command = decodeCommand(configA);
        ASSERT_TRUE(command.config);
        const NetworkConfig& config = *command.config;
        EXPECT_EQ(config.ip, "10.213.0.50");
        EXPECT_EQ(config.mask, "255.255.255.0");
        EXPECT_EQ(config.gateway, "10.213.0.1");
        EXPECT_FALSE(config.host);
        EXPECT_EQ(config.mac, (Mac { 0, 80, 194, 1, 2, 3 }));
        ASSERT_TRUE(config.serial);
        EXPECT_EQ(config.serial->bauds, "57600");
        EXPECT_EQ(config.serial->parity, 4);
        EXPECT_EQ(config.serial->databits, 1);
        EXPECT_FALSE(config.socketMode);
    }

    TEST(DecodeCommand, ConfigurationWithEveryPart)
    {
        const QJsonObject line = describeCommand(decodeCommand(configB));
        EXPECT_EQ(line.value(u"kind").toString(), u"network-config");
        EXPECT_EQ(line.value(u"mac").toString(), u"0-80-194-1-2-3");
        EXPECT_EQ(line.value(u"hostIp").toString(), u"10.213.0.2");
        EXPECT_EQ(line.value(u"hostPort").toString(), u"00105");
        EXPECT_EQ(line.value(u"options").toString(), QStringLiteral("00\u00b80"));
        EXPECT_EQ(line.value(u"bauds").toString(), u"9600");
        EXPECT_EQ(line.value(u"parity").toInt(-1), 0);
        EXPECT_EQ(line.value(u"databits").toInt(-1), 0);
        EXPECT_EQ(line.value(u"socketMode").toInt(-1), 1);
    }

    TEST(DecodeCommand, LoginCarriesRawTextAndCaretCommands)
    {
        const Command plain
            = decodeCommand(bytes({ 0xFE, 0xFF, 0x0B }) + "AB" + bytes({ 13, 234 }));
        EXPECT_EQ(plain.login->text, QByteArray("AB") + bytes({ 13, 234 }));
        EXPECT_FALSE(plain.login->wiegand);
        EXPECT_FALSE(plain.login->displayMode);

        // Wiegand envelope followed by a workstation identifier.
        const QJsonObject wiegand = describeCommand(
            decodeCommand(bytes({ 0xFE, 0xFF, 0x0B, 3, 4, 3, 6, 5, 16, 10, 3, 4, 3, 2 }) + "WS01"
                + bytes({ 3 })));
        EXPECT_EQ(wiegand.value(u"wiegand").toArray(), (QJsonArray { 5, 16, 10 }));

        const Command mode = decodeCommand(bytes({ 0xFE, 0xFF, 0x0B, 0x07, 0x23 }));
        EXPECT_EQ(mode.login->displayMode, 0x23);
    }

    TEST(DecodeCommand, HostUpdateResetAndCountdownFields)
    {
        const Command host
            = decodeCommand(bytes({ 0xFE, 0xFF, 0x03 }) + "192.168.5.1\r23" + bytes({ 0x0E, 1 }));
        EXPECT_EQ(host.host->ip, "192.168.5.1");
        EXPECT_EQ(host.host->port, "23");
        EXPECT_EQ(host.host->mode, 1);
        EXPECT_EQ(decodeCommand(bytes({ 0xFE, 0xFF, 0x06 }) + "10.213.0.11").text, "10.213.0.11");
        EXPECT_EQ(
            decodeCommand(bytes({ 0xFE, 0xF8, 0x08, 0x02 }) + "><ER12345" + bytes({ 0x03 })).text,
            "12345");
    }

    TEST(DecodeCommand, LocateFramesCarryCountAndChecksum)
    {
        struct Case {
            QByteArray datagram;
            const char16_t* purpose;
            int count;
            bool checksumOk;
        };
        const Case cases[] = {
            { bytes({ 0x02, 0xB3, 0xB3, 0xB3, 0xC7 }) + "36005E0" + bytes({ 3, 3 }), u"led-flash",
                5, true },
            { bytes({ 0x02, 0x07, 0x07, 0x07, 0xC7 }) + "36005DC" + bytes({ 3, 3 }), u"beep", 5,
                true },
            { bytes({ 0x02, 0x07, 0x07, 0x07, 0xC7 }) + "36005DD" + bytes({ 3, 3 }), u"beep", 5,
                false },
            { bytes({ 0x02, 0xB3, 0xB3, 0xB3, 0xC7 }) + "3610000C" + bytes({ 3, 3 }), u"led-flash",
                1000, true },
        };
        for (const Case& c : cases) {
            const QJsonObject line = describeCommand(decodeCommand(c.datagram));
            EXPECT_EQ(line.value(u"purpose").toString(), QString::fromUtf16(c.purpose));
            EXPECT_EQ(line.value(u"count").toInt(), c.count);
            EXPECT_EQ(line.value(u"checksumOk").toBool(), c.checksumOk)
                << c.datagram.toHex().toStdString();
        }
        const QJsonObject other
            = describeCommand(decodeCommand(bytes({ 0x02 }) + "HELLO" + bytes({ 0x03 })));
        EXPECT_EQ(other.value(u"purpose").toString(), u"other");
        EXPECT_EQ(other.value(u"body").toString(), u"HELLO");
        EXPECT_FALSE(other.contains(u"count"));
    }

} // namespace
} // namespace linknode::sim
