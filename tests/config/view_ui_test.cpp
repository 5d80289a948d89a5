// Selecting devices one after another: the state of the view after each selection.
#include "config/view_state.h"
#include "tests/config/view_fixture.h"
#include "widgets/focus_line_edit.h"

using namespace linknode;
using namespace linknode::test;

namespace {

// Each step's board has its own MAC ending in the step's number, unless the step names another.
struct Step {
    Record record;
    std::vector<Expect> expect;
};

struct Scenario {
    const char* name;
    std::vector<Step> steps;
};

// Versions several steps share.
const std::string conduitV4 = "COPYRIGHT!TAVREN CONDUIT V4 2.4F";
const std::string panorama = "COPYRIGHT#TAVREN QD PANORAMA 2.4F";
const std::string krt40V12 = "COPYRIGHT+TAVREN KRT-40 1.2B";
const std::string qd71r = "COPYRIGHT^TAVREN QD-71R 2.4F";

// Octal escapes keep bytes apart from the digits after them: \200 is 128, \270 is 184, \352
// is 234 (a comma inside the login).
const Scenario scenarios[] = {
    { "CloudBoardThenV5Board",
        {
            { { .version = "COPYRIGHTxTAVREN KRT-40 CLOUD 2.4F",
                  .options = "07\2000",
                  .login = "TavTER:0042\r" },
                { { AFF_VER, Is::Text, "KRT-40/NX V6 Cloud 2.4F" }, { PIC_PROD(0), Is::Shown },
                    { INP_IP, Is::Disabled }, { INP_MASK, Is::Disabled },
                    { INP_GATE, Is::Disabled }, { AFF_DHCP_IP, Is::Shown },
                    { SW_KRT_V6, Is::Checked }, { SW_AUXRS232, Is::Checked },
                    // The login frame holds the right-hand place: the terminal number, the
                    // serial frame and its picture go to the left column, free on V6 boards.
                    { FR_SERIAL_CFG, Is::Shown }, { FR_SERIAL_CFG, Is::At, "130,1640" },
                    { PIC_V6_AUX, Is::Shown }, { PIC_V6_AUX, Is::At, "130,2580" },
                    { FR_CONDUIT_AUTOBOOT, Is::Hidden }, { FR_TERM_NO, Is::Shown },
                    { FR_TERM_NO, Is::At, "45,480" }, { FR_LOGIN, Is::Shown },
                    { INP_TERM_NO, Is::Text, "0042" }, { INP_LOGIN, Is::Text, "TER:0042^13^" },
                    { FR_WIEGAND, Is::Shown }, { FR_PANORAMA_MODE, Is::Hidden },
                    { SW_KEEPALIVE, Is::Checked }, { SW_KEEPALIVE_DEL(0), Is::Checked },
                    { INP_NO, Is::Text, "07^128^0" } } },
            { { .version = "COPYRIGHT+TAVREN KRT-40 2.3F" },
                { { AFF_VER, Is::Text, "KRT-40/NX V5 2.3F" }, { INP_IP, Is::Enabled },
                    { INP_MASK, Is::Enabled }, { INP_GATE, Is::Enabled },
                    { AFF_DHCP_IP, Is::Hidden }, { SW_KRT_V6, Is::Unchecked },
                    { SW_AUXRS232, Is::Unchecked }, { FR_SERIAL_CFG, Is::Shown },
                    { FR_SERIAL_CFG, Is::At, "130,1260" }, { PIC_V6_AUX, Is::Hidden },
                    { FR_CONDUIT_AUTOBOOT, Is::Shown }, { FR_TERM_NO, Is::Hidden },
                    { FR_WIEGAND, Is::Shown }, { INP_LOGIN, Is::Text, "AB" } } },
            // Upper-case X: the Cloud layout without the terminal number; no AUX port, so
            // the serial frame goes.
            { { .version = "COPYRIGHTXTAVREN KRT-40 CLOUD 2.4F", .login = "TavTER:0042\r" },
                { { AFF_VER, Is::Text, "KRT-40/NX V6 Cloud 2.4F" }, { FR_TERM_NO, Is::Hidden },
                    { FR_SERIAL_CFG, Is::Hidden }, { PIC_V6_AUX, Is::Hidden },
                    { SW_KRT_V6, Is::Checked } } },
        } },
    { "VersionRulesFromN24ToN12AndBack",
        {
            { { .options = "2780" },
                { { FR_LOGIN, Is::Shown }, { SW_AUTO_BOOT, Is::Shown },
                    { SW_AUTO_BOOT, Is::Checked }, { SW_CONDUIT(0), Is::Shown },
                    { SW_CONDUIT(0), Is::Checked }, { SW_KEEPALIVE, Is::Shown },
                    { SW_KEEPALIVE, Is::Checked }, { FR_NTP, Is::Shown }, { FR_DEVNAME, Is::Shown },
                    { SW_CONDUIT(1), Is::Shown }, { SW_BIOSCRYPT, Is::Shown },
                    { SW_AUXRS232, Is::Shown }, { SW_BIOSCRYPT_PREFIX, Is::Shown },
                    { IMG_BIOSCRYPT_PREFIX, Is::Shown }, { AFF_SEL_DEV, Is::Hidden } } },
            // N = 12: old firmware has none of the features of the version rules, whatever
            // the board before showed.
            { { .version = krt40V12 },
                { { AFF_VER, Is::Text, "KRT-40/NX V5 1.2B" }, { FR_LOGIN, Is::Hidden },
                    { SW_AUTO_BOOT, Is::Hidden }, { SW_CONDUIT(0), Is::Hidden },
                    { FR_NTP, Is::Hidden }, { FR_DEVNAME, Is::Hidden },
                    { SW_KEEPALIVE, Is::Hidden }, { SW_CONDUIT(1), Is::Hidden },
                    { SW_BIOSCRYPT, Is::Hidden }, { SW_AUXRS232, Is::Hidden },
                    { SW_BIOSCRYPT_PREFIX, Is::Hidden }, { AFF_SEL_DEV, Is::Hidden },
                    { SW_AUTO_BOOT, Is::Unchecked }, { SW_KEEPALIVE, Is::Unchecked },
                    { FR_WIEGAND, Is::Hidden } } },
            { { .version = "COPYRIGHT+TAVREN KRT-40 2.2E" },
                { { SW_AUTO_BOOT, Is::Shown }, { SW_CONDUIT(0), Is::Shown }, { FR_NTP, Is::Hidden },
                    { SW_BIOSCRYPT_PREFIX, Is::Shown }, { SW_AUXRS232, Is::Shown } } },
            { { .version = "COPYRIGHT+TAVREN KRT-40 2.3A", .options = "00\2009" },
                { { FR_NTP, Is::Shown }, { SW_BIOSCRYPT_PREFIX, Is::Hidden },
                    { IMG_BIOSCRYPT_PREFIX, Is::Hidden }, { SW_AUXRS232, Is::Checked },
                    { SW_TIMEOUT, Is::Checked } } },
            // Two option characters carry no options: every option switch shows off.
            { { .version = "COPYRIGHT+TAVREN KRT-40 2.1Z", .options = "12" },
                { { FR_NTP, Is::Hidden }, { SW_BIOSCRYPT_PREFIX, Is::Hidden },
                    { SW_AUXRS232, Is::Hidden }, { SW_AUXRS232, Is::Unchecked },
                    { SW_TIMEOUT, Is::Unchecked }, { SW_KEEPALIVE_DEL(0), Is::Disabled },
                    { INP_NO, Is::Text, "12" } } },
        } },
    // A login ending in a workstation identifier shows it in its own box; other control
    // bytes show in caret form. Old firmware has no identifier: the login stays whole.
    { "WorkstationIdentifierAndControlBytesOfALogin",
        {
            { { .login = "Tav\002WS01\003" },
                { { FR_DEVNAME, Is::Shown }, { INP_LOGIN, Is::Text, "" },
                    { INP_DEVNAME, Is::Text, "WS01" } } },
            { { .login = "TavA\001B\r" },
                { { INP_LOGIN, Is::Text, "A^1^B^13^" }, { INP_DEVNAME, Is::Text, "" } } },
            { { .version = "COPYRIGHT+TAVREN KRT-40 1.8B", .login = "TavA\002WS01\003" },
                { { FR_DEVNAME, Is::Hidden }, { INP_LOGIN, Is::Text, "A^2^WS01^3^" } } },
        } },
    { "BoardWithoutModeFieldAfterOneWithIt",
        {
            { { .hostPort = "2101V", .options = "0780" },
                { { TXT_MODE_NOT_AVAILABLE, Is::Hidden }, { SW_MODE(0), Is::Enabled },
                    { SW_MODE(1), Is::Enabled }, { SW_MODE(1), Is::Checked },
                    { SW_MODE(0), Is::Tag, "1" }, { SW_10BASET, Is::Checked },
                    { INP_HOST_IP, Is::Text, "192.168.5.2" }, { INP_HOST_PORT, Is::Text, "2101V" },
                    { INP_NO, Is::Text, "0780" }, { Label2, Is::Enabled }, { Label2, Is::Tip } } },
            // Grey outside CLIENT mode, with the login controls: its tip says so.
            { { .mode = "", .hostIp = "10.1.1.1", .hostPort = "23", .options = "2000" },
                { { TXT_MODE_NOT_AVAILABLE, Is::Shown },
                    { TXT_MODE_NOT_AVAILABLE, Is::At, "45,225" }, { SW_MODE(0), Is::Disabled },
                    { SW_MODE(1), Is::Disabled }, { SW_MODE(0), Is::Checked },
                    { SW_MODE(0), Is::Tag, "0" }, { INP_HOST_IP, Is::Text, "10.1.1.1" },
                    { INP_HOST_PORT, Is::Text, "23" }, { INP_NO, Is::Text, "2000" },
                    { SW_10BASET, Is::Unchecked }, { SW_KEEPALIVE, Is::Unchecked },
                    { SW_CONDUIT(0), Is::Checked }, { Label2, Is::Disabled },
                    { Label2, Is::Tip, notInClientMode } } },
            // The earliest firmware: the record ends after field 7.
            { { .version = "(C) TAVREN INC.", .fields = 8 },
                { { AFF_VER, Is::Text, "1.0A" }, { TXT_MODE_NOT_AVAILABLE, Is::Shown },
                    { INP_HOST_IP, Is::Text, "" }, { INP_HOST_PORT, Is::Text, "" },
                    { INP_NO, Is::Text, "0000" }, { INP_LOGIN, Is::Text, "" },
                    { INP_WIEGAND_CFG, Is::Text, "" }, { FR_LOGIN, Is::Hidden },
                    { SW_CONDUIT(0), Is::Unchecked }, { FR_CONDUIT_AUTOBOOT, Is::Hidden } } },
            // A mode above 1 counts as SERVER; the tag keeps what was loaded.
            { { .mode = "5" },
                { { TXT_MODE_NOT_AVAILABLE, Is::Hidden }, { SW_MODE(0), Is::Enabled },
                    { SW_MODE(0), Is::Checked }, { SW_MODE(0), Is::Tag, "0" },
                    { INP_HOST_IP, Is::Text, "192.168.5.2" } } },
        } },
    { "ClocksShowTheirOwnTimeZone",
        {
            { { .version = panorama, .mode = "0", .hostPort = "2101V" },
                { { AFF_VER, Is::Text, "QD Panorama V2 2.4F" }, { FR_PANORAMA_MODE, Is::Shown },
                    { LST_PANORAMA_MODE, Is::Text, "QD-Panorama Startup Mode" },
                    { SW_10BASET, Is::Checked }, { SW_NTP, Is::Unchecked } } },
            // After a 10Base-T board: the zone is not re-encoded, the "V" not appended.
            { { .version = panorama, .mode = "0", .hostIp = "10.0.0.5", .hostPort = "00105" },
                { { INP_HOST_PORT, Is::Text, "00105" }, { INP_HOST_IP, Is::Text, "10.0.0.5" },
                    { SW_NTP, Is::Checked }, { SW_10BASET, Is::Unchecked },
                    { B_TIME_ZONE, Is::Shown }, { B_TIME_ZONE, Is::Text, "-" },
                    { INP_TIMEZONE, Is::Text, "5" }, { AFF_TIMEZONE, Is::Shown },
                    { INP_IP_NTP, Is::Shown }, { INP_IP_NTP, Is::Text, "10.0.0.5" },
                    { SW_MODE(0), Is::Checked }, { SW_MODE(0), Is::Disabled },
                    { SW_MODE(1), Is::Disabled } } },
            // NTP stays on: the zone and server shown still follow the record.
            { { .version = qd71r, .mode = "0", .hostIp = "10.0.0.6", .hostPort = "00002" },
                { { AFF_VER, Is::Text, "QD-71R V5 2.4F" },
                    { LST_PANORAMA_MODE, Is::Text, "QD-71R V4 Startup Mode" },
                    { LST_PANORAMA_MODE, Is::Items,
                        "Clock Mode (Red)|String Mode|Temperature Mode|Show Version Mode|"
                        "Countdown on TTL IN|Counter on TTL IN 1 Reset TTL IN 2" },
                    { INP_HOST_PORT, Is::Text, "00002" }, { SW_NTP, Is::Checked },
                    { SW_MODE(0), Is::Disabled }, { SW_MODE(1), Is::Disabled },
                    { B_TIME_ZONE, Is::Text, "+" }, { INP_TIMEZONE, Is::Text, "2" },
                    { INP_IP_NTP, Is::Text, "10.0.0.6" } } },
            { { .version = "COPYRIGHT^TAVREN QD-71R 2.3F" },
                { { AFF_VER, Is::Text, "QD-71R V4 2.3F" }, { SW_NTP, Is::Unchecked },
                    { SW_NTP, Is::Disabled }, { INP_HOST_PORT, Is::Text, "2101" },
                    { INP_IP_NTP, Is::Hidden }, { B_TIME_ZONE, Is::Hidden },
                    { SW_MODE(1), Is::Checked }, { SW_MODE(0), Is::Enabled } } },
            // One character is no NTP mark either way.
            { { .mode = "0", .hostPort = "5" },
                { { SW_NTP, Is::Unchecked }, { SW_NTP, Is::Enabled },
                    { INP_HOST_PORT, Is::Text, "5" }, { INP_HOST_IP, Is::Text, "192.168.5.2" },
                    { INP_NO, Is::Text, "0000" } } },
        } },
    // The login frame is the shown board's: its firmware and its mode, not the mode change.
    { "LoginFrameOfTheBoardShown",
        {
            { {}, { { FR_LOGIN, Is::Shown } } },
            { { .version = krt40V12 },
                { { SW_MODE(1), Is::Checked }, { FR_LOGIN, Is::Hidden },
                    { FR_DEVNAME, Is::Hidden } } },
            // Same mode, no change raised: the login is back for the firmware that has it.
            { {},
                { { SW_MODE(1), Is::Checked }, { FR_LOGIN, Is::Shown }, { FR_DEVNAME, Is::Shown },
                    { INP_LOGIN, Is::Enabled }, { B_SEND_LOGIN, Is::Enabled } } },
            { { .mode = "0" }, { { FR_LOGIN, Is::Hidden } } },
            // The board of step 2 again: the change to CLIENT does not bring the login to firmware
            // without one.
            { { .mac = "0-80-194-1-2-2", .version = krt40V12 },
                { { SW_MODE(1), Is::Checked }, { FR_LOGIN, Is::Hidden }, { INP_NO, Is::Shown } } },
        } },
    { "OptionLettersAndBytesStayAsSent",
        {
            { { .version = conduitV4, .options = "0080" },
                { { SW_AUTO_BOOT, Is::Checked }, { INP_NO, Is::Text, "0080" } } },
            { { .version = conduitV4, .options = "20N0" },
                { { AFF_VER, Is::Text, "Conduit V4 2.4F Zephyr-Pod" }, { SW_AUXRS232, Is::Checked },
                    { SW_AUTO_BOOT, Is::Unchecked }, { SW_CONDUIT(0), Is::Checked },
                    { SW_CONDUIT(1), Is::Unchecked }, { SW_CONDUIT(1), Is::Enabled },
                    { INP_NO, Is::Text, "20N0" } } },
            { { .version = conduitV4, .options = "00M0" },
                // "M" is not the AUX port's code: the port shows off, not as before.
                { { AFF_VER, Is::Text, "Conduit V4 2.4F Modbus Zephyr-Pod" },
                    { SW_AUXRS232, Is::Unchecked }, { SW_CONDUIT(0), Is::Unchecked },
                    { SW_CONDUIT(1), Is::Disabled }, { INP_NO, Is::Text, "00M0" } } },
            { { .version = "COPYRIGHT!TAVRENk CONDUIT V4 2.4F", .options = "48\2709" },
                { { AFF_VER, Is::Text, "Conduit V4 2.4F Encrypted" }, { PIC_ENCRYPTED, Is::Shown },
                    { SW_AUTO_BOOT, Is::Checked }, { SW_AUXRS232, Is::Checked },
                    { SW_CONDUIT(0), Is::Checked }, { SW_CONDUIT(1), Is::Checked },
                    { SW_KEEPALIVE, Is::Checked }, { SW_KEEPALIVE_DEL(1), Is::Checked },
                    { SW_TIMEOUT, Is::Checked }, { INP_NO, Is::Text, "48\2709" } } },
            { { .version = conduitV4, .options = "5009" },
                { { PIC_ENCRYPTED, Is::Hidden }, { SW_BIOSCRYPT, Is::Checked },
                    { SW_BIOSCRYPT_PREFIX, Is::Unchecked }, { FR_BIOSCRYPT_PREFIX, Is::Shown },
                    { SW_CONDUIT(0), Is::Unchecked }, { SW_CONDUIT(1), Is::Disabled },
                    { SW_KEEPALIVE, Is::Unchecked }, { SW_AUTO_BOOT, Is::Unchecked },
                    { SW_AUXRS232, Is::Unchecked }, { SW_TIMEOUT, Is::Checked },
                    { INP_NO, Is::Text, "5009" } } },
            { { .version = conduitV4, .options = "6000" },
                { { SW_BIOSCRYPT_PREFIX, Is::Checked }, { INP_NO, Is::Text, "6000" } } },
            { { .version = "COPYRIGHTmTAVREN CONDUIT MODBUS 2.4F", .mode = "0", .options = "00M0" },
                { { AFF_VER, Is::Text, "Conduit V4 Modbus 2.4F Modbus Zephyr-Pod" },
                    { FR_MODE, Is::Hidden }, { FR_CONDUIT_AUTOBOOT, Is::Hidden },
                    { SW_TIMEOUT, Is::Hidden }, { SW_KEEPALIVE, Is::Hidden },
                    { SW_BIOSCRYPT, Is::Hidden }, { SW_AUXRS232, Is::Hidden },
                    { SW_KEEPALIVE_DEL(0), Is::Hidden }, { FR_LOGIN, Is::Hidden },
                    { SW_AUXRS232, Is::Unchecked }, { INP_NO, Is::Text, "00M0" },
                    { INP_HOST_IP, Is::Text, "192.168.5.2" } } },
        } },
    { "MqttGatewayBetweenPlainBoards",
        {
            { { .mode = "0", .options = "0080" },
                { { SW_MODE(0), Is::Checked }, { FR_MQTT, Is::Hidden } } },
            { { .version = "COPYRIGHTqTAVREN CONDUIT-IP MQTT 2.4F",
                  .hostIp = "10.0.0.50",
                  .hostPort = "1883",
                  .options = "00N0",
                  .login
                  = "Tavdom^x/in\rMSG\rDEV1\rmqtt\rsecret\rdomoticz/in\r{\"a\":1\352\"b\":2}\r" },
                { { AFF_VER, Is::Text, "Conduit-IP MQTT 2.4F Zephyr-Pod" }, { FR_MQTT, Is::Shown },
                    { FR_MQTT, Is::At, "105,3900" }, { FR_MODE, Is::Hidden },
                    { SW_TIMEOUT, Is::Hidden }, { SW_MODE(1), Is::Checked },
                    { INP_IP, Is::Disabled }, { AFF_DHCP_IP, Is::Shown },
                    { INP_MQTT_SERVER, Is::Text, "10.0.0.50" }, { INP_MQTT_PORT, Is::Text, "1883" },
                    // A caret inside the topic is part of the topic.
                    { INP_MQTT_TOPIC, Is::Text, "dom^x/in" }, { INP_MQTT_MSG, Is::Text, "MSG" },
                    { INP_MQTT_DEVICEID, Is::Text, "DEV1" }, { INP_MQTT_USER, Is::Text, "mqtt" },
                    { INP_MQTT_PSW, Is::Text, "secret" },
                    { INP_MQTT_TOPIC_CONNECT, Is::Text, "domoticz/in" },
                    { INP_MQTT_MSG_CONNECT, Is::Text, "{\"a\":1,\"b\":2}" },
                    { INP_LOGIN, Is::Text,
                        "dom^x/in^13^MSG^13^DEV1^13^mqtt^13^secret^13^domoticz/in^13^"
                        "{\"a\":1,\"b\":2}^13^" },
                    { INP_HOST_IP, Is::Text, "10.0.0.50" }, { INP_HOST_PORT, Is::Text, "1883" },
                    { INP_NO, Is::Text, "00N0" }, { SW_AUTO_BOOT, Is::Unchecked },
                    { SW_AUXRS232, Is::Checked }, { FR_SERIAL_CFG, Is::Shown },
                    { Line1(0), Is::Hidden }, { Line2(1), Is::Hidden } } },
            { {},
                { { FR_MQTT, Is::Hidden }, { FR_MODE, Is::Shown }, { SW_TIMEOUT, Is::Shown },
                    { INP_IP, Is::Enabled }, { AFF_DHCP_IP, Is::Hidden } } },
        } },
    { "LoginAndWiegandOfEachDevice",
        {
            { { .login = "TavA\rB\352C" },
                { { FR_CFG, Is::Shown }, { LST_KRT, Is::Tag, "0" },
                    { AFF_MAC, Is::Text, "0-80-194-1-2-1" },
                    { AFF_MAC_HEX, Is::Text, "00-50-C2-01-02-01" },
                    { INP_IP, Is::Text, "192.168.5.10" }, { INP_MASK, Is::Text, "255.255.255.0" },
                    { INP_GATE, Is::Text, "192.168.5.1" }, { INP_BAUDS, Is::Text, "9600" },
                    { INP_LOGIN, Is::Text, "A^13^B,C" },
                    { INP_WIEGAND_CFG, Is::Text,
                        "^6^^5^^16^^10^ Standard 26 Bits without facility code" } } },
            { { .bauds = "115200",
                  .wiegand1 = "8",
                  .wiegand2 = "24",
                  .wiegand3 = "2",
                  .login = "XY" },
                { { INP_BAUDS, Is::Text, "115200" }, { INP_LOGIN, Is::Text, "XY" },
                    { INP_WIEGAND_CFG, Is::Text,
                        "^6^^8^^24^^2^  Standard 26 Bits with facility code" } } },
            { { .wiegand1 = "9", .wiegand2 = "9", .wiegand3 = "9", .login = "Tav" },
                { { INP_LOGIN, Is::Text, "" }, { INP_WIEGAND_CFG, Is::Text, "^6^^9^^9^^9^" } } },
            { { .fields = 14 },
                { { INP_LOGIN, Is::Text, "" }, { INP_WIEGAND_CFG, Is::Text, "" } } },
            { { .login = "Tab\tX\n" }, { { INP_LOGIN, Is::Text, "Tab^9^X^10^" } } },
            { { .login = "XYZ" }, { { INP_LOGIN, Is::Text, "" } } },
        } },
};

// The scenario's name, not its bytes, in the listed test names.
void PrintTo(const Scenario& scenario, std::ostream* os)
{
    *os << scenario.name;
}

struct Selections : ConfigView, testing::WithParamInterface<Scenario> { };

TEST_P(Selections, EachStepShowsItsDevice)
{
    int step = 0;
    for (const Step& s : GetParam().steps) {
        SCOPED_TRACE("step " + std::to_string(++step));
        Record record = s.record;
        if (record.mac == Record {}.mac)
            record.mac = "0-80-194-1-2-" + std::to_string(step);
        select(record);
        expectView(tool, s.expect);
    }
}

INSTANTIATE_TEST_SUITE_P(ConfigView, Selections, testing::ValuesIn(scenarios),
    [](const testing::TestParamInfo<Scenario>& info) { return std::string(info.param.name); });

} // namespace
