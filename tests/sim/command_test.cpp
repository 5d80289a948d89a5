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
    const QByteArray login = "\xFE\xFF\x0B"_ba;
    // Addresses, MAC, then bauds FC parity databits.
    const QByteArray configA
        = head + "10.213.0.50\r255.255.255.0\r10.213.0.1\r"_ba + macPart + "57600\xFC\x04\x01"_ba;
    // Every part: host texts with an option byte 184, serial settings, then the socket mode.
    const QByteArray configB = head
        + "10.213.0.50\r255.255.255.0\r10.213.0.1\r10.213.0.2\r00105\r00\xB8"
          "0\r"_ba
        + macPart + "9600\xFC\0\0\x01"_ba;

    // Where a login's workstation suffix begins shows in the body, the text without it.
    TEST(DecodeCommand, EachEnvelopeAsTheJournalShowsIt)
    {
        const struct {
            QByteArray datagram;
            const char* line;
            std::optional<QByteArray> body {}; // of a login; none: its whole text
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
            { login + "AB\r\xEA", R"({"kind":"login","text":"AB\r\u00ea"})" },
            // The Wiegand envelope followed by a workstation identifier.
            { login + "\x03\x04\x03\x06\x05\x10\x0A\x03\x04\x03\x02WS01\x03",
                R"({"kind":"login","wiegand":[5,16,10],"workstation":"WS01",)"
                R"("text":"\u0003\u0004\u0003\u0006\u0005\u0010\n\u0003\u0004\u0003\u0002WS01\u0003"})",
                "\x03\x04\x03\x06\x05\x10\x0A\x03\x04\x03"_ba },
            { login + "\x07\x23", R"({"kind":"login","displayMode":35,"text":"\u0007#"})" },
            { login, R"({"kind":"login","text":""})" },
            { login + "TER:0007:\x02WS01\x03",
                R"({"kind":"login","workstation":"WS01","text":"TER:0007:\u0002WS01\u0003"})",
                "TER:0007:" },
            { login + "\x02WS01\x03",
                R"({"kind":"login","workstation":"WS01","text":"\u0002WS01\u0003"})", "" },
            // An empty identifier, or an ETX inside, is no suffix.
            { login + "AB\x02\x03", R"({"kind":"login","text":"AB\u0002\u0003"})" },
            { login + "A\2B\3C\3", R"({"kind":"login","text":"A\u0002B\u0003C\u0003"})" },
            // w3 = 2 ends the envelope in 02 03 04 03: not a suffix.
            { login + "\x03\x04\x03\x06\x61\x18\x02\x03\x04\x03",
                R"({"kind":"login","wiegand":[97,24,2],)"
                R"("text":"\u0003\u0004\u0003\u0006a\u0018\u0002\u0003\u0004\u0003"})" },
            { login + "\x03\x04\x03\x06\x05\x10\x0A\x03\x04\x03X",
                R"({"kind":"login","text":"\u0003\u0004\u0003\u0006\u0005\u0010\n\u0003\u0004\u0003X"})" },
            { login + "\x07\x3C\x02WS\x03",
                R"({"kind":"login","displayMode":60,"workstation":"WS","text":"\u0007<\u0002WS\u0003"})",
                "\x07\x3C"_ba },
            { login + "\x07\x3C\x3C", R"({"kind":"login","text":"\u0007<<"})" },
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
            const Command command = decodeCommand(c.datagram);
            const QJsonObject line = describeCommand(command);
            ASSERT_FALSE(expected.isEmpty()) << c.line;
            EXPECT_EQ(line, expected) << QJsonDocument(line).toJson(QJsonDocument::Compact).data();
            if (command.login) {
                EXPECT_EQ(command.login->body, c.body.value_or(command.login->text)) << c.line;
            }
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
