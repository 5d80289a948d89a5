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

    TEST(ModelIdentity, RowNamePictureAndRulesOfEachSignature)
    {
        constexpr unsigned V6 = RuleHidePanorama | RuleWiegand | RuleV6Layout;
        const std::string sig = "COPYRIGHT";
        const ModelCase cases[] = {
            { sig + "&TAVREN", "2.4F", 1, "Keyra ", 2, 0 },
            { sig + "*TAVREN", "2.4F", 2, "Pelix ", 3, 0 },
            { sig + ">TAVREN", "2.4F", 3, "ConduitBioscrypt ", 5, 0 },
            { sig + "<TAVREN", "2.4F", 4, "ConduitQuillmark ", 10, RuleWiegand },
            { sig + "/TAVREN", "2.4F", 5, "Conduit V2 ", 6, RuleWiegand },
            { sig + "\\TAVREN", "2.3V", 6, "Conduit V3 ", 7, RuleWiegand },
            { sig + "\\TAVREN", "2.3W", 6, "Conduit V3 ", 7, RuleWiegand | Rule10BaseT },
            { sig + "!TAVREN", "2.4F", 7, "Conduit V4 ", 12, RuleWiegand },
            { sig + "mTAVREN", "2.4F", 8, "Conduit V4 Modbus ", 12, RuleWiegand | RuleModbusLock },
            { sig + "tTAVREN", "2.4F", 9, "Rotagate V1 ", 13, RuleWiegand },
            { sig + "#TAVREN", "2.4F", 10, "QD Panorama V2 ", 8, RulePanoramaList },
            { sig + "#TAVREN", "2.4E", 10, "QD Panorama V1 ", 8, RulePanoramaList },
            { sig + "#TAVREN", "2.3Z", 10, "QD Panorama V1 ", 8, RulePanoramaList },
            { sig + "#TAVREN", "2.3f", 10, "QD Panorama V2 ", 8, RulePanoramaList },
            { sig + "^TAVREN", "2.4F", 11, "QD-71R V5 ", 11, RuleQd71rList },
            { sig + "^TAVREN", "2.4E", 11, "QD-71R V4 ", 11, RuleQd71rList },
            { sig + "+TAVREN", "2.3E", 12, "KRT-40/NX V5 ", 9, RuleHidePanorama },
            { sig + "+TAVREN", "2.3F", 12, "KRT-40/NX V5 ", 9, RuleHidePanorama | RuleWiegand },
            { sig + "oTAVREN", "2.4F", 13, "KRT-40/NX V6 ", 14, V6 },
            { sig + "XTAVREN", "2.4F", 14, "KRT-40/NX V6 Cloud ", 15, V6 | RuleDhcpGroup },
            { sig + "xTAVREN", "2.4F", 14, "KRT-40/NX V6 Cloud ", 15,
                V6 | RuleDhcpGroup | RuleTerminalNumber },
            { "copyrightxtavren", "2.4F", 14, "KRT-40/NX V6 Cloud ", 15, V6 | RuleDhcpGroup },
            { sig + "qTAVREN", "2.4F", 15, "Conduit-IP MQTT ", 12,
                V6 | RuleDhcpGroup | RuleMqttFill },
            { "copyright&tavren", "2.4F", 0, "", 0, 0 }, // case matters elsewhere
            { sig + "zTAVREN", "2.4F", 0, "", 0, 0 },
            // The table order decides, not the position in the record.
            { sig + "+TAVREN " + sig + "&TAVREN", "2.4F", 1, "Keyra ", 2, 0 },
        };
        for (const ModelCase& c : cases) {
            SCOPED_TRACE(c.identity + " " + c.version);
            const ModelIdentity m = identify(recordOf(c.identity, c.version));
            EXPECT_EQ(m.row, c.row);
            EXPECT_EQ(m.name, c.name);
            EXPECT_EQ(m.picture, c.picture);
            EXPECT_EQ(m.rules, c.rules);
        }
    }

    // The encryption mark is case sensitive; the gateway suffix comes from the third option
    // character.
    TEST(ModelIdentity, EncryptionGatewaySuffixAndOldFirmware)
    {
        EXPECT_TRUE(isEncrypted("COPYRIGHT!TAVRENk 2.4F"));
        EXPECT_FALSE(isEncrypted("COPYRIGHT!TAVRENK 2.4F"));
        EXPECT_EQ(gatewaySuffix("20N0"), " Zephyr-Pod");
        EXPECT_EQ(gatewaySuffix("20M0"), " Modbus Zephyr-Pod");
        EXPECT_EQ(gatewaySuffix("2N00"), "");
        EXPECT_EQ(gatewaySuffix("20N"), ""); // too short to carry options
        EXPECT_TRUE(oldFirmware("x", 12));
        EXPECT_TRUE(oldFirmware("x", 0)); // "INC."
        EXPECT_FALSE(oldFirmware("x", 13));
        EXPECT_TRUE(oldFirmware("COPYRIGHTmTAVREN 2.4F", 24));
        EXPECT_FALSE(oldFirmware("COPYRIGHTMTAVREN 2.4F", 24));
    }

    TEST(ModelIdentity, FeatureThresholds)
    {
        // Features in the order keepalive, conduit, NTP, device name, conduit 400,
        // fingerprint, AUX port, fingerprint prefix; letters compare by code.
        const struct {
            int number;
            unsigned char letter;
            const char* features;
        } cases[] = { { 22, 'F', "11111111" }, { 22, 'E', "11011111" }, { 23, 'A', "11111110" },
            { 21, 'Z', "11011100" }, { 20, 'A', "11011000" }, { 19, 'A', "11010000" },
            { 16, 'A', "11000000" }, { 15, 'Z', "10000000" }, { 13, 'Z', "00000000" },
            { 22, 'e', "11111111" } };
        for (const auto& c : cases) {
            const VersionFeatures f = versionFeatures(c.number, c.letter);
            const bool shown[] = { f.keepalive, f.conduit, f.ntp, f.devName, f.conduit400,
                f.bioscrypt, f.auxPort, f.bioscryptPrefix };
            std::string features;
            for (const bool on : shown)
                features += on ? '1' : '0';
            EXPECT_EQ(features, c.features) << c.number << c.letter;
        }
    }

} // namespace
} // namespace linknode
