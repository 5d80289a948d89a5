#include "app/util/text_fields.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

namespace linknode {
namespace {

    struct GetParCase {
        std::string line;
        int pos;
        std::string separator;
        std::string expected;
    };

    class GetParTest : public testing::TestWithParam<GetParCase> { };

    TEST_P(GetParTest, ReadsTrimmedField)
    {
        const auto& c = GetParam();
        EXPECT_EQ(GET_PAR(c.line, c.pos, c.separator), c.expected);
    }

    const std::string record = "0-80-194-1-2-3,192.168.5.10,255.255.0.0";

    INSTANTIATE_TEST_SUITE_P(Cases, GetParTest,
        testing::Values(GetParCase { record, 0, ",", "0-80-194-1-2-3" },
            GetParCase { record, 1, ",", "192.168.5.10" },
            GetParCase { record, 2, ",", "255.255.0.0" }, // last field runs to the end
            GetParCase { record, 3, ",", "" }, GetParCase { record, 9, ",", "" },
            GetParCase { " a , b ", 0, ",", "a" }, GetParCase { " a , b ", 1, ",", "b" },
            GetParCase { "a,,c", 1, ",", "" }, GetParCase { "a,b,", 2, ",", "" },
            GetParCase { "", 0, ",", "" }, GetParCase { "", 1, ",", "" },
            GetParCase { "\tx\t, y", 0, ",", "\tx\t" }, // only blanks are trimmed
            GetParCase { "a\xE9\xFF,\x80 b", 0, ",", "a\xE9\xFF" },
            GetParCase { "a\xE9\xFF,\x80 b", 1, ",", "\x80 b" },
            GetParCase { "ab::cd::ef", 0, "::", "ab" }, // first field keeps its first byte
            GetParCase { "ab::cd::ef", 1, "::", "cd" }, GetParCase { "ab::cd::ef", 2, "::", "ef" },
            GetParCase { "a:::b", 1, "::", ":b" }, // separators do not overlap
            GetParCase { "a,b", 0, "", "a,b" }, GetParCase { "a,b", 1, "", "" },
            GetParCase { "a,b", -1, ",", "a" }));

    TEST(GetPar, KeepsNulBytes)
    {
        EXPECT_EQ(GET_PAR("x,\0y\0,z"s, 1, ","), "\0y\0"s);
    }

    struct RwParCase {
        std::string line;
        std::string separator;
        int pos;
        std::string write;
        std::string expected;
    };

    class RwParTest : public testing::TestWithParam<RwParCase> { };

    TEST_P(RwParTest, ReadsOrWrites)
    {
        const auto& c = GetParam();
        EXPECT_EQ(RW_PAR(c.line, c.separator, c.pos, c.write), c.expected);
    }

    INSTANTIATE_TEST_SUITE_P(Reads, RwParTest,
        testing::Values(RwParCase { " a , b ", ",", 2, "", " b " },
            RwParCase { " a , b ", ",", 1, "", " a " }, RwParCase { "a,b", ",", 3, "", "" },
            RwParCase { "192.168.1.20", ".", 4, "", "20" },
            RwParCase { "192.168.1.20", ".", 0, "", "192" },
            RwParCase { "a--b--c", "--", 3, "", "c" }));

    INSTANTIATE_TEST_SUITE_P(Writes, RwParTest,
        testing::Values(RwParCase { "a,b", ",", 4, "x", "a,b,,x" },
            RwParCase { "a,b,c", ",", 2, "x", "a,x,c" },
            RwParCase { "a,b,c", ",", 1, "x", "x,b,c" },
            RwParCase { "a,b,c", ",", 3, "x", "a,b,x" }, RwParCase { "a,b,", ",", 3, "x", "a,b,x" },
            RwParCase { "", ".", 1, "7", "7" }, RwParCase { "", ".", 3, "7", "..7" },
            RwParCase { "1.2.3.4", ".", 3, "250", "1.2.250.4" },
            RwParCase { "a--b", "--", 3, "x", "a--b--x" },
            RwParCase { "a,\xFF\xFE,c", ",", 3, "\xE9", "a,\xFF\xFE,\xE9" }));

