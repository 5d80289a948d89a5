#include "config/device_record.h"
#include "config/model_identity.h"

#include <gtest/gtest.h>

namespace linknode {
namespace {

    std::string recordOf(const std::string& identity, const std::string& version)
    {
        return "0-80-194-1-2-3,192.168.5.10,255.255.255.0,192.168.5.1,9600,0,0," + identity + " "
            + version + ",1,0.0.0.0,2101,0000,5,16,10,TavAB";
    }

    ModelIdentity identify(const std::string& record)
    {
        return identifyModel(record, firmwareVersion(record).code);
    }

    struct ModelCase {
        std::string identity;
        std::string version;
        int row;
        std::string name;
        int picture;
        unsigned rules;
    };
    class IdentifyModelTest : public testing::TestWithParam<ModelCase> { };
    TEST_P(IdentifyModelTest, Identifies)
    {
        const auto& c = GetParam();
        const ModelIdentity m = identify(recordOf(c.identity, c.version));
        EXPECT_EQ(m.row, c.row);
        EXPECT_EQ(m.name, c.name);
        EXPECT_EQ(m.picture, c.picture);
        EXPECT_EQ(m.rules, c.rules);
    }

    constexpr unsigned V6 = RuleHidePanorama | RuleWiegand | RuleV6Layout;
    const std::string sig = "COPYRIGHT";

    INSTANTIATE_TEST_SUITE_P(Rows, IdentifyModelTest,
        testing::Values(ModelCase { sig + "&TAVREN", "2.4F", 1, "Keyra ", 2, 0 },
            ModelCase { sig + "*TAVREN", "2.4F", 2, "Pelix ", 3, 0 },
            ModelCase { sig + ">TAVREN", "2.4F", 3, "ConduitBioscrypt ", 5, 0 },
            ModelCase { sig + "<TAVREN", "2.4F", 4, "ConduitQuillmark ", 10, RuleWiegand },
            ModelCase { sig + "/TAVREN", "2.4F", 5, "Conduit V2 ", 6, RuleWiegand },
            ModelCase { sig + "\\TAVREN", "2.3V", 6, "Conduit V3 ", 7, RuleWiegand },
            ModelCase { sig + "\\TAVREN", "2.3W", 6, "Conduit V3 ", 7, RuleWiegand | Rule10BaseT },
            ModelCase { sig + "!TAVREN", "2.4F", 7, "Conduit V4 ", 12, RuleWiegand },
            ModelCase { sig + "mTAVREN", "2.4F", 8, "Conduit V4 Modbus ", 12,
                RuleWiegand | RuleModbusLock },
            ModelCase { sig + "tTAVREN", "2.4F", 9, "Rotagate V1 ", 13, RuleWiegand },
            ModelCase { sig + "#TAVREN", "2.4F", 10, "QD Panorama V2 ", 8, RulePanoramaList },
            ModelCase { sig + "#TAVREN", "2.4E", 10, "QD Panorama V1 ", 8, RulePanoramaList },
            ModelCase { sig + "#TAVREN", "2.3Z", 10, "QD Panorama V1 ", 8, RulePanoramaList },
            ModelCase { sig + "#TAVREN", "2.3f", 10, "QD Panorama V2 ", 8, RulePanoramaList },
            ModelCase { sig + "^TAVREN", "2.4F", 11, "QD-71R V5 ", 11, RuleQd71rList },
            ModelCase { sig + "^TAVREN", "2.4E", 11, "QD-71R V4 ", 11, RuleQd71rList },
            ModelCase { sig + "+TAVREN", "2.3E", 12, "KRT-40/NX V5 ", 9, RuleHidePanorama },
            ModelCase {
                sig + "+TAVREN", "2.3F", 12, "KRT-40/NX V5 ", 9, RuleHidePanorama | RuleWiegand },
            ModelCase { sig + "oTAVREN", "2.4F", 13, "KRT-40/NX V6 ", 14, V6 },
            ModelCase {
                sig + "XTAVREN", "2.4F", 14, "KRT-40/NX V6 Cloud ", 15, V6 | RuleDhcpGroup },
            ModelCase { sig + "xTAVREN", "2.4F", 14, "KRT-40/NX V6 Cloud ", 15,
                V6 | RuleDhcpGroup | RuleTerminalNumber },
            ModelCase {
                "copyrightxtavren", "2.4F", 14, "KRT-40/NX V6 Cloud ", 15, V6 | RuleDhcpGroup },
            ModelCase { sig + "qTAVREN", "2.4F", 15, "Conduit-IP MQTT ", 12,
                V6 | RuleDhcpGroup | RuleMqttFill },
            ModelCase { "TAVREN INC", "2.4F", 0, "", 0, 0 },
            ModelCase { "copyright&tavren", "2.4F", 0, "", 0, 0 }, // case matters elsewhere
            ModelCase { sig + "zTAVREN", "2.4F", 0, "", 0, 0 },
            // The table order decides, not the position in the record.
            ModelCase { sig + "+TAVREN " + sig + "&TAVREN", "2.4F", 1, "Keyra ", 2, 0 }));

