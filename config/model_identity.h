#pragma once

#include <string>
#include <string_view>

// Which model a record comes from, found by the signature "COPYRIGHT" + code + "TAVREN".
namespace linknode {

// The named rule sets a model applies to the view, as flags.
enum ModelRule : unsigned {
    RuleWiegand = 1u << 0, // FR_WIEGAND shown
    RulePanoramaList = 1u << 1, // Panorama mode list, FR_PANORAMA_MODE shown
    RuleQd71rList = 1u << 2, // QD-71R mode list, FR_PANORAMA_MODE shown
    RuleModbusLock = 1u << 3,
    RuleV6Layout = 1u << 4,
    RuleDhcpGroup = 1u << 5,
    RuleMqttFill = 1u << 6,
    RuleTerminalNumber = 1u << 7,
    RuleHidePanorama = 1u << 8, // FR_PANORAMA_MODE hidden
    Rule10BaseT = 1u << 9, // SW_10BASET shown
};

struct ModelIdentity {
    int row = 0; // 1..15 in table order; 0: no signature found
    std::string name; // display name with its trailing blank ("KRT-40/NX V5 "), "" when none
    int picture = 0; // PIC_PROD index 2..15; 0 when none
    // ModelRule flags. Every row lists its rules in this one order, so applying them in it
    // keeps each row's order: MqttFill, DhcpGroup, HidePanorama, Wiegand, the mode lists,
    // ModbusLock, V6Layout, TerminalNumber, 10BaseT.
    unsigned rules = 0;
};

// The first signature of the table found in the record (test 14 on the upper-cased record),
// with the version thresholds of its row applied. `versionCode` is VERSION_CODE of the
// version text.
ModelIdentity identifyModel(std::string_view record, int versionCode);

// True when the record carries the encryption marker "TAVRENk".
bool isEncrypted(std::string_view record);

// " Zephyr-Pod" for option character 3 "N", " Modbus Zephyr-Pod" for "M", "" otherwise and
// for texts shorter than four characters (they carry no options).
std::string gatewaySuffix(std::string_view options);

// The caption the view shows under DEVICE VERSION for a record: the model's name and the
// firmware version ("KRT-40/NX V5 2.3F"), " Encrypted" for an encrypted connection, and the
// gateway suffix of the option characters; "1.0A" for the earliest firmware.
std::string modelCaption(std::string_view record);

// Old-firmware rule: N below 13, or a Conduit V4 Modbus board.
bool oldFirmware(std::string_view record, int versionNumber);

// The version rules: which optional controls the firmware has.
struct VersionFeatures {
    bool keepalive, conduit, ntp, devName, conduit400, bioscrypt, auxPort, bioscryptPrefix;
};
VersionFeatures versionFeatures(int versionNumber, unsigned char letter);

} // namespace linknode
