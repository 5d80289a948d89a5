// The command datagrams byte for byte, against the worked examples of the device manual.
#include "commands/device_datagrams.h"
#include "commands/login_text.h"
#include "link/envelope.h"
#include "tests/support/spaced_hex.h"

#include <gtest/gtest.h>

using namespace linknode;

namespace {

TEST(DeviceDatagrams, FixedCommandsTheLongestLoginAndLocateFramesWithTheirChecksum)
{
    EXPECT_EQ(spacedHex(terminalPrefixDatagram()), "01 ff ff 54");
    EXPECT_EQ(spacedHex(terminalClearDatagram()), "02 1b 5b 32 4a 03");
    EXPECT_EQ(spacedHex(resetDatagram("10.0.0.7")), "fe ff 06 31 30 2e 30 2e 30 2e 37");
    EXPECT_EQ(spacedHex(terminalModeDatagram()), "01 ff ff 41 fa");
    EXPECT_EQ(spacedHex(bootModeDatagram()), "01 ff ff 41 02 fb 46 44 03");
    EXPECT_EQ(spacedHex(loginDatagram("")), "fe ff 0b");
    EXPECT_EQ(spacedHex(countdownDatagram(countdownDigits("90"))),
        "fe f8 08 02 3e 3c 45 52 30 30 39 30 03");
    // Locate frames carry the count and a two-digit checksum.
    const struct {
        Locate pattern;
        int devices;
        const char* expected;
    } frames[] = { { Locate::LedFlash, 5, "02 b3 b3 b3 c7 33 36 30 30 35 45 30 03 03" },
        { Locate::Beep, 5, "02 07 07 07 c7 33 36 30 30 35 44 43 03 03" },
        // An empty list still carries three digits; a thousand devices carry four.
        { Locate::LedFlash, 0, "02 b3 b3 b3 c7 33 36 30 30 30 44 42 03 03" },
        { Locate::Beep, 1000, "02 07 07 07 c7 33 36 31 30 30 30 30 38 03 03" } };
    for (const auto& c : frames)
        EXPECT_EQ(spacedHex(locateDatagram(c.pattern, c.devices)), c.expected) << c.devices;
}

TEST(DeviceDatagrams, CountdownDigitsPadToFourAndNeverCutForTheCountdownModeOnly)
{
    const std::pair<const char*, const char*> cases[]
        = { { "30", "0030" }, { "5", "0005" }, { "12345", "12345" }, { "", "0000" },
              { "abc", "0000" }, { "-5", "0000" }, { "25 s", "0025" } };
    for (const auto& [answer, digits] : cases)
        EXPECT_EQ(countdownDigits(answer), digits) << answer;
    // Only the countdown mode asks for it.
    EXPECT_TRUE(startsCountdown("\x07<"));
    for (const char* other : { "\x07=", "<\x07", "" })
        EXPECT_FALSE(startsCountdown(other)) << other;
}

TEST(LoginText, CaretCommandsTakeFirstToLastCaretInTheEnvelopeAndModesTheirCode)
{
    const struct {
        const char* text;
        std::optional<std::string> command;
    } cases[] = { { "^6^^5^^16^^10^ Standard 26 Bits without facility code",
                      "^3^^4^^3^^6^^5^^16^^10^^3^^4^^3^" },
        { "x^7^y", "^3^^4^^3^^7^^3^^4^^3^" }, { "no caret", std::nullopt },
        // A lone caret closes no code.
        { "only ^ one", std::nullopt } };
    for (const auto& c : cases)
        EXPECT_EQ(caretCommand(c.text), c.command) << c.text;

    // Display modes by their trimmed name.
    const struct {
        const char* name;
        std::optional<std::string> code;
    } modes[] = { { "Clock Mode (Red)", "^7^^25^" }, { "Clock Mode (Green)", "^7^^35^" },
        { "Clock Mode (Flash)", "^7^^34^" }, { "String Mode", "^7^^27^" },
        { "Temperature Mode ", "^7^^50^" }, { "Show Version Mode", "^7^^99^" },
        { "Countdown on TTL IN", "^7^^60^" }, { "Counter on TTL IN 1 Reset TTL IN 2", "^7^^61^" },
        { "QD-Panorama Startup Mode", std::nullopt }, { "", std::nullopt } };
    for (const auto& c : modes)
        EXPECT_EQ(displayModeCode(c.name), c.code) << c.name;
}

TEST(LoginText, TheWorkstationIdentifierFollowsTheTerminalNumberWhenNotBlank)
{
    EXPECT_EQ(loginWithWorkstation("TER:0007:", " WS01 "), "TER:0007:^2^WS01^3^");
    EXPECT_EQ(loginWithWorkstation("AB", "   "), "AB");
    EXPECT_EQ(loginWithWorkstation("", ""), "");
    // Terminal numbers have four characters.
    const std::pair<const char*, const char*> cases[] = { { "7", "0007" }, { "12", "0012" },
        { "12345", "1234" }, { "", "0000" }, { "x9", "0000" }, { "-3", "0000" } };
    for (const auto& [typed, number] : cases)
        EXPECT_EQ(terminalNumber(typed), number) << typed;
    EXPECT_EQ(terminalNumberLogin("0007"), "TER:0007:");
}

} // namespace
