#include "config/device_record.h"

#include <climits>
#include <gtest/gtest.h>

namespace linknode {
namespace {

    const std::string example = "0-80-194-1-2-3,192.168.5.10,255.255.255.0,192.168.5.1,9600,0,0,"
                                "COPYRIGHT+TAVREN 2.4F,1,192.168.5.2,2101,0000,5,16,10,TavAB";

    TEST(DeviceRecord, ReadsTheExampleRecord)
    {
        EXPECT_EQ(recordField(example, FLD_MAC), "0-80-194-1-2-3");
        EXPECT_EQ(socketMode(recordField(example, FLD_MODE)), 1);
        EXPECT_EQ(recordField(example, FLD_HOST_IP), "192.168.5.2");
        EXPECT_EQ(recordField(example, FLD_HOST_PORT), "2101");
        EXPECT_EQ(recordField(example, FLD_OPTIONS), "0000");
        EXPECT_EQ(wiegandCode(example), "^6^^5^^16^^10^");
        EXPECT_EQ(shownLogin(loginCaretForm(recordField(example, FLD_LOGIN))), "AB");
        const FirmwareVersion v = firmwareVersion(example);
        EXPECT_EQ(v.text, "2.4F");
        EXPECT_EQ(v.number, 24);
        EXPECT_EQ(v.letter, 'F');
        EXPECT_EQ(v.code, 2470);
        EXPECT_FALSE(v.earliest);
    }

    TEST(DeviceRecord, RecordEndingAfterTheVersionHasEmptyFields)
    {
        const std::string shortRecord = "0-80-194-1-2-3,1.2.3.4,255.0.0.0,0.0.0.0,9600,0,0,X 2.4F";
        for (int f = FLD_MODE; f <= FLD_LOGIN; ++f)
            EXPECT_EQ(recordField(shortRecord, static_cast<RecordField>(f)), "") << f;
        EXPECT_EQ(wiegandCode(shortRecord), "");
        EXPECT_EQ(wiegandCode("a,b,c,d,e,f,g,h,i,j,k,l,5,16"), ""); // field 14 missing
        EXPECT_EQ(wiegandCode("a,b,c,d,e,f,g,h,i,j,k,l,5,,10"), "");
    }

    TEST(DeviceRecord, KeepsHighBytesOfTheOptions)
    {
        const std::string options = recordField("a,b,c,d,e,f,g,h,i,j,k,27\xB8"
                                                "9,5",
            FLD_OPTIONS);
        ASSERT_EQ(options.size(), 4u);
        EXPECT_EQ(static_cast<unsigned char>(options[2]), 184);
    }

    TEST(DeviceRecord, LoginInCaretForm)
    {
        EXPECT_EQ(shownLogin(loginCaretForm("TavA\rB\xEA"
                                            "C")),
            "A^13^B,C");
        EXPECT_EQ(loginCaretForm("\t\n^x"), "^9^^10^^x");
    }

    struct ShownCase {
        std::string caret, shown;
    };
    class ShownLoginTest : public testing::TestWithParam<ShownCase> { };
    TEST_P(ShownLoginTest, Shows)
    {
        EXPECT_EQ(shownLogin(GetParam().caret), GetParam().shown);
    }
    INSTANTIATE_TEST_SUITE_P(Cases, ShownLoginTest,
        testing::Values(ShownCase { "Tav", "" }, ShownCase { "xyz", "" },
            ShownCase { "TavAB", "AB" }, ShownCase { "tavAB", "tavAB" },
            ShownCase { "AB", "AB" }, // shorter texts are shown as sent
            ShownCase { "", "" }, ShownCase { "Tavter:0042^13^", "ter:0042^13^" }));

    struct VersionCase {
        std::string field;
        std::string text;
        int number;
        unsigned char letter;
        int code;
        bool earliest;
    };
    class FirmwareVersionTest : public testing::TestWithParam<VersionCase> { };
    TEST_P(FirmwareVersionTest, Reads)
    {
        const auto& c = GetParam();
        const FirmwareVersion v = firmwareVersion("m,i,k,g,b,p,d," + c.field + ",1");
        EXPECT_EQ(v.text, c.text);
        EXPECT_EQ(v.number, c.number);
        EXPECT_EQ(v.letter, c.letter);
        EXPECT_EQ(v.code, c.code);
        EXPECT_EQ(v.earliest, c.earliest);
    }
    INSTANTIATE_TEST_SUITE_P(Cases, FirmwareVersionTest,
        testing::Values(VersionCase { "COPYRIGHT&TAVREN 1.3A", "1.3A", 13, 'A', 1365, false },
            VersionCase { "TAVREN INC.", "INC.", 0, '.', 0, true },
            VersionCase { "KRT 2.4f", "2.4f", 24, 'f', 24102, false }, // five-digit code
            VersionCase { "2.3Z", "2.3Z", 23, 'Z', 2390, false },
            VersionCase { "4F", "4F", 4, 'F', 0, false }, // too short for a code
            VersionCase { "", "", 0, 0, 0, false }));

    struct MacCase {
        std::string mac, hex;
    };
    class MacHexTest : public testing::TestWithParam<MacCase> { };
    TEST_P(MacHexTest, Converts)
    {
        EXPECT_EQ(macHex(GetParam().mac), GetParam().hex);
    }
    INSTANTIATE_TEST_SUITE_P(Cases, MacHexTest,
        testing::Values(MacCase { "0-80-194-1-2-3", "00-50-C2-01-02-03" },
            MacCase { "255-254-16-15-10-9", "FF-FE-10-0F-0A-09" },
            MacCase { " 0 - 80-x", "00-50-00-00-00-00" }, MacCase { "", "00-00-00-00-00-00" },
            MacCase { "256--1-1-1-1", "100-00-01-01-01-01" }));

    struct NumberCase {
        std::string text;
        long long value;
    };
    class LeadingNumberTest : public testing::TestWithParam<NumberCase> { };
    TEST_P(LeadingNumberTest, Reads)
    {
        EXPECT_EQ(leadingNumber(GetParam().text), GetParam().value);
    }
    INSTANTIATE_TEST_SUITE_P(Cases, LeadingNumberTest,
        testing::Values(NumberCase { "", 0 }, NumberCase { "abc", 0 }, NumberCase { "2101V", 2101 },
            NumberCase { "  5", 5 }, NumberCase { "-5", -5 }, NumberCase { "+7", 7 },
            NumberCase { "1 2", 12 }, NumberCase { "3.9", 3 }, NumberCase { "00105", 105 },
            NumberCase { "99999999999999999999", LLONG_MAX },
            NumberCase { "-99999999999999999999", -LLONG_MAX }));

    TEST(DeviceRecord, SocketMode)
    {
        EXPECT_EQ(socketMode("1"), 1);
        EXPECT_EQ(socketMode("0"), 0);
        EXPECT_EQ(socketMode("2"), 0); // above 1 counts as server
        EXPECT_EQ(socketMode("x"), 0);
        EXPECT_EQ(socketMode(""), 0);
        EXPECT_EQ(socketMode("-1"), -1);
    }

} // namespace
} // namespace linknode
