#include "sim/address.h"
#include "sim/presets.h"

#include <QSet>
#include <gtest/gtest.h>

namespace linknode::sim {
namespace {

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

    const Device& withSignature(const std::vector<Device>& fleet, char code)
    {
        return *std::find_if(fleet.begin(), fleet.end(),
            [code](const Device& d) { return recordText(d).contains(signature(code)); });
    }

    TEST(AllModels, OneDeviceOfEachSignatureInTestOrder)
    {
        const std::vector<Device> fleet = allModelsFleet();
        ASSERT_GE(fleet.size(), static_cast<size_t>(codes.size()));
        for (qsizetype i = 0; i < codes.size(); ++i) {
            const QByteArray record = recordText(fleet[static_cast<size_t>(i)]);
            EXPECT_TRUE(record.contains(signature(codes[i]))) << codes[i];
            // No other signature, in either case for the "X" test, may decide the model.
            for (qsizetype j = 0; j < codes.size(); ++j) {
                if (j != i) {
                    EXPECT_FALSE(record.contains(signature(codes[j])))
                        << codes[i] << " carries " << codes[j];
                }
            }
            EXPECT_TRUE(codes[i] == 'x' || !record.toUpper().contains(signature('X'))) << codes[i];
        }
    }

    TEST(AllModels, FeatureFirmwareFieldsAndSpecialBoards)
    {
        const std::vector<Device> fleet = allModelsFleet();
        EXPECT_GE(versionOf(withSignature(fleet, '\\')), "2.3W");
        EXPECT_EQ(withSignature(fleet, '\\').hostPort, "2101V");
        EXPECT_GE(versionOf(withSignature(fleet, '#')), "2.4F");
        EXPECT_EQ(withSignature(fleet, '#').hostPort, "00105");
        EXPECT_GE(versionOf(withSignature(fleet, '^')), "2.4F");
        EXPECT_GE(versionOf(withSignature(fleet, '+')), "2.3F");
        EXPECT_TRUE(withSignature(fleet, 'x').login.contains("TER:0042"));
        const Device& mqtt = withSignature(fleet, 'q');
        EXPECT_EQ(mqtt.options.at(2), 'N');
        EXPECT_TRUE(mqtt.login.startsWith("Tav") && mqtt.login.endsWith('\r'));
        EXPECT_EQ(mqtt.login.count('\r'), 7);
        EXPECT_TRUE(mqtt.login.contains(char(234))); // the commas of the JSON messages

        int inc = 0, old = 0, encrypted = 0, zephyr = 0;
        for (const Device& device : fleet) {
            const QByteArray record = recordText(device);
            if (versionOf(device) == "INC.") {
                ++inc;
                EXPECT_EQ(record.count(','), 7);
            }
            old += versionOf(device) < "1.3";
            encrypted += record.contains("TAVRENk");
            zephyr += device.options.size() == 4 && device.options.at(2) == 'N'
                && !record.contains(signature('q'));
        }
        EXPECT_EQ(inc, 1);
        EXPECT_EQ(old, 1);
        EXPECT_EQ(encrypted, 1);
        EXPECT_EQ(zephyr, 1);
    }

    TEST(AllModels, DistinctAddressesAndWellFormedRecords)
    {
        const std::vector<Device> fleet = allModelsFleet();
        QSet<QByteArray> macs, ips;
        QByteArray all;
        for (const Device& device : fleet) {
            macs.insert(device.mac);
            ips.insert(device.ip);
            ASSERT_TRUE(parseMac(device.mac)) << device.mac.toStdString();
            const auto ip = parseIpv4(device.ip);
            ASSERT_TRUE(ip) << device.ip.toStdString();
            EXPECT_EQ(*ip >> 8, 0x0AD500u) << device.ip.toStdString(); // 10.213.0.x
            EXPECT_GT(*ip & 255, 10u);
            EXPECT_LT(*ip & 255, 255u);
            const QByteArray record = recordText(device);
            // A comma inside a field would shift every field after it.
            EXPECT_EQ(record.count(','), device.fields - 1) << record.toStdString();
            all += record;
        }
        EXPECT_EQ(macs.size(), static_cast<qsizetype>(fleet.size()));
        EXPECT_EQ(ips.size(), static_cast<qsizetype>(fleet.size()));
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
        QSet<QByteArray> macs;
        QSet<quint32> ips;
        for (const Device& device : fleet) {
            macs.insert(device.mac);
            const auto ip = parseIpv4(device.ip);
            ASSERT_TRUE(ip && parseMac(device.mac)) << device.ip.toStdString();
            ASSERT_EQ(*ip >> 16, 0x0AD5u);
            ASSERT_NE(*ip & 255, 0u);
            ASSERT_NE(*ip & 255, 255u);
            ips.insert(*ip);
        }
        EXPECT_EQ(macs.size(), syntheticLimit);
        EXPECT_EQ(ips.size(), syntheticLimit);
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
            const std::vector<Device> fleet = sharedAddressFleet(3, c.address);
            QSet<QByteArray> macs;
            for (const Device& device : fleet) {
                macs.insert(device.mac);
                EXPECT_EQ(device.ip, c.ip);
                EXPECT_EQ(device.mask, "255.255.0.0");
                EXPECT_EQ(device.gateway, c.gateway);
            }
            EXPECT_EQ(macs.size(), 3);
        }
    }

} // namespace
} // namespace linknode::sim
