// Edges of the option, serial, time-zone and Wiegand texts that the form cannot reach; the
// usual switch and selector sequences are proved on the form (edits_ui_test).
#include "commands/serial_codes.h"
#include "config/option_text.h"
#include "config/time_zone.h"
#include "config/wiegand.h"

#include <gtest/gtest.h>

namespace linknode {
namespace {

    TEST(OptionText, EditsAlwaysLeaveFourCharacters)
    {
        EXPECT_EQ(withOptionCharacter("", 1, '2'), "2000");
        EXPECT_EQ(withOptionCharacter("12", 2, '7'), "0700"); // too short: a fresh text
        EXPECT_EQ(withOptionCharacter("27899", 4, '0'), "27809");
        EXPECT_EQ(withOptionCharacter("2780", 0, '9'), "2780");
        EXPECT_EQ(withOptionCharacter("2780", 5, '9'), "2780");
        EXPECT_EQ(withTimeoutCharacter("", true), "0009");
        EXPECT_EQ(withTimeoutCharacter("28", true), "2809");
        EXPECT_EQ(withTimeoutCharacter("27805", false), "2780");
        EXPECT_EQ(withAutoBootCharacter("", autoBootCharacter(true, false)), "0080");
        EXPECT_EQ(withAutoBootCharacter("20N9", '8'), "2089"); // gateway letter replaced
        EXPECT_EQ(static_cast<unsigned char>(autoBootCharacter(true, true)), 184);
        EXPECT_EQ(static_cast<unsigned char>(autoBootCharacter(false, true)), 128);
    }

    // RESERVED shows control bytes in caret form and reads back the very bytes, any of them.
    TEST(OptionText, ShownInCaretFormAndReadBackUnchanged)
    {
        const std::pair<std::string, std::string> shown[] = { { "07\2000", "07^128^0" },
            { "20N9", "20N9" }, { "00\2700", "00\2700" }, { "0\0010", "0^1^0" },
            { "^13^", "^94^13^94^" }, { "\237\240", "^159^\240" }, { "", "" } };
        for (const auto& [bytes, text] : shown) {
            EXPECT_EQ(optionsShown(bytes), text);
            EXPECT_EQ(optionsTyped(text), bytes);
        }
        std::string every;
        for (int code = 0; code < 256; ++code)
            every.push_back(static_cast<char>(code));
        EXPECT_EQ(optionsTyped(optionsShown(every)), every);
    }

    TEST(SerialCodes, ParityWordsBasesAndCodes)
    {
        const char* words[] = { "None", "Even", "Odd", "None", "Even", "Odd" };
        for (int code = 0; code <= 5; ++code)
            EXPECT_EQ(parityWord(code), words[code]) << code;
        EXPECT_EQ(parityWord(6), std::nullopt);
        EXPECT_EQ(parityWord(-1), std::nullopt);
        EXPECT_EQ(parityBase(" ODD "), 2);
        EXPECT_EQ(parityBase("Mark"), std::nullopt);
        EXPECT_EQ(dataBitsText(1), "7");
        EXPECT_EQ(dataBitsText(2), "8");
        // The codes both the window's selectors and the command line send: two stop bits add 3.
        EXPECT_EQ(parityCode(0, false), 0);
        EXPECT_EQ(parityCode(2, false), 2);
        EXPECT_EQ(parityCode(1, true), 4);
        EXPECT_EQ(parityCode(2, true), 5);
        EXPECT_EQ(dataBitsCode(8), 0);
        EXPECT_EQ(dataBitsCode(7), 1);
        EXPECT_EQ(dataBitsCode(1), std::nullopt);
        EXPECT_EQ(dataBitsCode(9), std::nullopt);
    }

    TEST(TimeZone, PortTextAndBack)
    {
        EXPECT_EQ(timeZonePort("+", "10"), "00010");
        EXPECT_EQ(timeZonePort("", "5"), "00105"); // no sign yet counts as minus
        EXPECT_EQ(timeZonePort("+", "abc"), "00000");
        EXPECT_EQ(timeZonePort("-", "-5"), "001-05");
        EXPECT_EQ(timeZonePort("+", "123"), "000123");
        for (const char* sign : { "+", "-" }) {
            for (int hours = 0; hours <= 23; ++hours) {
                const auto zone = timeZoneOf(timeZonePort(sign, std::to_string(hours)));
                ASSERT_TRUE(zone);
                EXPECT_EQ(zone->sign, sign);
                EXPECT_EQ(zone->hours, std::to_string(hours));
            }
        }
        EXPECT_EQ(timeZoneOf("2101"), std::nullopt);
        EXPECT_EQ(timeZoneOf("0"), std::nullopt);
        EXPECT_EQ(timeZoneOf("00")->sign, "+");
        EXPECT_EQ(timeZoneOf("00")->hours, "0");
        EXPECT_EQ(timeZoneOf("001")->sign, "-");
        EXPECT_EQ(timeZoneOf("00105V")->hours, "5");
    }

    TEST(Wiegand, ItemsAndTheSelectorTextOfACode)
    {
        const auto& items = wiegandItems();
        ASSERT_EQ(items.size(), 11u);
        EXPECT_EQ(items[0], "^6^^1^^1^^1^ Wiegand  disable");
        EXPECT_EQ(items[10], "^6^^99^^99^^0^ Conduit Modbus auto no parity");
        for (const std::string& item : items)
            EXPECT_EQ(wiegandSelectorText(item.substr(0, item.rfind('^') + 1)), item);
        EXPECT_EQ(wiegandSelectorText("^6^^5^"), items[1]); // the first that has it
        EXPECT_EQ(wiegandSelectorText(""), "");
    }

} // namespace
} // namespace linknode
