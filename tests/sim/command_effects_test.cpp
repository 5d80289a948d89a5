#include "sim/command_effects.h"
#include "sim/delivery.h"

#include <QJsonDocument>
#include <gtest/gtest.h>
#include <numeric>

namespace linknode::sim {
namespace {

    using namespace Qt::StringLiterals;

    Device board(const QByteArray& mac = "0-80-194-1-2-3", const QByteArray& ip = "10.213.0.11")
    {
        return Device { .mac = mac,
            .ip = ip,
            .mask = "255.255.255.0",
            .gateway = "10.213.0.1",
            .bauds = "9600",
            .parity = "0",
            .databits = "0",
            .version = "COPYRIGHT+TAVREN KRT-40 2.4F",
            .mode = "1",
            .hostIp = "10.213.0.1",
            .hostPort = "2101",
            .options = "0000",
            .wiegand = { "1", "1", "1" },
            .login = "TavOLD" };
    }

    // Decodes `datagram`, narrows the fleet to the devices it is for, and applies it.
    Outcome applyDatagram(std::vector<Device>& fleet, const QByteArray& datagram, double now = 0,
        bool announced = true, std::optional<CommandKind> fallSilentOn = std::nullopt)
    {
        std::vector<size_t> all(fleet.size());
        std::iota(all.begin(), all.end(), size_t { 0 });
        const Command command = decodeCommand(datagram);
        return applyCommand(fleet, addressedDevices(fleet, all, command), command,
            EffectContext { .now = now,
                .resetPause = 1.0,
                .restartPause = 1.0,
                .announced = announced,
                .fallSilentOn = fallSilentOn });
    }

    QJsonObject json(const char* text)
    {
        return QJsonDocument::fromJson(text).object();
    }

    std::string show(const QJsonObject& object)
    {
        return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
    }

    QJsonObject stateOf(const Device& device)
    {
        const DeviceState& s = device.state;
        QJsonObject state { { u"operating"_s,
                                s.operating == DeviceState::Operating::Boot ? u"boot"_s
                                                                            : u"terminal"_s },
            { u"countdown"_s, QString::fromLatin1(s.countdown) },
            { u"workstation"_s, QString::fromLatin1(s.workstation) },
            { u"shown"_s, QString::fromLatin1(s.shown) }, { u"ledFlashes"_s, s.ledFlashes },
            { u"beeps"_s, s.beeps }, { u"screenClears"_s, s.screenClears },
            { u"deafUntil"_s, s.deafUntil }, { u"deafBecause"_s, s.deafBecause } };
        if (s.displayMode)
            state.insert(u"displayMode", *s.displayMode);
        return state;
    }

    const QByteArray configHead = "\xFE\xFF\x01\xFF\x01"_ba;
    const QByteArray macBytes = "\xFD\x00\x50\xC2\x01\x02\x03"_ba; // FD, then 0-80-194-1-2-3

