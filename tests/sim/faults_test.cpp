#include "sim/faults.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace linknode::sim {
namespace {

    std::vector<int> draws(double rate, int jitter, quint32 seed)
    {
        FaultInjector faults(rate, jitter, seed);
        std::vector<int> out;
        for (int i = 0; i < 200; ++i) {
            out.push_back(faults.drop() ? -1 : 0);
            out.push_back(faults.delayMs());
        }
        return out;
    }

    TEST(Faults, SameSeedSameDecisions)
    {
        EXPECT_EQ(draws(0.3, 50, 7), draws(0.3, 50, 7));
        EXPECT_NE(draws(0.3, 50, 7), draws(0.3, 50, 8));
    }

    TEST(Faults, DropRateHolds)
    {
        struct Case {
            double rate;
            int low;
            int high;
        };
        for (const Case c : { Case { 0.0, 0, 0 }, Case { 1.0, 10000, 10000 },
                 Case { 0.3, 2800, 3200 }, Case { -1.0, 0, 0 }, Case { 2.0, 10000, 10000 } }) {
            FaultInjector faults(c.rate, 0, 1);
            int dropped = 0;
            for (int i = 0; i < 10000; ++i)
                dropped += faults.drop() ? 1 : 0;
            EXPECT_GE(dropped, c.low) << c.rate;
            EXPECT_LE(dropped, c.high) << c.rate;
        }
    }

    TEST(Faults, DelaysCoverZeroToJitter)
    {
        FaultInjector faults(0.0, 5, 3);
        std::set<int> seen;
        for (int i = 0; i < 1000; ++i)
            seen.insert(faults.delayMs());
        EXPECT_EQ(seen, (std::set<int> { 0, 1, 2, 3, 4, 5 }));
        FaultInjector none(0.0, 0, 3);
        EXPECT_EQ(none.delayMs(), 0);
    }

} // namespace
} // namespace linknode::sim
