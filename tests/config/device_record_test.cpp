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

    TEST(DeviceRecord, LoginInCaretFormAndShown)
    {
        EXPECT_EQ(shownLogin(loginCaretForm("TavA\rB\xEA"
                                            "C")),
            "A^13^B,C");
        EXPECT_EQ(loginCaretForm("\t\n^x"), "^9^^10^^x");
        const struct {
            std::string caret, shown;
        } cases[] = { { "Tav", "" }, { "xyz", "" }, { "TavAB", "AB" }, { "tavAB", "tavAB" },
            { "AB", "AB" }, // shorter texts are shown as sent
            { "", "" }, { "Tavter:0042^13^", "ter:0042^13^" } };
        for (const auto& c : cases)
            EXPECT_EQ(shownLogin(c.caret), c.shown) << c.caret;
    }

    // Split only where sending the two parts again gives the same login.
    TEST(DeviceRecord, WorkstationIdentifierAtTheEndOfALogin)
    {
        const struct {
            const char* caret;
            const char* login;
            const char* workstation;
        } cases[] = { { "^2^WS01^3^", "", "WS01" }, { "A^13^^2^WS01^3^", "A^13^", "WS01" },
            { "TER:0007:^2^WS01^3^", "TER:0007:", "WS01" },
            { "A^2^X^3^B^2^WS^3^", "A^2^X^3^B", "WS" }, { "^2^^3^", "^2^^3^", "" },
            { "^2^ WS^3^", "^2^ WS^3^", "" }, { "^2^W^13^S^3^", "^2^W^13^S^3^", "" },
            { "^2^3^", "^2^3^", "" }, { "A^3^", "A^3^", "" }, { "WS01", "WS01", "" } };
        for (const auto& c : cases) {
            const LoginParts parts = splitWorkstation(c.caret);
            EXPECT_EQ(parts.login, c.login) << c.caret;
            EXPECT_EQ(parts.workstation, c.workstation) << c.caret;
        }
    }

    TEST(DeviceRecord, FirmwareVersion)
    {
        const struct {
            std::string field, text;
            int number;
            unsigned char letter;
            int code;
            bool earliest;
        } cases[] = {
            { "COPYRIGHT&TAVREN 1.3A", "1.3A", 13, 'A', 1365, false },
            { "TAVREN INC.", "INC.", 0, '.', 0, true },
            { "KRT 2.4f", "2.4f", 24, 'f', 24102, false }, // five-digit code
            { "2.3Z", "2.3Z", 23, 'Z', 2390, false },
            { "4F", "4F", 4, 'F', 0, false }, // too short for a code
            { "", "", 0, 0, 0, false },
        };
        for (const auto& c : cases) {
            const FirmwareVersion v = firmwareVersion("m,i,k,g,b,p,d," + c.field + ",1");
            EXPECT_EQ(v.text, c.text);
            EXPECT_EQ(v.number, c.number) << c.field;
            EXPECT_EQ(v.letter, c.letter) << c.field;
            EXPECT_EQ(v.code, c.code) << c.field;
            EXPECT_EQ(v.earliest, c.earliest) << c.field;
        }
    }

    TEST(DeviceRecord, MacHex)
    {
        const struct {
            std::string mac, hex;
        } cases[] = { { "0-80-194-1-2-3", "00-50-C2-01-02-03" },
            { "255-254-16-15-10-9", "FF-FE-10-0F-0A-09" }, { " 0 - 80-x", "00-50-00-00-00-00" },
            { "", "00-00-00-00-00-00" }, { "256--1-1-1-1", "100-00-01-01-01-01" } };
        for (const auto& c : cases)
            EXPECT_EQ(macHex(c.mac), c.hex) << c.mac;
    }

    TEST(DeviceRecord, LeadingNumberAndSocketMode)
    {
        const struct {
            std::string text;
            long long value;
        } cases[] = { { "", 0 }, { "abc", 0 }, { "2101V", 2101 }, { "  5", 5 }, { "-5", -5 },
            { "+7", 7 }, { "1 2", 12 }, { "3.9", 3 }, { "00105", 105 },
            { "99999999999999999999", LLONG_MAX }, { "-99999999999999999999", -LLONG_MAX } };
        for (const auto& c : cases)
            EXPECT_EQ(leadingNumber(c.text), c.value) << c.text;
        EXPECT_EQ(socketMode("1"), 1);
        EXPECT_EQ(socketMode("2"), 0); // above 1 counts as server
        EXPECT_EQ(socketMode("x"), 0);
        EXPECT_EQ(socketMode("-1"), -1);
    }

} // namespace
} // namespace linknode