    TEST(CommandEffects, RecordFollowsTheCommandFieldByField)
    {
        const QByteArray base = recordText(board());
        const struct {
            const char* name;
            QByteArray datagram;
            bool modeOption;
            const char* applied;
            QByteArray record;
        } cases[] = {
            { "layout A leaves the host group",
                configHead + "10.213.0.50\r255.255.0.0\r10.213.0.254\r"_ba + macBytes
                    + "57600\xFC\x04\x01"_ba,
                true,
                R"({"ip":"10.213.0.50","mask":"255.255.0.0","gateway":"10.213.0.254",)"
                R"("bauds":"57600","parity":"4","databits":"1","silentFor":1})",
                "0-80-194-1-2-3,10.213.0.50,255.255.0.0,10.213.0.254,57600,4,1,"
                "COPYRIGHT+TAVREN KRT-40 2.4F,1,10.213.0.1,2101,0000,1,1,1,TavOLD" },
            { "layout B sets every field",
                configHead
                    + "10.213.0.50\r255.255.255.0\r10.213.0.1\r10.213.0.2\r00105\r00\xB8"
                      "9\r"_ba
                    + macBytes + "19200\xFC\x02\x00\x00"_ba,
                true,
                R"({"ip":"10.213.0.50","mask":"255.255.255.0","gateway":"10.213.0.1",)"
                R"("hostIp":"10.213.0.2","hostPort":"00105","options":"00\u00b89",)"
                R"("bauds":"19200","parity":"2","databits":"0","mode":"0","silentFor":1})",
                "0-80-194-1-2-3,10.213.0.50,255.255.255.0,10.213.0.1,19200,2,0,"
                "COPYRIGHT+TAVREN KRT-40 2.4F,0,10.213.0.2,00105,00\xB8"
                "9,1,1,1,TavOLD"_ba },
            { "layout B to a board without the mode option",
                configHead + "10.213.0.50\r255.255.255.0\r10.213.0.1\r10.213.0.2\r23\r0780\r"_ba
                    + macBytes + "9600\xFC\x00\x00\x01"_ba,
                false,
                R"({"ip":"10.213.0.50","mask":"255.255.255.0","gateway":"10.213.0.1",)"
                R"("bauds":"9600","parity":"0","databits":"0","silentFor":1})",
                "0-80-194-1-2-3,10.213.0.50,255.255.255.0,10.213.0.1,9600,0,0,"
                "COPYRIGHT+TAVREN KRT-40 2.4F,,10.213.0.1,2101,0000,1,1,1,TavOLD" },
            { "host update",
                "\xFE\xFF\x03"
                "192.168.5.1\r10001U\x0E\x00"_ba,
                true, R"({"hostIp":"192.168.5.1","hostPort":"10001U","mode":"0"})",
                QByteArray(base).replace(",1,10.213.0.1,2101,", ",0,192.168.5.1,10001U,") },
            // The MQTT settings travel the same way: CR-ended items with commas inside.
            { "plain login keeps commas as byte 234",
                "\xFE\xFF\x0B"
                "A,B\rC~"_ba,
                true, R"({"login":"TavA\u00eaB\rC~","workstation":""})",
                QByteArray(base).replace("TavOLD",
                    "TavA\xEA"
                    "B\rC~") },
            { "cleared login", "\xFE\xFF\x0B"_ba, true, R"({"login":"Tav","workstation":""})",
                QByteArray(base).replace("TavOLD", "Tav") },
            { "login with workstation suffix",
                "\xFE\xFF\x0B"
                "TER:0007:\x02WS01\x03"_ba,
                true, R"({"login":"TavTER:0007:","workstation":"WS01"})",
                QByteArray(base).replace("TavOLD", "TavTER:0007:") },
            { "Wiegand envelope sets fields 12 to 14",
                "\xFE\xFF\x0B\x03\x04\x03\x06\x05\x10\x0A\x03\x04\x03\x02WS01\x03"_ba, true,
                R"({"wiegand":["5","16","10"],"workstation":"WS01"})",
                QByteArray(base).replace(",1,1,1,", ",5,16,10,") },
        };
        for (const auto& c : cases) {
            std::vector<Device> fleet { board() };
            if (!c.modeOption)
                fleet[0].mode.clear();
            const Outcome outcome = applyDatagram(fleet, c.datagram);
            EXPECT_TRUE(outcome.rejected.isEmpty())
                << c.name << ": " << outcome.rejected.toStdString();
            EXPECT_EQ(outcome.applied, json(c.applied)) << c.name << ": " << show(outcome.applied);
            EXPECT_EQ(recordText(fleet[0]), c.record) << c.name;
        }
    }

