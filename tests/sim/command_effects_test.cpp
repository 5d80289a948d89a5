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
        return Device { mac, ip, "255.255.255.0", "10.213.0.1", "9600", "0", "0",
            "COPYRIGHT+TAVREN KRT-40 2.4F", "1", "10.213.0.1", "2101", "0000", { "1", "1", "1" },
            "TavOLD", Device::fieldCount, false, false, {} };
    }

    // Decodes `datagram`, narrows the fleet to the devices it is for, and applies it.
    Outcome applyDatagram(std::vector<Device>& fleet, const QByteArray& datagram, double now = 0,
        bool announced = true, std::optional<CommandKind> fallSilentOn = std::nullopt)
    {
        std::vector<size_t> all(fleet.size());
        std::iota(all.begin(), all.end(), size_t { 0 });
        const Command command = decodeCommand(datagram);
        return applyCommand(fleet, addressedDevices(fleet, all, command), command,
            EffectContext { now, 1.0, 1.0, announced, fallSilentOn }); // pauses of a second
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
    const QByteArray enquiry = configHead + "0.0.0.0\r0.0.0.0\r0.0.0.0\r\xFD\0\0\0\0\0\0"_ba;
    const QByteArray move = configHead + "10.213.0.50\r255.255.255.0\r10.213.0.1\r"_ba + macBytes;
    const QByteArray login = "\xFE\xFF\x0B"_ba;
    const QByteArray wiegand = "\x03\x04\x03\x06\x05\x10\x0A\x03\x04\x03"_ba; // 5, 16, 10
    const QByteArray reset = "\xFE\xFF\x06"_ba + "10.213.0.11";
    const QByteArray bootMode = "\x01\xFF\xFF\x41\x02\xFB\x46\x44\x03"_ba;
    const QByteArray ledFlash = "\x02\xB3\xB3\xB3\xC7"_ba + "36005E0\x03\x03";
    const QByteArray beep = "\x02\x07\x07\x07\xC7"_ba + "36005DC\x03\x03";

    // The record and the state the device keeps besides it, after each datagram in turn; a
    // rejected command changes neither.
    TEST(CommandEffects, RecordAndStateFollowTheCommand)
    {
        const QByteArray base = recordText(board());
        const auto with = [&base](const char* from, const QByteArray& to) {
            return QByteArray(base).replace(from, to);
        };
        const char* restarted = R"({"deafUntil":1,"deafBecause":"restarting"})";
        const struct {
            const char* name;
            std::vector<QByteArray> datagrams;
            const char* applied; // by the last datagram
            const char* state; // the keys that differ from a fresh device
            QByteArray record {}; // empty: unchanged
            bool modeOption = true;
            const char* rejected = ""; // a part of the reason
            bool announced = true;
        } cases[] = {
            { "layout A leaves the host group",
                { configHead + "10.213.0.50\r255.255.0.0\r10.213.0.254\r"_ba + macBytes
                    + "57600\xFC\x04\x01"_ba },
                R"({"ip":"10.213.0.50","mask":"255.255.0.0","gateway":"10.213.0.254",)"
                R"("bauds":"57600","parity":"4","databits":"1","silentFor":1})",
                restarted,
                "0-80-194-1-2-3,10.213.0.50,255.255.0.0,10.213.0.254,57600,4,1,"
                "COPYRIGHT+TAVREN KRT-40 2.4F,1,10.213.0.1,2101,0000,1,1,1,TavOLD" },
            { "layout B sets every field",
                { configHead
                    + "10.213.0.50\r255.255.255.0\r10.213.0.1\r10.213.0.2\r00105\r00\xB8"_ba + "9\r"
                    + macBytes + "19200\xFC\x02\x00\x00"_ba },
                R"({"ip":"10.213.0.50","mask":"255.255.255.0","gateway":"10.213.0.1",)"
                R"("hostIp":"10.213.0.2","hostPort":"00105","options":"00\u00b89",)"
                R"("bauds":"19200","parity":"2","databits":"0","mode":"0","silentFor":1})",
                restarted,
                "0-80-194-1-2-3,10.213.0.50,255.255.255.0,10.213.0.1,19200,2,0,"
                "COPYRIGHT+TAVREN KRT-40 2.4F,0,10.213.0.2,00105,00\xB8"_ba
                    + "9,1,1,1,TavOLD" },
            { "layout B to a board without the mode option",
                { configHead + "10.213.0.50\r255.255.255.0\r10.213.0.1\r10.213.0.2\r23\r0780\r"_ba
                    + macBytes + "9600\xFC\x00\x00\x01"_ba },
                R"({"ip":"10.213.0.50","mask":"255.255.255.0","gateway":"10.213.0.1",)"
                R"("bauds":"9600","parity":"0","databits":"0","silentFor":1})",
                restarted,
                "0-80-194-1-2-3,10.213.0.50,255.255.255.0,10.213.0.1,9600,0,0,"
                "COPYRIGHT+TAVREN KRT-40 2.4F,,10.213.0.1,2101,0000,1,1,1,TavOLD",
                false },
            { "host update", { "\xFE\xFF\x03"_ba + "192.168.5.1\r10001U\x0E\x00"_ba },
                R"({"hostIp":"192.168.5.1","hostPort":"10001U","mode":"0"})", "{}",
                with(",1,10.213.0.1,2101,", ",0,192.168.5.1,10001U,") },
            // The MQTT settings travel the same way: CR-ended items with commas inside.
            { "plain login keeps commas as byte 234", { login + "A,B\rC~" },
                R"({"login":"TavA\u00eaB\rC~","workstation":""})", "{}",
                with("TavOLD", "TavA\xEA"_ba + "B\rC~") },
            { "cleared login", { login }, R"({"login":"Tav","workstation":""})", "{}",
                with("TavOLD", "Tav") },
            { "login with workstation suffix", { login + "TER:0007:\x02WS01\x03" },
                R"({"login":"TavTER:0007:","workstation":"WS01"})", R"({"workstation":"WS01"})",
                with("TavOLD", "TavTER:0007:") },
            { "Wiegand envelope sets fields 12 to 14", { login + wiegand + "\x02WS01\x03" },
                R"({"wiegand":["5","16","10"],"workstation":"WS01"})", R"({"workstation":"WS01"})",
                with(",1,1,1,", ",5,16,10,") },
            { "workstation kept by a Wiegand command without suffix",
                { login + "\x02WS01\x03", login + wiegand }, R"({"wiegand":["5","16","10"]})",
                R"({"workstation":"WS01"})", with(",1,1,1,TavOLD", ",5,16,10,Tav") },
            { "display mode", { login + "\x07\x23" }, R"({"displayMode":35})",
                R"({"displayMode":35})" },
            { "countdown mode, then its value",
                { login + "\x07\x3C", "\xFE\xF8\x08\x02><ER0090\x03"_ba },
                R"({"countdown":"0090"})", R"({"displayMode":60,"countdown":"0090"})" },
            { "boot mode", { bootMode }, R"({"operating":"boot"})", R"({"operating":"boot"})" },
            { "boot, then terminal mode", { bootMode, "\x01\xFF\xFF\x41\xFA"_ba },
                R"({"operating":"terminal"})", "{}" },
            { "show MAC", { "\xFE\xFF\x02"_ba },
                R"({"shown":{"0-80-194-1-2-3":"0-80-194-1-2-3 10.213.0.11"}})",
                R"({"shown":"0-80-194-1-2-3 10.213.0.11"})" },
            { "LED flash twice", { ledFlash, ledFlash }, R"({"locate":"led-flash"})",
                R"({"ledFlashes":2})" },
            { "beep", { beep }, R"({"locate":"beep"})", R"({"beeps":1})" },
            { "terminal clear", { "\x02\x1B[2J\x03"_ba }, R"({"screen":"cleared"})",
                R"({"screenClears":1})" },
            { "reset from boot mode", { bootMode, reset }, R"({"silentFor":1})",
                R"({"deafUntil":1,"deafBecause":"resetting"})" },
            { "a changed configuration restarts the device from boot mode", { bootMode, move },
                R"({"ip":"10.213.0.50","mask":"255.255.255.0","gateway":"10.213.0.1",)"
                R"("silentFor":1})",
                restarted, with(",10.213.0.11,", ",10.213.0.50,") },
            { "the configuration it already has restarts nothing",
                { bootMode, configHead + "10.213.0.11\r255.255.255.0\r10.213.0.1\r"_ba + macBytes },
                R"({"ip":"10.213.0.11","mask":"255.255.255.0","gateway":"10.213.0.1"})",
                R"({"operating":"boot"})" },
            { "configuration for an unknown MAC",
                { configHead
                    + "10.213.0.50\r255.255.255.0\r10.213.0.1\r\xFD\x00\x50\xC2\x09\x09\x09"_ba },
                "{}", "{}", {}, true, "no simulated device has MAC 0-80-194-9-9-9" },
            { "address out of range",
                { configHead + "10.0.0.366\r255.255.255.0\r10.213.0.1\r"_ba + macBytes }, "{}",
                "{}", {}, true, "ip \"10.0.0.366\"" },
            { "mask with a blank",
                { configHead + "10.0.0.1\r255.255.255.0 \r10.213.0.1\r"_ba + macBytes }, "{}", "{}",
                {}, true, "mask" },
            { "reset for no device", { "\xFE\xFF\x06"_ba + "10.213.0.99" }, "{}", "{}", {}, true,
                "10.213.0.99" },
            { "unknown display mode", { login + "\x07\x05" }, "{}", "{}", {}, true,
                "no display mode 5" },
            { "display mode with a stray byte", { login + "\x07\x23\x23" }, "{}", "{}", {}, true,
                "07" },
            { "envelope without 06", { login + "\x03\x04\x03\x05\x05\x10\x0A\x03\x04\x03" }, "{}",
                "{}", {}, true, "caret command" },
            { "beep with a wrong checksum", { "\x02\x07\x07\x07\xC7"_ba + "36005DD\x03\x03" }, "{}",
                "{}", {}, true, "checksum" },
            { "frame without the prefix", { "\x02\x1B[2J\x03"_ba }, "{}", "{}", {}, true,
                "01 FF FF", false },
            { "frame of no known purpose", { "\x02HELLO\x03"_ba }, "{}", "{}", {}, true,
                "neither" },
        };
        for (const auto& c : cases) {
            std::vector<Device> fleet { board() };
            if (!c.modeOption)
                fleet[0].mode.clear();
            QJsonObject expected = stateOf(fleet[0]);
            const QJsonObject changed = json(c.state);
            for (auto it = changed.begin(); it != changed.end(); ++it)
                expected.insert(it.key(), it.value());
            Outcome outcome;
            for (const QByteArray& datagram : c.datagrams)
                outcome = applyDatagram(fleet, datagram, 0, c.announced);
            EXPECT_TRUE(outcome.rejected.contains(QLatin1StringView(c.rejected))
                && outcome.rejected.isEmpty() == !*c.rejected)
                << c.name << ": " << outcome.rejected.toStdString();
            EXPECT_EQ(outcome.applied, json(c.applied)) << c.name << ": " << show(outcome.applied);
            EXPECT_EQ(stateOf(fleet[0]), expected) << c.name << ": " << show(stateOf(fleet[0]));
            EXPECT_EQ(recordText(fleet[0]), c.record.isEmpty() ? base : c.record) << c.name;
        }
    }

    // Which of two devices skip each datagram in turn, and why: a restart after a reset or a
    // changed configuration lasts its pause (a repeat does not lengthen it), a fallen device
    // stays gone, boot mode shows and locates nothing.
    TEST(CommandEffects, DevicesThatSkipACommandSayWhy)
    {
        struct Step {
            QByteArray datagram;
            double now;
            const char* skipped;
            std::vector<size_t> awake;
            const char* applied = nullptr; // unchecked when null
        };
        const char* resetting = R"({"0-80-194-1-2-3":"resetting"})";
        const char* restarting = R"({"0-80-194-1-2-3":"restarting"})";
        const char* fell = R"({"0-80-194-1-2-3":"fell silent"})";
        const char* booting = R"({"0-80-194-1-2-4":"in boot mode"})";
        const struct {
            const char* name;
            std::vector<Step> steps;
            QByteArray logins; // of both devices at the end
            QByteArray firstIp = "10.213.0.11"; // at the end
            bool ignoresConfig = false; // the first device
            bool secondInBoot = false;
            std::optional<CommandKind> fallSilentOn = std::nullopt;
        } cases[] = {
            { "reset",
                { { reset, 10, "{}", { 0 }, R"({"silentFor":1})" },
                    { enquiry, 10.9, resetting, { 1 } }, { reset, 10.95, resetting, {}, "{}" },
                    { login + "NEW", 10.99, resetting, { 1 } }, { enquiry, 11, "{}", { 0, 1 } } },
                "TavOLD TavNEW" },
            { "changed configuration",
                { { move, 10, "{}", { 0 } }, { enquiry, 10.9, restarting, { 1 } },
                    { move, 10.95, restarting, {}, "{}" },
                    { login + "NEW", 10.99, restarting, { 1 } }, { enquiry, 11, "{}", { 0, 1 } } },
                "TavOLD TavNEW", "10.213.0.50" },
            { "ignores the configuration",
                { { move + "57600\xFC\x04\x01"_ba, 0,
                      R"({"0-80-194-1-2-3":"ignores the configuration"})", {}, "{}" },
                    { login + "NEW", 0, "{}", { 0, 1 } } },
                "TavNEW TavNEW", "10.213.0.11", true },
            { "falls silent on a configuration",
                { { enquiry, 0, "{}", { 0, 1 } },
                    { move, 1, "{}", { 0 },
                        R"({"ip":"10.213.0.50","mask":"255.255.255.0","gateway":"10.213.0.1",)"
                        R"("silentFor":1,"fellSilent":true})" },
                    { enquiry, 1000, fell, { 1 } }, { move, 1000, fell, {} },
                    { login + "NEW", 1000, fell, { 1 } } },
                "TavOLD TavNEW", "10.213.0.50", false, false, CommandKind::NetworkConfig },
            { "boot mode",
                { { "\xFE\xFF\x02"_ba, 0, booting, { 0 },
                      R"({"shown":{"0-80-194-1-2-3":"0-80-194-1-2-3 10.213.0.11"}})" },
                    { beep, 0, booting, { 0 }, R"({"locate":"beep"})" } },
                "TavOLD TavOLD", "10.213.0.11", false, true },
        };
        for (const auto& c : cases) {
            std::vector<Device> fleet { board(), board("0-80-194-1-2-4", "10.213.0.12") };
            fleet[0].ignoresConfig = c.ignoresConfig;
            if (c.secondInBoot)
                fleet[1].state.operating = DeviceState::Operating::Boot;
            for (const Step& step : c.steps) {
                const Outcome outcome
                    = applyDatagram(fleet, step.datagram, step.now, true, c.fallSilentOn);
                EXPECT_TRUE(outcome.rejected.isEmpty()) << c.name << " at " << step.now;
                EXPECT_EQ(outcome.skipped, json(step.skipped)) << c.name << " at " << step.now;
                EXPECT_EQ(outcome.awake, step.awake) << c.name << " at " << step.now;
                if (step.applied) {
                    EXPECT_EQ(outcome.applied, json(step.applied)) << c.name << " at " << step.now;
                }
            }
            EXPECT_EQ(fleet[0].login + ' ' + fleet[1].login, c.logins) << c.name;
            EXPECT_EQ(fleet[0].ip, c.firstIp) << c.name;
        }
    }

} // namespace
} // namespace linknode::sim
