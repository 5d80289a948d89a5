// The re-addressing plan: rows refused before anything is sent, and an order in which each
// new address is free when its turn comes.
#include "cli/readdress_plan.h"

#include <gmock/gmock.h>

using namespace linknode;
using testing::HasSubstr;
using testing::IsEmpty;

namespace {

struct BadPlan {
    const char* text;
    const char* problem;
};

class RefusedPlan : public testing::TestWithParam<BadPlan> { };

TEST_P(RefusedPlan, NamesTheLineAndTheReason)
{
    QString problem;
    EXPECT_FALSE(parsePlan(QByteArray(GetParam().text), &problem));
    EXPECT_THAT(problem.toStdString(), HasSubstr(GetParam().problem));
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusedPlan,
    testing::Values(BadPlan { "0-80-194-1-2-3\n", "line 1: \"0-80-194-1-2-3\" is not mac,ip" },
        BadPlan { "0-80-194-1-2-3,10.0.0.5,255.255.255.0,10.0.0.1,x\n", "is not mac,ip" },
        BadPlan { "0-80-194-1-2,10.0.0.5\n", "is not a MAC" },
        BadPlan { "0-80-194-1-2-3,10.0.0.256\n", "is not a device address" },
        BadPlan { "0-80-194-1-2-3,255.255.255.255\n", "is not a device address" },
        BadPlan { "0-80-194-1-2-3,10.0.0.5,255.0.255.0\n", "not a subnet mask" },
        BadPlan { "0-80-194-1-2-3,10.0.0.5,255.255.0.0,10.0.0\n", "not an address" },
        BadPlan { "0-80-194-1-2-3,10.0.0.5\n0-80-194-1-2-3,10.0.0.6\n",
            "line 2: MAC 0-80-194-1-2-3 is in the plan twice" },
        BadPlan { "0-80-194-1-2-3,10.0.0.5\n0-80-194-1-2-4,10.0.0.5\n",
            "address 10.0.0.5 is in the plan twice" },
        BadPlan { "# nothing\n\n", "no rows" }));

TEST(Plan, SkipsCommentsBlankLinesAndAHeader)
{
    QString problem;
    const auto rows = parsePlan("mac,ip,mask\n# first floor\n\n"
                                "0-80-194-1-2-3, 10.0.0.5 ,255.255.0.0\r\n",
        &problem);
    ASSERT_TRUE(rows) << problem.toStdString();
    ASSERT_EQ(rows->size(), 1u);
    EXPECT_EQ((*rows)[0].line, 4);
    EXPECT_EQ((*rows)[0].ip, "10.0.0.5");
    EXPECT_EQ((*rows)[0].mask, "255.255.0.0");
    EXPECT_FALSE((*rows)[0].gateway);
}

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