    TEST(ModelIdentity, EncryptionMarkerIsCaseSensitive)
    {
        EXPECT_TRUE(isEncrypted("COPYRIGHT!TAVRENk 2.4F"));
        EXPECT_FALSE(isEncrypted("COPYRIGHT!TAVRENK 2.4F"));
    }

    TEST(ModelIdentity, GatewaySuffixFromTheThirdOptionCharacter)
    {
        EXPECT_EQ(gatewaySuffix("20N0"), " Zephyr-Pod");
        EXPECT_EQ(gatewaySuffix("20M0"), " Modbus Zephyr-Pod");
        EXPECT_EQ(gatewaySuffix("2N00"), "");
        EXPECT_EQ(gatewaySuffix("20N"), ""); // too short to carry options
    }

    TEST(ModelIdentity, OldFirmware)
    {
        EXPECT_TRUE(oldFirmware("x", 12));
        EXPECT_TRUE(oldFirmware("x", 0)); // "INC."
        EXPECT_FALSE(oldFirmware("x", 13));
        EXPECT_TRUE(oldFirmware("COPYRIGHTmTAVREN 2.4F", 24));
        EXPECT_FALSE(oldFirmware("COPYRIGHTMTAVREN 2.4F", 24));
    }

    struct FeatureCase {
        int number;
        unsigned char letter;
        bool keepalive, conduit, ntp, devName, conduit400, bioscrypt, auxPort, prefix;
    };
    class VersionFeaturesTest : public testing::TestWithParam<FeatureCase> { };
    TEST_P(VersionFeaturesTest, Thresholds)
    {
        const auto& c = GetParam();
        const VersionFeatures f = versionFeatures(c.number, c.letter);
        EXPECT_EQ(f.keepalive, c.keepalive);
        EXPECT_EQ(f.conduit, c.conduit);
        EXPECT_EQ(f.ntp, c.ntp);
        EXPECT_EQ(f.devName, c.devName);
        EXPECT_EQ(f.conduit400, c.conduit400);
        EXPECT_EQ(f.bioscrypt, c.bioscrypt);
        EXPECT_EQ(f.auxPort, c.auxPort);
        EXPECT_EQ(f.bioscryptPrefix, c.prefix);
    }
    INSTANTIATE_TEST_SUITE_P(Cases, VersionFeaturesTest,
        testing::Values(FeatureCase { 22, 'F', 1, 1, 1, 1, 1, 1, 1, 1 },
            FeatureCase { 22, 'E', 1, 1, 0, 1, 1, 1, 1, 1 },
            FeatureCase { 23, 'A', 1, 1, 1, 1, 1, 1, 1, 0 },
            FeatureCase { 21, 'Z', 1, 1, 0, 1, 1, 1, 0, 0 },
            FeatureCase { 20, 'A', 1, 1, 0, 1, 1, 0, 0, 0 },
            FeatureCase { 19, 'A', 1, 1, 0, 1, 0, 0, 0, 0 },
            FeatureCase { 16, 'A', 1, 1, 0, 0, 0, 0, 0, 0 },
            FeatureCase { 15, 'Z', 1, 0, 0, 0, 0, 0, 0, 0 },
            FeatureCase { 13, 'Z', 0, 0, 0, 0, 0, 0, 0, 0 },
            FeatureCase { 22, 'e', 1, 1, 1, 1, 1, 1, 1, 1 })); // letters compare by code

} // namespace
} // namespace linknode