    TEST(CommandEffects, DeviceStateFollowsTheCommand)
    {
        const struct {
            const char* name;
            std::vector<QByteArray> datagrams;
            const char* applied; // of the last datagram
            const char* state; // the keys that differ from a fresh device
        } cases[] = {
            { "display mode", { "\xFE\xFF\x0B\x07\x23"_ba }, R"({"displayMode":35})",
                R"({"displayMode":35})" },
            { "countdown mode, then its value",
                { "\xFE\xFF\x0B\x07\x3C"_ba, "\xFE\xF8\x08\x02><ER0090\x03"_ba },
                R"({"countdown":"0090"})", R"({"displayMode":60,"countdown":"0090"})" },
            { "boot mode", { "\x01\xFF\xFF\x41\x02\xFB\x46\x44\x03"_ba }, R"({"operating":"boot"})",
                R"({"operating":"boot"})" },
            { "boot, then terminal mode",
                { "\x01\xFF\xFF\x41\x02\xFB\x46\x44\x03"_ba, "\x01\xFF\xFF\x41\xFA"_ba },
                R"({"operating":"terminal"})", "{}" },
            { "show MAC", { "\xFE\xFF\x02"_ba },
                R"({"shown":{"0-80-194-1-2-3":"0-80-194-1-2-3 10.213.0.11"}})",
                R"({"shown":"0-80-194-1-2-3 10.213.0.11"})" },
            { "LED flash twice",
                { "\x02\xB3\xB3\xB3\xC7"
                  "36005E0\x03\x03"_ba,
                    "\x02\xB3\xB3\xB3\xC7"
                    "36005E0\x03\x03"_ba },
                R"({"locate":"led-flash"})", R"({"ledFlashes":2})" },
            { "beep",
                { "\x02\x07\x07\x07\xC7"
                  "36005DC\x03\x03"_ba },
                R"({"locate":"beep"})", R"({"beeps":1})" },
            { "terminal clear", { "\x02\x1B[2J\x03"_ba }, R"({"screen":"cleared"})",
                R"({"screenClears":1})" },
            { "reset from boot mode",
                { "\x01\xFF\xFF\x41\x02\xFB\x46\x44\x03"_ba,
                    "\xFE\xFF\x06"
                    "10.213.0.11"_ba },
                R"({"silentFor":1})", R"({"deafUntil":1,"deafBecause":"resetting"})" },
            { "a changed configuration restarts the device from boot mode",
                { "\x01\xFF\xFF\x41\x02\xFB\x46\x44\x03"_ba,
                    configHead + "10.213.0.50\r255.255.255.0\r10.213.0.1\r"_ba + macBytes },
                R"({"ip":"10.213.0.50","mask":"255.255.255.0","gateway":"10.213.0.1",)"
                R"("silentFor":1})",
                R"({"deafUntil":1,"deafBecause":"restarting"})" },
            { "the configuration it already has restarts nothing",
                { "\x01\xFF\xFF\x41\x02\xFB\x46\x44\x03"_ba,
                    configHead + "10.213.0.11\r255.255.255.0\r10.213.0.1\r"_ba + macBytes },
                R"({"ip":"10.213.0.11","mask":"255.255.255.0","gateway":"10.213.0.1"})",
                R"({"operating":"boot"})" },
            { "workstation kept by a Wiegand command without suffix",
                { "\xFE\xFF\x0B\x02WS01\x03"_ba,
                    "\xFE\xFF\x0B\x03\x04\x03\x06\x05\x10\x0A\x03\x04\x03"_ba },
                R"({"wiegand":["5","16","10"]})", R"({"workstation":"WS01"})" },
        };
        for (const auto& c : cases) {
            std::vector<Device> fleet { board() };
            QJsonObject expected = stateOf(fleet[0]);
            const QJsonObject changed = json(c.state);
            for (auto it = changed.begin(); it != changed.end(); ++it)
                expected.insert(it.key(), it.value());
            Outcome outcome;
            for (const QByteArray& datagram : c.datagrams)
                outcome = applyDatagram(fleet, datagram);
            EXPECT_EQ(outcome.applied, json(c.applied)) << c.name << ": " << show(outcome.applied);
            EXPECT_EQ(stateOf(fleet[0]), expected) << c.name << ": " << show(stateOf(fleet[0]));
        }
    }

