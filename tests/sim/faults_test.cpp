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
        for (int i = 0; i < 200; ++i)
            out.push_back(faults.drop() ? -1 : faults.delayMs());
        return out;
    }

    TEST(Faults, SameSeedSameDecisionsAndDelaysCoverZeroToJitter)
    {
        EXPECT_EQ(draws(0.3, 50, 7), draws(0.3, 50, 7));
        EXPECT_NE(draws(0.3, 50, 7), draws(0.3, 50, 8));
        const std::vector<int> delays = draws(0.0, 5, 3);
        EXPECT_EQ(
            std::set<int>(delays.begin(), delays.end()), (std::set<int> { 0, 1, 2, 3, 4, 5 }));
        EXPECT_EQ(draws(0.0, 0, 3), std::vector<int>(200, 0));
        EXPECT_EQ(draws(0.0, -5, 3), std::vector<int>(200, 0)); // clamped to none
    }

    TEST(Faults, DropRateHoldsAndIsClamped)
    {
        const struct {
            double rate;
            int low, high;
        } cases[] = { { 0.0, 0, 0 }, { 1.0, 10000, 10000 }, { 0.3, 2800, 3200 }, { -1.0, 0, 0 },
            { 2.0, 10000, 10000 } };
        for (const auto& c : cases) {
            FaultInjector faults(c.rate, 0, 1);
            int dropped = 0;
            for (int i = 0; i < 10000; ++i)
                dropped += faults.drop();
            EXPECT_GE(dropped, c.low) << c.rate;
            EXPECT_LE(dropped, c.high) << c.rate;
        }
    }

} // namespace
} // namespace linknode::sim
