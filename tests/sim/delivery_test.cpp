#include "sim/delivery.h"

#include <gtest/gtest.h>

namespace linknode::sim {
namespace {

    Device device(const char* mac, const char* ip, const char* mask)
    {
        Device d;
        d.mac = mac;
        d.ip = ip;
        d.mask = mask;
        return d;
    }

    const std::vector<Device> fleet {
        device("0-80-194-0-0-1", "10.213.0.11", "255.255.255.0"),
        device("0-80-194-0-0-2", "10.213.0.12", "255.255.255.0"),
        device("0-80-194-0-0-3", "10.213.0.12", "255.255.255.0"), // same address as the one before
        device("0-80-194-0-0-4", "10.214.7.1", "255.255.0.0"),
    };

    TEST(Delivery, DestinationDecidesWhichDevicesAreReached)
    {
        const struct {
            QHostAddress to;
            std::vector<size_t> reached;
        } cases[] = {
            { QHostAddress(QHostAddress::Broadcast), { 0, 1, 2, 3 } },
            { QHostAddress(), { 0, 1, 2, 3 } },
            { QHostAddress(QStringLiteral("10.213.0.255")), { 0, 1, 2 } },
            { QHostAddress(QStringLiteral("10.214.255.255")), { 3 } },
            { QHostAddress(QStringLiteral("10.213.0.12")), { 1, 2 } },
            { QHostAddress(QStringLiteral("10.213.0.13")), {} },
            { QHostAddress(QStringLiteral("10.214.0.255")), {} },
        };
        for (const auto& c : cases)
            EXPECT_EQ(reachedDevices(fleet, c.to), c.reached) << c.to.toString().toStdString();
    }

    TEST(Delivery, AddressesReadOnceAreReadAgainAfterAChange)
    {
        std::vector<Device> moving = fleet;
        AddressReach reach;
        const QHostAddress to(QStringLiteral("10.213.0.12"));
        EXPECT_EQ(reach.reached(moving, to), (std::vector<size_t> { 1, 2 }));
        moving[1].ip = "10.213.0.13";
        moving[3].ip = "10.213.0.12";
        moving[3].mask = "255.255.255.0";
        reach.forget();
        EXPECT_EQ(reach.reached(moving, to), (std::vector<size_t> { 2, 3 }));
        EXPECT_EQ(reach.reached(moving, QHostAddress(QStringLiteral("10.214.255.255"))),
            std::vector<size_t> {});
    }

    TEST(Delivery, ConfigurationIsForItsMacAndResetForItsAddress)
    {
        Command config;
        config.kind = CommandKind::NetworkConfig;
        config.config = NetworkConfig {};
        config.config->mac = { 0, 80, 194, 0, 0, 2 };
        EXPECT_EQ(addressedDevices(fleet, { 0, 1, 2, 3 }, config), (std::vector<size_t> { 1 }));
        EXPECT_TRUE(addressedDevices(fleet, { 0, 3 }, config).empty()); // not reached

        Command reset;
        reset.kind = CommandKind::Reset;
        reset.text = "10.213.0.12";
        EXPECT_EQ(addressedDevices(fleet, { 0, 1, 2, 3 }, reset), (std::vector<size_t> { 1, 2 }));
        reset.text = "10.213.0.12 ";
        EXPECT_TRUE(addressedDevices(fleet, { 0, 1, 2, 3 }, reset).empty());

        Command login;
        login.kind = CommandKind::Login;
        EXPECT_EQ(addressedDevices(fleet, { 0, 3 }, login), (std::vector<size_t> { 0, 3 }));
    }

} // namespace
} // namespace linknode::sim
