#include "sim/fleet_subnets.h"

#include <gtest/gtest.h>

namespace linknode::sim {
namespace {

    Device device(const QByteArray& ip, const QByteArray& mask)
    {
        Device d;
        d.ip = ip;
        d.mask = mask;
        return d;
    }

    TEST(FleetSubnets, OnlyPlainAddressesInsideTheStartingSubnetsAreManaged)
    {
        const FleetSubnets subnets(
            { device("10.213.0.11", "255.255.255.0"), device("10.213.0.12", "255.255.255.0"),
                device("10.99.0.5", "255.255.0.0"), device("10.50.0.1", "0.0.0.0"),
                device("10.60.0.1", "255.0.255.0"), device("10.70.0.1", "") });
        const struct {
            QByteArray address;
            bool managed;
        } cases[] = {
            { "10.213.0.200", true },
            { "10.213.0.11", true },
            { "10.99.7.1", true },
            { "8.8.8.8", false }, // the mask 0.0.0.0 of 10.50.0.1 admits nothing
            { "10.213.1.11", false },
            { "10.60.0.1", false }, // a mask with a hole is no subnet
            { "10.70.0.1", false }, // nor is a missing one
            { "010.213.0.5", false }, // `ip` reads 010 as octal 8
            { "10.213.0.5 ", false },
            { "10.213.0", false },
            { "", false },
        };
        for (const auto& c : cases)
            EXPECT_EQ(subnets.contains(c.address), c.managed) << c.address.constData();
    }

} // namespace
} // namespace linknode::sim
