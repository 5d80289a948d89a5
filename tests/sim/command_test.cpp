#include "sim/command.h"
#include "sim/command_json.h"

#include <QJsonDocument>
#include <gtest/gtest.h>

namespace linknode::sim {
namespace {

    using namespace Qt::StringLiterals;

    const QByteArray head = "\xFE\xFF\x01\xFF\x01"_ba;
    const QByteArray macPart = "\xFD\x00\x50\xC2\x01\x02\x03"_ba; // FD, then 0-80-194-1-2-3
    const QByteArray enquiry = head + "0.0.0.0\r0.0.0.0\r0.0.0.0\r\xFD\0\0\0\0\0\0"_ba;
    // Addresses, MAC, then bauds FC parity databits.
    const QByteArray configA
        = head + "10.213.0.50\r255.255.255.0\r10.213.0.1\r"_ba + macPart + "57600\xFC\x04\x01"_ba;
    // Every part: host texts with an option byte 184, serial settings, then the socket mode.
    const QByteArray configB = head
        + "10.213.0.50\r255.255.255.0\r10.213.0.1\r10.213.0.2\r00105\r00\xB8"
          "0\r"_ba
        + macPart + "9600\xFC\0\0\x01"_ba;

    TEST(DecodeCommand, EachEnvelopeAsTheJournalShowsIt)
    {
        const struct {
            QByteArray datagram;
            const char* line;
        } cases[] = {
            { enquiry, R"({"kind":"enquiry"})" },
            { configA,
                R"({"kind":"network-config","ip":"10.213.0.50","mask":"255.255.255.0",)"
                R"("gateway":"10.213.0.1","mac":"0-80-194-1-2-3","bauds":"57600","parity":4,)"
                R"("databits":1})" },
            { configB,
                R"({"kind":"network-config","ip":"10.213.0.50","mask":"255.255.255.0",)"
                R"("gateway":"10.213.0.1","hostIp":"10.213.0.2","hostPort":"00105",)"
                R"("options":"00\u00b80","mac":"0-80-194-1-2-3","bauds":"9600","parity":0,)"
                R"("databits":0,"socketMode":1})" },
            // Addresses and MAC only: still a configuration, not an enquiry.
            { head + "10.0.0.1\r255.0.0.0\r0.0.0.0\r"_ba + macPart,
                R"({"kind":"network-config","ip":"10.0.0.1","mask":"255.0.0.0",)"
                R"("gateway":"0.0.0.0","mac":"0-80-194-1-2-3"})" },
            { "\xFE\xFF\x02"_ba, R"({"kind":"show-mac"})" },
            { "\xFE\xFF\x03"_ba + "192.168.5.1\r23\x0E\x01",
                R"({"kind":"host-update","hostIp":"192.168.5.1","hostPort":"23","mode":1})" },
            { "\xFE\xFF\x06"_ba + "10.213.0.11", R"({"kind":"reset","ip":"10.213.0.11"})" },
            { "\xFE\xF8\x08\x02><ER12345\x03"_ba, R"({"kind":"countdown","value":"12345"})" },
            { "\xFE\xFF\x0B"_ba + "AB\r\xEA", R"({"kind":"login","text":"AB\r\u00ea"})" },
            // The Wiegand envelope followed by a workstation identifier.
            { "\xFE\xFF\x0B\x03\x04\x03\x06\x05\x10\x0A\x03\x04\x03\x02WS01\x03"_ba,
                R"({"kind":"login","wiegand":[5,16,10],"workstation":"WS01",)"
                R"("text":"\u0003\u0004\u0003\u0006\u0005\u0010\n\u0003\u0004\u0003\u0002WS01\u0003"})" },
            { "\xFE\xFF\x0B\x07\x23"_ba, R"({"kind":"login","displayMode":35,"text":"\u0007#"})" },
            { "\x01\xFF\xFF\x41\xFA"_ba, R"({"kind":"terminal-mode"})" },
            { "\x01\xFF\xFF\x41\x02\xFB\x46\x44\x03"_ba, R"({"kind":"boot-mode"})" },
            { "\x01\xFF\xFF\x54"_ba, R"({"kind":"terminal-prefix"})" },
            { "\x02\x1B[2J\x03"_ba,
                R"({"kind":"terminal-frame","purpose":"clear","body":"\u001b[2J"})" },
            { "\x02\xB3\xB3\xB3\xC7"_ba + "36005E0\x03\x03",
                R"({"kind":"terminal-frame","purpose":"led-flash","count":5,"checksumOk":true,)"
                R"("body":"\u00b3\u00b3\u00b3\u00c736005E0"})" },
            { "\x02\x07\x07\x07\xC7"_ba + "36005DD\x03\x03",
                R"({"kind":"terminal-frame","purpose":"beep","count":5,"checksumOk":false,)"
                R"("body":"\u0007\u0007\u0007\u00c736005DD"})" },
            { "\x02\xB3\xB3\xB3\xC7"_ba + "3610000C\x03\x03",
                R"({"kind":"terminal-frame","purpose":"led-flash","count":1000,)"
                R"("checksumOk":true,"body":"\u00b3\u00b3\u00b3\u00c73610000C"})" },
            { "\x02HELLO\x03"_ba, R"({"kind":"terminal-frame","purpose":"other","body":"HELLO"})" },
        };
        for (const auto& c : cases) {
            const QJsonObject expected = QJsonDocument::fromJson(c.line).object();
            const QJsonObject line = describeCommand(decodeCommand(c.datagram));
            ASSERT_FALSE(expected.isEmpty()) << c.line;
            EXPECT_EQ(line, expected) << QJsonDocument(line).toJson(QJsonDocument::Compact).data();
        }
    }

    // Where the login text ends and the workstation suffix begins, and which command it is.
    TEST(DecodeCommand, LoginPartsAndWorkstationSuffix)
    {
        using Wiegand = std::array<quint8, 3>;
        const struct {
            const char* name;
            QByteArray text;
            std::optional<QByteArray> body; // none: the whole text
            std::optional<QByteArray> workstation;
            std::optional<Wiegand> wiegand;
            std::optional<quint8> displayMode;
        } cases[] = {
            { "empty login", "", {}, {}, {}, {} },
            { "plain login with suffix", "TER:0007:\x02WS01\x03"_ba, "TER:0007:", "WS01", {}, {} },
            { "suffix alone", "\x02WS01\x03"_ba, "", "WS01", {}, {} },
            { "empty identifier is no suffix", "AB\x02\x03"_ba, {}, {}, {}, {} },
            { "ETX inside is no suffix", "A\2B\3C\3"_ba, {}, {}, {}, {} },
            // w3 = 2 ends the envelope in 02 03 04 03: not a suffix.
            { "Wiegand ending in byte 2", "\x03\x04\x03\x06\x61\x18\x02\x03\x04\x03"_ba, {}, {},
                Wiegand { 0x61, 0x18, 2 }, {} },
            { "Wiegand with trailing bytes", "\x03\x04\x03\x06\x05\x10\x0A\x03\x04\x03X"_ba, {}, {},
                {}, {} },
            { "display mode with suffix", "\x07\x3C\x02WS\x03"_ba, "\x07\x3C"_ba, "WS", {}, 0x3C },
            { "display mode with extra byte", "\x07\x3C\x3C"_ba, {}, {}, {}, {} },
        };
        for (const auto& c : cases) {
            const Command command = decodeCommand("\xFE\xFF\x0B"_ba + c.text);
            ASSERT_EQ(command.kind, CommandKind::Login) << c.name;
            EXPECT_EQ(command.login->text, c.text) << c.name;
            EXPECT_EQ(command.login->body, c.body.value_or(c.text)) << c.name;
            EXPECT_EQ(command.login->workstation, c.workstation) << c.name;
            EXPECT_EQ(command.login->wiegand, c.wiegand) << c.name;
            EXPECT_EQ(command.login->displayMode, c.displayMode) << c.name;
        }
    }

    TEST(DecodeCommand, MalformedOrForeignDatagramsAreUnknownWithAReason)
    {
        const QByteArray unknown[] = {
            {},
            enquiry.left(35),
            enquiry + '\0',
            configA.chopped(1),
            configA + '\x01', // mode byte without host part
            configB + '\0',
            head + "1\r2\r"_ba + macPart,
            "\xFE\xFF\x02\x00"_ba,
            "\xFE\xFF\x03"_ba + "10.0.0.1\r23\x0E",
            "\xFE\xF8\x08\x02><ER\x03"_ba,
            "\x01\xFF\xFF\x41\xFB"_ba,
            "\xFE\xFF"_ba + "0-80-194-1-2-3,10.0.0.1",
            "hello",
        };
        for (const QByteArray& datagram : unknown) {
            const Command command = decodeCommand(datagram);
            EXPECT_EQ(command.kind, CommandKind::Unknown) << datagram.toHex().toStdString();
            EXPECT_FALSE(command.reason.isEmpty()) << datagram.toHex().toStdString();
        }
    }

    // The names --silent-on takes are the journal's, and only those.
    TEST(DecodeCommand, KindNamesReadBackToTheirKinds)
    {
        for (int k = 0; k < static_cast<int>(CommandKind::Unknown); ++k) {
            const auto kind = static_cast<CommandKind>(k);
            EXPECT_EQ(kindNamed(kindName(kind)), kind) << kindName(kind).toStdString();
        }
        for (const char* name : { "", "unknown", "Enquiry", "network-config ", "config" })
            EXPECT_EQ(kindNamed(QString::fromLatin1(name)), std::nullopt) << name;
    }

} // namespace
} // namespace linknode::sim
