// The re-addressing plan: rows refused before anything is sent, and an order in which each
// new address is free when its turn comes.
#include "fleet/readdress_plan.h"

#include <gmock/gmock.h>

using namespace linknode;
using testing::HasSubstr;
using testing::IsEmpty;

namespace {

struct BadPlan {
    std::string text;
    std::string problem;
};

class RefusedPlan : public testing::TestWithParam<BadPlan> { };

TEST_P(RefusedPlan, NamesTheLineAndTheReasonOnce)
{
    QString problem;
    EXPECT_FALSE(parsePlan(QByteArray::fromStdString(GetParam().text), &problem));
    EXPECT_THAT(problem.toStdString(), HasSubstr(GetParam().problem));
    EXPECT_LT(problem.size(), 160);
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusedPlan,
    testing::Values(BadPlan { "0-80-194-1-2-3\n", "line 1: no device address" },
        BadPlan { "0-80-194-1-2-3,10.0.0.5,255.255.255.0,10.0.0.1,x\n",
            "\"x\" is in no column of mac, ip, mask, gateway" },
        BadPlan { "0-80-194-1-2,10.0.0.5\n", "is not a MAC" },
        BadPlan { ",10.0.0.5\n", "line 1: no MAC" },
        BadPlan { "0-80-194-1-2-3,10.0.0.256\n", "is not a device address" },
        BadPlan { "0-80-194-1-2-3,255.255.255.255\n", "is not a device address" },
        BadPlan { "0-80-194-1-2-3,10.0.0.5,255.0.255.0\n", "not a subnet mask" },
        BadPlan { "0-80-194-1-2-3,10.0.0.5,255.255.0.0,10.0.0\n", "not a gateway address" },
        BadPlan { "0-80-194-1-2-3,10.0.0.5\n0-80-194-1-2-3,10.0.0.6\n",
            "line 2: MAC 0-80-194-1-2-3 is in the plan twice" },
        BadPlan { "0-80-194-1-2-3,10.0.0.5\n0-80-194-1-2-4,10.0.0.5\n",
            "address 10.0.0.5 is in the plan twice" },
        BadPlan { "# nothing\n\n,,,\n", "no rows" },
        BadPlan { "MAC,IP,Gatway\n", "line 1: column \"Gatway\" is unknown; the columns are mac" },
        BadPlan { "mac,Mac,ip\n", "column \"Mac\" is named twice" },
        BadPlan { "mac,mask\n", "the header names no mac or no ip column" },
        // A stray quote would swallow the rest of the file into one value.
        BadPlan { "mac,ip\n0-80-194-1-2-3,\"10.0.0.5\n" + std::string(100000, '\n'),
            "plan line 2: a quoted value is not closed" },
        BadPlan { "\"0-80-194-1-2-3\"x,10.0.0.5\n", "line 1: text after the closing quote" },
        BadPlan { "0-80-194-1-2-3,\"10.0.0.5\"\"x\"\n", "\"10.0.0.5\"x\" is not a device" },
        BadPlan { "0-80-194-1-2-3,\"10.0.0\n5\"\n", "line 1: \"10.0.0^10^5\" is not a device" },
        BadPlan { "0-80-194-1-2-3,\"" + std::string(100000, 'x') + "\"\n",
            "\"" + std::string(39, 'x') + "\u2026\" is not a device address" },
        BadPlan { "# c\n\"0-80-194-1-2-3\",10.0.0.5,,\"10.0.0.1\n\"\nbad,10.0.0.6\n",
            "line 4: \"bad\" is not a MAC" }));

struct Expected {
    int line;
    int last; // of the MAC
    const char* ip;
    const char* mask; // nullptr: the device's own
    const char* gateway;
};

struct GoodPlan {
    const char* what;
    QByteArray text;
    std::vector<Expected> rows;
};

class ReadPlan : public testing::TestWithParam<GoodPlan> { };

std::optional<std::string> optional(const char* text)
{
    return text ? std::optional<std::string>(text) : std::nullopt;
}

TEST_P(ReadPlan, AsSpreadsheetsSaveIt)
{
    QString problem;
    const auto rows = parsePlan(GetParam().text, &problem);
    ASSERT_TRUE(rows) << problem.toStdString();
    ASSERT_EQ(rows->size(), GetParam().rows.size());
    for (size_t i = 0; i < rows->size(); ++i) {
        const PlanRow& row = (*rows)[i];
        const Expected& expected = GetParam().rows[i];
        EXPECT_EQ(row.line, expected.line) << i;
        EXPECT_EQ(row.mac[5], expected.last) << i;
        EXPECT_EQ(row.ip, expected.ip) << i;
        EXPECT_EQ(row.mask, optional(expected.mask)) << i;
        EXPECT_EQ(row.gateway, optional(expected.gateway)) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadPlan,
    testing::Values(
        GoodPlan { "comments, blank lines, blanks and a header",
            "mac,ip,mask\n# first floor\n\n  # indented\n0-80-194-1-2-3, 10.0.0.5 ,255.255.0.0\r\n",
            { { 5, 3, "10.0.0.5", "255.255.0.0", nullptr } } },
        GoodPlan { "byte order mark, header in any case and order, CRLF",
            "\xEF\xBB\xBFGateway,IP,MAC\r\n10.0.0.1,10.0.0.5,0-80-194-1-2-3\r\n",
            { { 2, 3, "10.0.0.5", nullptr, "10.0.0.1" } } },
        GoodPlan { "quoted values with blanks around them",
            "\"0-80-194-1-2-3\", \"10.0.0.5\" ,\"255.255.255.0\"\n",
            { { 1, 3, "10.0.0.5", "255.255.255.0", nullptr } } },
        GoodPlan { "empty cells keep the device's values, empty rows skipped",
            "0-80-194-1-2-3,10.0.0.5,,10.0.0.1\n,,,\n0-80-194-1-2-4,10.0.0.6,,,,\n",
            { { 1, 3, "10.0.0.5", nullptr, "10.0.0.1" }, { 3, 4, "10.0.0.6", nullptr, nullptr } } },
        GoodPlan { "a line break inside quotes, lines counted in the file",
            "mac,ip,mask,gateway,\n\"0-80-194-1-2-3\",10.0.0.5,,\"10.0.0.1\r\n\"\n"
            "0-80-194-1-2-4,10.0.0.6\n",
            { { 2, 3, "10.0.0.5", nullptr, "10.0.0.1" }, { 4, 4, "10.0.0.6", nullptr, nullptr } } },
        GoodPlan { "CR line ends, no end at the end",
            "mac,ip\r0-80-194-1-2-3,10.0.0.5\r0-80-194-1-2-4,10.0.0.6",
            { { 2, 3, "10.0.0.5", nullptr, nullptr }, { 3, 4, "10.0.0.6", nullptr, nullptr } } }));

DeviceEntry device(int last, const char* ip)
{
    return { "0-80-194-1-2-" + std::to_string(last) + "," + ip + ",255.255.255.0,10.0.0.1", {},
        {} };
}

PlanRow row(int last, const char* ip)
{
    PlanRow row;
    row.mac = { 0, 80, 194, 1, 2, static_cast<quint8>(last) };
    row.ip = ip;
    return row;
}

std::vector<int> order(const OrderedPlan& plan)
{
    std::vector<int> macs;
    for (const PlanStep& step : plan.steps)
        macs.push_back(step.row.mac[5]);
    return macs;
}

TEST(Order, ADeviceMovesOnlyAfterTheHolderOfItsNewAddressHasLeft)
{
    // 1 takes 2's address, 2 takes 3's, 3 takes a free one: 3, then 2, then 1.
    const auto plan = orderPlan({ row(1, "10.0.0.2"), row(2, "10.0.0.3"), row(3, "10.0.0.9") },
        { device(1, "10.0.0.1"), device(2, "10.0.0.2"), device(3, "10.0.0.3") });
    ASSERT_THAT(plan.problem.toStdString(), IsEmpty());
    EXPECT_EQ(order(plan), (std::vector { 3, 2, 1 }));
}

TEST(Order, IndependentRowsKeepTheFileOrder)
{
    const auto plan = orderPlan({ row(2, "10.0.0.20"), row(1, "10.0.0.10") },
        { device(1, "10.0.0.1"), device(2, "10.0.0.2") });
    EXPECT_EQ(order(plan), (std::vector { 2, 1 }));
}

TEST(Order, TwoDevicesExchangingAddressesCannotBeOrdered)
{
    const auto plan = orderPlan({ row(1, "10.0.0.2"), row(2, "10.0.0.1") },
        { device(1, "10.0.0.1"), device(2, "10.0.0.2") });
    EXPECT_THAT(plan.problem.toStdString(), HasSubstr("exchange addresses"));
    EXPECT_THAT(plan.steps, IsEmpty());
}

TEST(Order, AnAddressHeldByADeviceOutsideThePlanIsRefused)
{
    const auto plan
        = orderPlan({ row(1, "10.0.0.7") }, { device(1, "10.0.0.1"), device(7, "10.0.0.7") });
    EXPECT_THAT(plan.problem.toStdString(), HasSubstr("10.0.0.7 is held by 0-80-194-1-2-7"));
}

TEST(Order, EveryMacMustAnswer)
{
    const auto plan
        = orderPlan({ row(1, "10.0.0.5"), row(4, "10.0.0.6") }, { device(1, "10.0.0.1") });
    EXPECT_THAT(plan.silent, testing::ElementsAre(QStringLiteral("0-80-194-1-2-4")));
    EXPECT_THAT(plan.problem.toStdString(), HasSubstr("no answer"));
}

TEST(Order, KeepingOnesOwnAddressIsNoConflict)
{
    PlanRow keep = row(1, "10.0.0.1");
    keep.mask = "255.255.0.0";
    const auto plan = orderPlan({ keep }, { device(1, "10.0.0.1") });
    EXPECT_THAT(plan.problem.toStdString(), IsEmpty());
    EXPECT_EQ(order(plan), (std::vector { 1 }));
}

} // namespace
