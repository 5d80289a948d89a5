#include "commands/option_text.h"
#include "commands/serial_codes.h"
#include "commands/time_zone.h"
#include "commands/wiegand.h"

#include <gtest/gtest.h>

namespace linknode {
namespace {

    std::string bytes(std::initializer_list<unsigned char> codes)
    {
        std::string text;
        for (const unsigned char c : codes)
            text.push_back(static_cast<char>(c));
        return text;
    }

    TEST(OptionText, SwitchesEditTheirCharacters)
    {
        const std::string conduit = withOptionCharacter("", 1, '2');
        EXPECT_EQ(conduit, "2000");
        const std::string keepalive = withOptionCharacter(conduit, 2, '8');
        EXPECT_EQ(keepalive, "2800");
        EXPECT_EQ(withTimeoutCharacter(keepalive, true), "2809");
        EXPECT_EQ(withTimeoutCharacter("2809", false), "2800");
        EXPECT_EQ(withOptionCharacter("12", 2, '7'), "0700"); // too short: a fresh text
        EXPECT_EQ(withOptionCharacter("27899", 4, '0'), "27809");
        EXPECT_EQ(withOptionCharacter("2780", 0, '9'), "2780");
        EXPECT_EQ(withOptionCharacter("2780", 5, '9'), "2780");
    }

    TEST(OptionText, TimeoutAlwaysLandsOnTheFourthCharacter)
    {
        EXPECT_EQ(withTimeoutCharacter("", true), "0009");
        EXPECT_EQ(withTimeoutCharacter("28", true), "2809");
        EXPECT_EQ(withTimeoutCharacter("27805", false), "2780");
    }

    TEST(OptionText, AutoBootAndAuxPortShareTheThirdCharacter)
    {
        EXPECT_EQ(autoBootCharacter(false, false), '0');
        EXPECT_EQ(autoBootCharacter(true, false), '8');
        EXPECT_EQ(static_cast<unsigned char>(autoBootCharacter(false, true)), 128);
        EXPECT_EQ(static_cast<unsigned char>(autoBootCharacter(true, true)), 184);

        std::string options = withAutoBootCharacter("0000", autoBootCharacter(true, false));
        EXPECT_EQ(options, "0080");
        options = withAutoBootCharacter(options, autoBootCharacter(true, true));
        EXPECT_EQ(options, bytes({ '0', '0', 184, '0' }));
        options = withAutoBootCharacter(options, autoBootCharacter(false, true));
        EXPECT_EQ(options, bytes({ '0', '0', 128, '0' }));
        EXPECT_EQ(withAutoBootCharacter(options, autoBootCharacter(false, false)), "0000");
        EXPECT_EQ(withAutoBootCharacter("", '8'), "0080");
        EXPECT_EQ(withAutoBootCharacter("20N9", '8'), "2089"); // gateway letter replaced
    }

    TEST(SerialCodes, ParityWordsAndBases)
    {
        const char* words[] = { "None", "Even", "Odd", "None", "Even", "Odd" };
        for (int code = 0; code <= 5; ++code)
            EXPECT_EQ(parityWord(code), words[code]) << code;
        EXPECT_EQ(parityWord(6), std::nullopt);
        EXPECT_EQ(parityWord(-1), std::nullopt);
        EXPECT_EQ(parityBase("even"), 1);
        EXPECT_EQ(parityBase(" ODD "), 2);
        EXPECT_EQ(parityBase("None"), 0);
        EXPECT_EQ(parityBase("Mark"), std::nullopt);
        EXPECT_EQ(dataBitsText(0), "8");
        EXPECT_EQ(dataBitsText(1), "7");
    }

    TEST(TimeZone, PortText)
    {
        EXPECT_EQ(timeZonePort("+", "5"), "00005");
        EXPECT_EQ(timeZonePort("-", "5"), "00105");
        EXPECT_EQ(timeZonePort("", "5"), "00105"); // no sign yet counts as minus
        EXPECT_EQ(timeZonePort("+", "10"), "00010");
        EXPECT_EQ(timeZonePort("+", "abc"), "00000");
        EXPECT_EQ(timeZonePort("+", "5abc"), "00005");
        EXPECT_EQ(timeZonePort("-", "-5"), "001-05");
        EXPECT_EQ(timeZonePort("+", "123"), "000123");
    }

    TEST(TimeZone, ReadsThePortBack)
    {
        for (const char* sign : { "+", "-" }) {
            for (int hours = 0; hours <= 23; ++hours) {
                const auto zone = timeZoneOf(timeZonePort(sign, std::to_string(hours)));
                ASSERT_TRUE(zone);
                EXPECT_EQ(zone->sign, sign);
                EXPECT_EQ(zone->hours, std::to_string(hours));
            }
        }
        EXPECT_EQ(timeZoneOf("2101"), std::nullopt);
        EXPECT_EQ(timeZoneOf(""), std::nullopt);
        EXPECT_EQ(timeZoneOf("0"), std::nullopt);
        EXPECT_EQ(timeZoneOf("00")->sign, "+");
        EXPECT_EQ(timeZoneOf("00")->hours, "0");
        EXPECT_EQ(timeZoneOf("001")->sign, "-");
        EXPECT_EQ(timeZoneOf("00105V")->hours, "5");
    }

    TEST(Wiegand, ItemsAreExact)
    {
        const auto& items = wiegandItems();
        ASSERT_EQ(items.size(), 11u);
        EXPECT_EQ(items[0], "^6^^1^^1^^1^ Wiegand  disable");
        EXPECT_EQ(items[4], "^6^^8^^24^^2^  Standard 26 Bits with facility code");
        EXPECT_EQ(items[10], "^6^^99^^99^^0^ Conduit Modbus auto no parity");
    }

    TEST(Wiegand, SelectorShowsTheItemOfACode)
    {
        for (const std::string& item : wiegandItems())
            EXPECT_EQ(wiegandSelectorText(item.substr(0, item.rfind('^') + 1)), item);
        EXPECT_EQ(wiegandSelectorText("^6^^8^^24^^2^"), wiegandItems()[4]);
        EXPECT_EQ(wiegandSelectorText("^6^^9^^9^^9^"), "^6^^9^^9^^9^");
        EXPECT_EQ(wiegandSelectorText("^6^^5^"), wiegandItems()[1]); // the first that has it
        EXPECT_EQ(wiegandSelectorText(""), "");
    }

} // namespace
} // namespace linknode
