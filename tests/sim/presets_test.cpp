#include "sim/address.h"
#include "sim/presets.h"

#include <QSet>
#include <gtest/gtest.h>

namespace linknode::sim {
namespace {

    using namespace Qt::StringLiterals;

    // Model codes in the order the tool tests the signatures.
    const QByteArray codes = "&*></\\!mt#^+oxq";

    QByteArray signature(char code)
    {
        return "COPYRIGHT" + QByteArray(1, code) + "TAVREN";
    }

    // "d.dL" versions compare as texts in the same order as their version codes.
    QByteArray versionOf(const Device& device)
    {
        return device.version.right(4);
    }

    // Distinct MACs and distinct addresses on 10.213.0.0/16, none a network or broadcast one.
    void expectDistinctUsableAddresses(const std::vector<Device>& fleet)
    {
        QSet<QByteArray> macs;
        QSet<quint32> ips;
        for (const Device& device : fleet) {
            const auto ip = parseIpv4(device.ip);
            ASSERT_TRUE(ip && parseMac(device.mac)) << device.mac.toStdString();
            ASSERT_EQ(*ip >> 16, 0x0AD5u) << device.ip.toStdString();
            ASSERT_NE(*ip & 255, 0u);
            ASSERT_NE(*ip & 255, 255u);
            macs.insert(device.mac);
            ips.insert(*ip);
        }
        EXPECT_EQ(macs.size(), static_cast<qsizetype>(fleet.size()));
        EXPECT_EQ(ips.size(), static_cast<qsizetype>(fleet.size()));
    }

    // One device of each signature in test order, then the special boards, each once; every
    // record well formed at its own address.
    TEST(AllModels, EachSignatureInTestOrderThenTheSpecialBoards)
    {
        const std::vector<Device> fleet = allModelsFleet();
        ASSERT_GE(fleet.size(), static_cast<size_t>(codes.size()));
        expectDistinctUsableAddresses(fleet);
        QByteArray all;
        int inc = 0, old = 0, encrypted = 0, zephyr = 0;
        for (size_t i = 0; i < fleet.size(); ++i) {
            const Device& device = fleet[i];
            const QByteArray record = recordText(device);
            // No other signature, in either case for the "X" test, may decide the model.
            if (i < size_t(codes.size())) {
                for (qsizetype j = 0; j < codes.size(); ++j)
                    EXPECT_EQ(record.contains(signature(codes[j])), j == qsizetype(i)) << codes[j];
                EXPECT_EQ(record.toUpper().contains(signature('X')), codes[qsizetype(i)] == 'x');
            }
            const quint32 ip = parseIpv4(device.ip).value_or(0);
            EXPECT_EQ(ip >> 8, 0x0AD500u) << device.ip.toStdString(); // 10.213.0.x
            EXPECT_GT(ip & 255, 10u);
            // A comma inside a field would shift every field after it.
            EXPECT_EQ(record.count(','), device.fields - 1) << record.toStdString();
            all += record;
            if (versionOf(device) == "INC.") {
                ++inc;
                EXPECT_EQ(record.count(','), 7);
            }
            old += versionOf(device) < "1.3";
            encrypted += record.contains("TAVRENk");
            zephyr += device.options.size() == 4 && device.options.at(2) == 'N'
                && !record.contains(signature('q'));
        }
        EXPECT_EQ(std::vector<int>({ inc, old, encrypted, zephyr }), std::vector<int>(4, 1));
        for (const int byte : { 128, 184, 234, 13, 9, 10 })
            EXPECT_TRUE(all.contains(static_cast<char>(byte))) << byte;
    }

    TEST(Synthetic, DistinctUsableAddressesUpToTheLimit)
    {
        EXPECT_TRUE(syntheticFleet(-3).empty());
        const std::vector<Device> fleet = syntheticFleet(syntheticLimit + 5);
        ASSERT_EQ(fleet.size(), static_cast<size_t>(syntheticLimit));
        EXPECT_EQ(fleet.front().ip, "10.213.0.11");
        EXPECT_TRUE(recordText(fleet.front()).contains(signature('+')));
        expectDistinctUsableAddresses(fleet);
    }

    TEST(Synthetic, SharedAddressIsAHostOfItsSubnetBehindTheFirstOtherHost)
    {
        const struct {
            const char* address;
            const char* ip; // every device's, or nullptr when refused
            const char* gateway; // or a part of the refusal
        } cases[] = {
            { "192.168.7.100", "192.168.7.100", "192.168.0.1" },
            { "10.213.0.1", "10.213.0.1", "10.213.0.2" },
            { "010.001.2.3", "10.1.2.3", "10.1.0.1" }, // as `ip` reads it: plain decimal
            { "10.1.0.0", nullptr, "network or broadcast address" },
            { "10.1.255.255", nullptr, "network or broadcast address" },
            { "0.1.2.3", nullptr, "no device's address" },
            { "224.0.0.1", nullptr, "no device's address" },
            { "255.255.255.255", nullptr, "no device's address" },
            { "10.1.2", nullptr, "not a dotted address" },
        };
        for (const auto& c : cases) {
            const auto refused = refuseSharedAddress(c.address);
            ASSERT_EQ(refused.has_value(), c.ip == nullptr) << c.address;
            if (refused) {
                EXPECT_TRUE(refused->contains(QLatin1StringView(c.gateway))) << c.address;
                continue;
            }
            QSet<QByteArray> macs;
            for (const Device& device : sharedAddressFleet(3, c.address)) {
                macs.insert(device.mac);
                EXPECT_EQ(
                    device.ip + ' ' + device.mask + ' ' + device.gateway + ' ' + device.hostIp,
                    c.ip + " 255.255.0.0 "_ba + c.gateway + ' ' + c.gateway);
            }
            EXPECT_EQ(macs.size(), 3);
        }
    }

} // namespace
} // namespace linknode::sim
