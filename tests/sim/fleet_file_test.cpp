#include "sim/fleet_file.h"
#include "tests/support/endless_file.h"

#include <gtest/gtest.h>

namespace linknode::sim {
namespace {

    using namespace Qt::StringLiterals;

    // Code points 0..255 become the bytes the record carries, each key in its own field.
    TEST(FleetFile, EveryKeyReachesItsRecordFieldByteForByte)
    {
        QString error;
        const auto fleet = parseFleet(R"({"devices": [
            {"mac": "0-80-194-1-2-3", "ip": "10.213.0.11", "mask": "255.255.255.0",
             "gateway": "10.213.0.1", "bauds": "9600", "parity": "4", "databits": "1",
             "version": "COPYRIGHT!TAVREN CONDUIT 2.4F", "mode": "0", "hostIp": "10.213.0.2",
             "hostPort": "2101V", "options": "48\u00b89", "wiegand": ["5", "16", "10"],
             "login": "TavA\rB\u00eaC\t\n", "silent": true, "ignoresConfig": true},
            {"mac": "0-80-194-1-2-4", "ip": "10.213.0.12", "fields": 8}]})",
            &error);
        ASSERT_TRUE(fleet) << error.toStdString();
        ASSERT_EQ(fleet->size(), 2u);
        Device first = (*fleet)[0];
        EXPECT_EQ(recordText(first),
            "0-80-194-1-2-3,10.213.0.11,255.255.255.0,10.213.0.1,9600,4,1,"
            "COPYRIGHT!TAVREN CONDUIT 2.4F,0,10.213.0.2,2101V,48\xB8"_ba
                + "9,5,16,10,TavA\rB\xEA" + "C\t\n");
        EXPECT_TRUE(first.silent && first.ignoresConfig);
        const Device& second = (*fleet)[1];
        EXPECT_EQ(recordText(second), "0-80-194-1-2-4,10.213.0.12,,,,,,");
        EXPECT_FALSE(second.silent || second.ignoresConfig);
        // A short record ends after its last field.
        const std::pair<int, const char*> shortRecords[] = { { 1, "0-80-194-1-2-3" },
            { 9, ",COPYRIGHT!TAVREN CONDUIT 2.4F,0" }, { 15, ",16,10" } };
        for (const auto& [fields, tail] : shortRecords) {
            first.fields = fields;
            const QByteArray record = recordText(first);
            EXPECT_EQ(record.count(','), fields - 1) << fields;
            EXPECT_TRUE(record.endsWith(tail)) << fields << ": " << record.toStdString();
        }
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

    // An endless file is read no further than one byte past 64 MiB.
    TEST(FleetFile, RefusesAFileLargerThan64MiB)
    {
        if (endlessFile().isEmpty())
            GTEST_SKIP() << "no endless file on this system";
        QString error;
        EXPECT_FALSE(readFleetFile(endlessFile(), &error));
        EXPECT_EQ(error, endlessFile() + QStringLiteral(": larger than 64 MiB"));
    }

} // namespace
} // namespace linknode::sim
