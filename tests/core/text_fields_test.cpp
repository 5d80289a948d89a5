#include "core/text_fields.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

namespace linknode {
namespace {

    TEST(GetPar, ReadsTrimmedField)
    {
        const std::string record = "0-80-194-1-2-3,192.168.5.10,255.255.0.0";
        const struct {
            std::string line;
            int pos;
            std::string separator, expected;
        } cases[] = { { record, 0, ",", "0-80-194-1-2-3" }, { record, 1, ",", "192.168.5.10" },
            { record, 2, ",", "255.255.0.0" }, // the last field runs to the end
            { record, 3, ",", "" }, { " a , b ", 0, ",", "a" }, { " a , b ", 1, ",", "b" },
            { "a,,c", 1, ",", "" }, { "a,b,", 2, ",", "" }, { "", 0, ",", "" },
            { "\tx\t, y", 0, ",", "\tx\t" }, // only blanks are trimmed
            { "a\xE9\xFF,\x80 b", 1, ",", "\x80 b" }, { "x,\0y\0,z"s, 1, ",", "\0y\0"s },
            { "ab::cd::ef", 0, "::", "ab" }, // the first field keeps its first byte
            { "ab::cd::ef", 1, "::", "cd" }, { "ab::cd::ef", 2, "::", "ef" },
            { "a:::b", 1, "::", ":b" }, // separators do not overlap
            { "a,b", 0, "", "a,b" }, { "a,b", 1, "", "" }, { "a,b", -1, ",", "a" } };
        for (const auto& c : cases)
            EXPECT_EQ(GET_PAR(c.line, c.pos, c.separator), c.expected)
                << testing::PrintToString(c.line) << " field " << c.pos;
    }

    TEST(RwPar, ReadsUntrimmedOrWritesCreatingMissingFields)
    {
        const struct {
            std::string line, separator;
            int pos;
            std::string write, expected;
        } cases[] = { { " a , b ", ",", 2, "", " b " }, { " a , b ", ",", 1, "", " a " },
            { "a,b", ",", 3, "", "" }, { "192.168.1.20", ".", 4, "", "20" },
            { "192.168.1.20", ".", 0, "", "192" }, { "a--b--c", "--", 3, "", "c" },
            { "a,b", ",", 4, "x", "a,b,,x" }, { "a,b,c", ",", 2, "x", "a,x,c" },
            { "a,b,c", ",", 1, "x", "x,b,c" }, { "a,b,c", ",", 3, "x", "a,b,x" },
            { "a,b,", ",", 3, "x", "a,b,x" }, { "", ".", 1, "7", "7" }, { "", ".", 3, "7", "..7" },
            { "a--b", "--", 3, "x", "a--b--x" },
            { "a,\xFF\xFE,c", ",", 3, "\xE9", "a,\xFF\xFE,\xE9" } };
        for (const auto& c : cases)
            EXPECT_EQ(RW_PAR(c.line, c.separator, c.pos, c.write), c.expected)
                << c.line << " field " << c.pos << " write " << c.write;
    }

    TEST(Padl, PadsOrCutsTheCallersTextAndValidKeyAcceptsDigitsPointAndControlCodes)
    {
        const struct {
            std::string line;
            int length;
            std::string padded, lineAfter;
        } cases[] = { { "7", 4, "0007", "7" }, { "12345", 4, "2345", "2345" },
            { "1234", 4, "1234", "1234" }, { "abc", 0, "", "" }, { "abc", -2, "", "" },
            { "", 2, "00", "" } };
        for (const auto& c : cases) {
            std::string line = c.line;
            EXPECT_EQ(PADL(line, c.length, "0"), c.padded) << c.line << " to " << c.length;
            EXPECT_EQ(line, c.lineAfter);
        }

        // Each edge of the accepted key ranges, both sides.
        for (const int key : std::initializer_list<int> { 0, 8, 13, 31, '.', '0', '5', '9' })
            EXPECT_EQ(VALID_KEY(key), key) << "key " << key;
        for (const int key :
            std::initializer_list<int> { -1, ' ', '-', '/', ':', 'A', 'a', 127, 184, 255 })
            EXPECT_EQ(VALID_KEY(key), 0) << "key " << key;
    }

    TEST(Numbers, VersionCodesByteCodesAndBlanksTrimmed)
    {
        const struct {
            std::string version;
            int expected;
        } cases[] = { { "2.4F", 2470 }, { "1.0A", 1065 },
            { "2.4f", 24102 }, // beyond 16 bits, not wrapped
            { "3.1\xFF", 31255 }, { "24F", 2470 }, { "2.4\x05", 2405 }, { "4F", 4 }, { "", 0 } };
        for (const auto& c : cases)
            EXPECT_EQ(VERSION_CODE(c.version), c.expected) << c.version;

        // Byte codes read long numbers without garbage.
        EXPECT_EQ(byteCode(std::string(400, '9')), std::nullopt);
        EXPECT_EQ(byteCode("0." + std::string(400, '0') + "1"), 0);
        EXPECT_EQ(byteCode(std::string(400, '0') + "7"), 7);
        EXPECT_EQ(byteCode("255.5"), std::nullopt);
        EXPECT_EQ(byteCode("-0.4"), 0);
        // Only blanks are trimmed.
        EXPECT_EQ(trimBlanks("  a b  "), "a b");
        EXPECT_EQ(trimBlanks("   "), "");
        EXPECT_EQ(trimBlanks("\ta\xA0"), "\ta\xA0");
    }

    TEST(ExpandCarets, ReplacesEachPairByItsByteAndNamesThePairsThatAreNoByte)
    {
        const struct {
            std::string text, expected;
        } cases[] = { { "^13^A", "\rA" }, { "A^13^B", "A\rB" }, { "A^B", "A^B" }, { "", "" },
            { "^", "^" }, { "~a~", "~a~" }, { "^3^^4^^3^", "\x03\x04\x03" }, { "^0^", "\0"s },
            { "^^", "\0"s }, { "^x^", "\0"s }, { "^  9^", "\t" }, { "^1 3^", "\r" },
            { "^255^", "\xFF" }, { "^65abc^", "A" }, { "^65.5^", "B" },
            { "^66.5^", "B" }, // halves to even
            { "^65.4^", "A" }, { "^256^", "^256^" }, { "^-1^", "^-1^" },
            { "^9999999999999999999999^", "^9999999999999999999999^" }, { "^13^^", "\r^" },
            { "\xE9^10^\xFF", "\xE9\n\xFF" } };
        for (const auto& c : cases)
            EXPECT_EQ(EXPAND_CARETS(c.text), c.expected) << c.text;
        // The first pair that names no byte.
        const struct {
            std::string text;
            std::optional<std::string> bad;
        } bad[] = { { "ABC^13^", std::nullopt }, { "^256^", "^256^" }, { "A^-1^B^300^", "^-1^" },
            { "^13^^999^", "^999^" }, { "12^34", std::nullopt }, { "^^", std::nullopt },
            { "^255.5^", "^255.5^" }, { "", std::nullopt } };
        for (const auto& c : bad)
            EXPECT_EQ(badCaretCode(c.text), c.bad) << c.text;
    }

} // namespace
} // namespace linknode