    TEST(CommandEffects, RejectedCommandsChangeNothing)
    {
        const struct {
            const char* name;
            QByteArray datagram;
            bool announced;
            const char* reason; // a part of it
        } cases[] = {
            { "configuration for an unknown MAC",
                configHead
                    + "10.213.0.50\r255.255.255.0\r10.213.0.1\r\xFD\x00\x50\xC2\x09\x09\x09"_ba,
                true, "no simulated device has MAC 0-80-194-9-9-9" },
            { "address out of range",
                configHead + "10.0.0.366\r255.255.255.0\r10.213.0.1\r"_ba + macBytes, true,
                "ip \"10.0.0.366\"" },
            { "mask with a blank",
                configHead + "10.0.0.1\r255.255.255.0 \r10.213.0.1\r"_ba + macBytes, true, "mask" },
            { "reset for no device",
                "\xFE\xFF\x06"
                "10.213.0.99"_ba,
                true, "10.213.0.99" },
            { "unknown display mode", "\xFE\xFF\x0B\x07\x05"_ba, true, "no display mode 5" },
            { "display mode with a stray byte", "\xFE\xFF\x0B\x07\x23\x23"_ba, true, "07" },
            { "envelope without 06", "\xFE\xFF\x0B\x03\x04\x03\x05\x05\x10\x0A\x03\x04\x03"_ba,
                true, "caret command" },
            { "beep with a wrong checksum",
                "\x02\x07\x07\x07\xC7"
                "36005DD\x03\x03"_ba,
                true, "checksum" },
            { "frame without the prefix", "\x02\x1B[2J\x03"_ba, false, "01 FF FF" },
            { "frame of no known purpose", "\x02HELLO\x03"_ba, true, "neither" },
        };
        for (const auto& c : cases) {
            std::vector<Device> fleet { board(), board("0-80-194-1-2-4", "10.213.0.12") };
            const std::vector<Device> before = fleet;
            const Outcome outcome = applyDatagram(fleet, c.datagram, 0, c.announced);
            EXPECT_TRUE(outcome.rejected.contains(QString::fromLatin1(c.reason)))
                << c.name << ": " << outcome.rejected.toStdString();
            EXPECT_TRUE(outcome.applied.isEmpty()) << c.name;
            for (size_t i = 0; i < fleet.size(); ++i) {
                EXPECT_EQ(recordText(fleet[i]), recordText(before[i])) << c.name;
                EXPECT_EQ(stateOf(fleet[i]), stateOf(before[i])) << c.name;
            }
        }
    }

    // A reset, and a configuration that changes the record, make the device restart.
    TEST(CommandEffects, RestartingDeviceIgnoresEverythingUntilThePauseEnds)
    {
        const QByteArray enquiry = configHead + "0.0.0.0\r0.0.0.0\r0.0.0.0\r\xFD\0\0\0\0\0\0"_ba;
        const struct {
            QString reason;
            QByteArray datagram;
        } cases[] = {
            { u"resetting"_s,
                "\xFE\xFF\x06"
                "10.213.0.11"_ba },
            { u"restarting"_s,
                configHead + "10.213.0.50\r255.255.255.0\r10.213.0.1\r"_ba + macBytes },
        };
        for (const auto& c : cases) {
            std::vector<Device> fleet { board(), board("0-80-194-1-2-4", "10.213.0.12") };
            applyDatagram(fleet, c.datagram, 10.0);
            Outcome during = applyDatagram(fleet, enquiry, 10.9);
            EXPECT_EQ(during.awake, (std::vector<size_t> { 1 }));
            EXPECT_EQ(during.skipped, (QJsonObject { { u"0-80-194-1-2-3"_s, c.reason } }));
            // The same datagram again while it restarts does not lengthen the pause.
            during = applyDatagram(fleet, c.datagram, 10.95);
            EXPECT_TRUE(during.applied.isEmpty()) << c.reason.toStdString();
            applyDatagram(fleet,
                "\xFE\xFF\x0B"
                "NEW"_ba,
                10.99);
            EXPECT_EQ(fleet[0].login, "TavOLD");
            EXPECT_EQ(fleet[1].login, "TavNEW");

            const Outcome after = applyDatagram(fleet, enquiry, 11.0);
            EXPECT_EQ(after.awake, (std::vector<size_t> { 0, 1 })) << c.reason.toStdString();
            EXPECT_TRUE(after.skipped.isEmpty());
        }
    }

