#include "sim/fleet_file.h"

#include <gtest/gtest.h>

namespace linknode::sim {
namespace {

    TEST(FleetFile, CodePointsBecomeBytes)
    {
        QString error;
        const auto fleet = parseFleet(R"({"devices": [
            {"mac": "0-80-194-1-2-3", "ip": "10.213.0.11", "options": "00\u00b80",
             "login": "TavA\u00eaB\r\t", "wiegand": ["5", "16", "10"], "fields": 8,
             "silent": true, "ignoresConfig": true},
            {"mac": "0-80-194-1-2-4", "ip": "10.213.0.12"}]})",
            &error);
        ASSERT_TRUE(fleet) << error.toStdString();
        ASSERT_EQ(fleet->size(), 2u);
        const Device& first = (*fleet)[0];
        EXPECT_EQ(first.options, QByteArray("00") + char(184) + '0');
        EXPECT_EQ(first.login, QByteArray("TavA") + char(234) + "B\r\t");
        EXPECT_EQ(first.wiegand[2], "10");
        EXPECT_EQ(first.fields, 8);
        EXPECT_TRUE(first.silent);
        EXPECT_TRUE(first.ignoresConfig);
        const Device& second = (*fleet)[1];
        EXPECT_EQ(second.fields, Device::fieldCount);
        EXPECT_FALSE(second.silent);
        EXPECT_FALSE(second.ignoresConfig);
        EXPECT_TRUE(second.version.isEmpty());
    }

    TEST(FleetFile, RefusesWhatItCannotRepresent)
    {
        const char* bad[] = {
            "not json",
            R"({"device": []})",
            R"({"devices": [3]})",
            R"({"devices": [{"ip": "10.0.0.1"}]})",
            R"({"devices": [{"mac": "0-80-194-1-2", "ip": "10.0.0.1"}]})",
            R"({"devices": [{"mac": "0-80-194-1-2-3"}]})",
            R"({"devices": [{"mac": "0-80-194-1-2-3", "ip": "10.0.0.1", "login": "\u0100"}]})",
            R"({"devices": [{"mac": "0-80-194-1-2-3", "ip": "10.0.0.1", "bauds": 9600}]})",
            R"({"devices": [{"mac": "0-80-194-1-2-3", "ip": "10.0.0.1", "wiegand": ["5"]}]})",
            R"({"devices": [{"mac": "0-80-194-1-2-3", "ip": "10.0.0.1", "fields": 17}]})",
            R"({"devices": [{"mac": "0-80-194-1-2-3", "ip": "10.0.0.1", "fields": 0}]})",
            R"({"devices": [{"mac": "0-80-194-1-2-3", "ip": "10.0.0.1", "silent": "yes"}]})",
            R"({"devices": [{"mac": "0-80-194-1-2-3", "ip": "10.0.0.1", "ignoresConfig": 1}]})",
            R"({"devices": [{"mac": "0-80-194-1-2-3", "ip": "10.0.0.1", "hostport": "23"}]})",
        };
        for (const char* json : bad) {
            QString error;
            EXPECT_FALSE(parseFleet(json, &error)) << json;
            EXPECT_FALSE(error.isEmpty()) << json;
        }
    }

} // namespace
} // namespace linknode::sim