    TEST(Padl, PadsOrCutsTheCallersText)
    {
        struct {
            std::string line;
            int length;
            std::string padded, lineAfter;
        } const cases[] = { { "7", 4, "0007", "7" }, { "12345", 4, "2345", "2345" },
            { "1234", 4, "1234", "1234" }, { "abc", 0, "", "" }, { "abc", -2, "", "" },
            { "", 2, "00", "" } };
        for (const auto& c : cases) {
            std::string line = c.line;
            EXPECT_EQ(PADL(line, c.length, "0"), c.padded) << c.line << " to " << c.length;
            EXPECT_EQ(line, c.lineAfter);
        }
    }

    TEST(ValidKey, AcceptsDigitsPointAndControlCodes)
    {
        for (int key = -1; key <= 255; ++key) {
            const bool accepted
                = (key >= 0 && key <= 31) || key == '.' || (key >= '0' && key <= '9');
            EXPECT_EQ(VALID_KEY(key), accepted ? key : 0) << "key " << key;
        }
    }

    struct VersionCase {
        std::string version;
        int expected;
    };

    class VersionCodeTest : public testing::TestWithParam<VersionCase> { };

    TEST_P(VersionCodeTest, Computes)
    {
        EXPECT_EQ(VERSION_CODE(GetParam().version), GetParam().expected);
    }

    INSTANTIATE_TEST_SUITE_P(Cases, VersionCodeTest,
        testing::Values(VersionCase { "2.4F", 2470 }, VersionCase { "1.0A", 1065 },
            VersionCase { "2.4f", 24102 }, // beyond 16 bits, not wrapped
            VersionCase { "9.9z", 99122 }, VersionCase { "3.1\xFF", 31255 },
            VersionCase { "24F", 2470 }, VersionCase { "2.4\x05", 2405 }, VersionCase { "4F", 4 },
            VersionCase { "F", 0 }, VersionCase { ".", 46 }, VersionCase { "", 0 }));

    struct CaretCase {
        std::string text;
        std::string expected;
    };

    class ExpandCaretsTest : public testing::TestWithParam<CaretCase> { };

    TEST_P(ExpandCaretsTest, Expands)
    {
        EXPECT_EQ(EXPAND_CARETS(GetParam().text), GetParam().expected);
    }

    INSTANTIATE_TEST_SUITE_P(Cases, ExpandCaretsTest,
        testing::Values(CaretCase { "^13^A", "\rA" }, CaretCase { "A^13^B", "A\rB" },
            CaretCase { "A^B", "A^B" }, CaretCase { "", "" }, CaretCase { "^", "^" },
            CaretCase { "~a~", "~a~" }, CaretCase { "^3^^4^^3^", "\x03\x04\x03" },
            CaretCase { "^7^^25^", "\x07\x19" }, CaretCase { "^0^", "\0"s },
            CaretCase { "^^", "\0"s }, CaretCase { "^x^", "\0"s }, CaretCase { "^  9^", "\t" },
            CaretCase { "^1 3^", "\r" }, CaretCase { "^255^", "\xFF" },
            CaretCase { "^65abc^", "A" }, CaretCase { "^65.5^", "B" },
            CaretCase { "^66.5^", "B" }, // halves to even
            CaretCase { "^65.51^", "B" }, CaretCase { "^65.4^", "A" },
            CaretCase { "^256^", "^256^" }, CaretCase { "^300^x", "^300^x" },
            CaretCase { "^-1^", "^-1^" },
            CaretCase { "^9999999999999999999999^", "^9999999999999999999999^" },
            CaretCase { "a^13^b^", "a\rb^" }, CaretCase { "^13^^", "\r^" },
            CaretCase { "\xE9^10^\xFF", "\xE9\n\xFF" }));

    TEST(ByteCode, ReadsLongNumbersWithoutGarbage)
    {
        EXPECT_EQ(byteCode(std::string(400, '9')), std::nullopt);
        EXPECT_EQ(byteCode("0." + std::string(400, '0') + "1"), 0);
        EXPECT_EQ(byteCode(std::string(400, '0') + "7"), 7);
        EXPECT_EQ(byteCode("255.5"), std::nullopt);
        EXPECT_EQ(byteCode("-0.4"), 0);
    }

    TEST(TrimBlanks, RemovesOnlyBlanks)
    {
        EXPECT_EQ(trimBlanks("  a b  "), "a b");
        EXPECT_EQ(trimBlanks("   "), "");
        EXPECT_EQ(trimBlanks("\ta\xA0"), "\ta\xA0");
    }

} // namespace
} // namespace linknode