    TEST(CommandEffects, ADeviceThatIgnoresTheConfigurationKeepsItsRecordAndObeysTheRest)
    {
        std::vector<Device> fleet { board() };
        fleet[0].ignoresConfig = true;
        const QByteArray record = recordText(fleet[0]);
        const Outcome ignored = applyDatagram(fleet,
            configHead + "10.213.0.50\r255.255.0.0\r10.213.0.254\r"_ba + macBytes
                + "57600\xFC\x04\x01"_ba);
        EXPECT_TRUE(ignored.rejected.isEmpty());
        EXPECT_TRUE(ignored.applied.isEmpty());
        EXPECT_EQ(ignored.skipped, json(R"({"0-80-194-1-2-3":"ignores the configuration"})"));
        EXPECT_EQ(recordText(fleet[0]), record);
        applyDatagram(fleet,
            "\xFE\xFF\x0B"
            "NEW"_ba);
        EXPECT_EQ(fleet[0].login, "TavNEW");
    }

    TEST(CommandEffects, DeviceActingOnTheFatalKindFallsSilentForGood)
    {
        std::vector<Device> fleet { board(), board("0-80-194-1-2-4", "10.213.0.12") };
        const QByteArray enquiry = configHead + "0.0.0.0\r0.0.0.0\r0.0.0.0\r\xFD\0\0\0\0\0\0"_ba;
        const QByteArray move
            = configHead + "10.213.0.50\r255.255.255.0\r10.213.0.1\r"_ba + macBytes;
        const auto apply = [&fleet](const QByteArray& datagram, double now) {
            return applyDatagram(fleet, datagram, now, false, CommandKind::NetworkConfig);
        };
        // Other kinds leave it be.
        EXPECT_EQ(apply(enquiry, 0).awake, (std::vector<size_t> { 0, 1 }));
        // It takes the configuration it falls on, then nothing more, ever.
        const Outcome fatal = apply(move, 1);
        EXPECT_EQ(fatal.applied.value(u"ip").toString(), u"10.213.0.50");
        EXPECT_TRUE(fatal.applied.value(u"fellSilent").toBool());
        EXPECT_EQ(fleet[0].ip, "10.213.0.50");
        for (const QByteArray& datagram : { enquiry, move,
                 "\xFE\xFF\x0B"
                 "NEW"_ba }) {
            const Outcome after = apply(datagram, 1000);
            EXPECT_EQ(after.skipped.value(u"0-80-194-1-2-3").toString(), u"fell silent");
            EXPECT_TRUE(std::find(after.awake.begin(), after.awake.end(), 0) == after.awake.end());
        }
        EXPECT_EQ(fleet[0].login, "TavOLD");
        EXPECT_EQ(fleet[1].login, "TavNEW");
        EXPECT_FALSE(fleet[1].state.fellSilent);
    }

    TEST(CommandEffects, BootModeTerminalsShowNothingAndDoNotLocate)
    {
        std::vector<Device> fleet { board(), board("0-80-194-1-2-4", "10.213.0.12") };
        fleet[1].state.operating = DeviceState::Operating::Boot;
        const QByteArray beep = "\x02\x07\x07\x07\xC7"
                                "36005DC\x03\x03"_ba;
        for (const QByteArray& datagram : { "\xFE\xFF\x02"_ba, beep }) {
            const Outcome outcome = applyDatagram(fleet, datagram);
            EXPECT_EQ(outcome.awake, (std::vector<size_t> { 0 }));
            EXPECT_EQ(outcome.skipped, json(R"({"0-80-194-1-2-4":"in boot mode"})"));
        }
        EXPECT_EQ(fleet[0].state.beeps, 1);
        EXPECT_EQ(fleet[1].state.beeps, 0);
        EXPECT_TRUE(fleet[1].state.shown.isEmpty());
    }

} // namespace
} // namespace linknode::sim
