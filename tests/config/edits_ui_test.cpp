// A user's edits after a device is shown: the option switches, the time zone, the host and
// MQTT boxes, the serial selectors and the service entries rewrite the shown configuration.
#include "tests/config/view_fixture.h"
#include "widgets/focus_line_edit.h"

#include <QAbstractButton>
#include <optional>

using namespace linknode;
using namespace linknode::test;

namespace {

struct EditScenario {
    const char* name;
    std::optional<Record> device; // none: no device is shown
    std::vector<Expect> loaded;
    std::vector<Edit> edits;
};

const EditScenario scenarios[] = {
    { "OptionSwitchCascades", Record {}, {},
        {
            { Do::Set, INP_NO, "" },
            { Do::Check, SW_CONDUIT(0), nullptr,
                { { INP_NO, Is::Text, "2000" }, { SW_CONDUIT(1), Is::Enabled } } },
            // The delay buttons follow the keepalive box; 30 s gives "8".
            { Do::Check, SW_KEEPALIVE_DEL(1), nullptr,
                { { INP_NO, Is::Text, "2000" }, { SW_KEEPALIVE_DEL(0), Is::Disabled } } },
            { Do::Check, SW_KEEPALIVE, nullptr,
                { { INP_NO, Is::Text, "2800" }, { SW_KEEPALIVE_DEL(0), Is::Enabled },
                    { SW_KEEPALIVE_DEL(1), Is::Enabled } } },
            { Do::Check, SW_TIMEOUT, nullptr, { { INP_NO, Is::Text, "2809" } } },
            { Do::Check, SW_CONDUIT(1), nullptr,
                { { INP_NO, Is::Text, "4809" }, { SW_CONDUIT(0), Is::Checked } } },
            { Do::Uncheck, SW_CONDUIT(0), nullptr,
                { { INP_NO, Is::Text, "0809" }, { SW_CONDUIT(1), Is::Unchecked },
                    { SW_CONDUIT(1), Is::Disabled } } },
            { Do::Check, SW_CONDUIT(0), nullptr, { { INP_NO, Is::Text, "2809" } } },
            { Do::Check, SW_BIOSCRYPT, nullptr,
                { { INP_NO, Is::Text, "5809" }, { SW_CONDUIT(0), Is::Unchecked },
                    { SW_CONDUIT(1), Is::Unchecked }, { FR_BIOSCRYPT_PREFIX, Is::Shown } } },
            { Do::Check, SW_BIOSCRYPT_PREFIX, nullptr, { { INP_NO, Is::Text, "6809" } } },
            // Conduit mode wins over the fingerprint terminal and its prefix.
            { Do::Check, SW_CONDUIT(0), nullptr,
                { { INP_NO, Is::Text, "2809" }, { SW_BIOSCRYPT, Is::Unchecked },
                    { SW_BIOSCRYPT_PREFIX, Is::Unchecked }, { FR_BIOSCRYPT_PREFIX, Is::Hidden } } },
            { Do::Check, SW_BIOSCRYPT, nullptr, { { INP_NO, Is::Text, "5809" } } },
            { Do::Uncheck, SW_BIOSCRYPT, nullptr,
                { { INP_NO, Is::Text, "0809" }, { FR_BIOSCRYPT_PREFIX, Is::Hidden } } },
            { Do::Check, SW_KEEPALIVE_DEL(0), nullptr, { { INP_NO, Is::Text, "0709" } } },
            { Do::Uncheck, SW_KEEPALIVE, nullptr,
                { { INP_NO, Is::Text, "0009" }, { SW_KEEPALIVE_DEL(0), Is::Disabled },
                    { SW_KEEPALIVE_DEL(1), Is::Disabled } } },
            // Character 3 follows auto boot and the AUX port together.
            { Do::Check, SW_AUTO_BOOT, nullptr, { { INP_NO, Is::Text, "0089" } } },
            { Do::Check, SW_AUXRS232, nullptr, { { INP_NO, Is::Text, "00\2709" } } },
            { Do::Uncheck, SW_AUTO_BOOT, nullptr, { { INP_NO, Is::Text, "00^128^9" } } },
            { Do::Uncheck, SW_AUXRS232, nullptr, { { INP_NO, Is::Text, "0009" } } },
            { Do::Uncheck, SW_TIMEOUT, nullptr, { { INP_NO, Is::Text, "0000" } } },
            { Do::Set, INP_NO, "12" },
            { Do::Check, SW_AUTO_BOOT, nullptr, { { INP_NO, Is::Text, "0080" } } },
            // SERVER resets the options and the host; CLIENT brings the login frame back.
            { Do::Check, SW_MODE(0), nullptr,
                { { INP_NO, Is::Text, "0000" }, { INP_HOST_IP, Is::Text, "0.0.0.0" },
                    { FR_LOGIN, Is::Hidden }, { INP_NO, Is::Hidden }, { INP_HOST_IP, Is::Hidden },
                    { INP_HOST_PORT, Is::Hidden }, { B_CLEAR_LOGIN, Is::Hidden },
                    { SW_NTP, Is::Enabled }, { INP_LOGIN, Is::Disabled },
                    { TXT_MODE(0), Is::Disabled } } },
            { Do::Check, SW_MODE(1), nullptr,
                { { FR_LOGIN, Is::Shown }, { INP_NO, Is::Shown }, { B_CLEAR_LOGIN, Is::Shown },
                    { SW_NTP, Is::Disabled }, { SW_NTP, Is::Unchecked }, { INP_LOGIN, Is::Enabled },
                    { B_SEND_LOGIN, Is::Enabled }, { INP_NO, Is::Text, "0000" } } },
        } },
    // Old firmware has no login: CLIENT enables the mode's controls but shows no login frame.
    { "ClientOnOldFirmware", Record { .version = "COPYRIGHT+TAVREN KRT-40 1.2B", .mode = "0" },
        { { FR_LOGIN, Is::Hidden } },
        {
            { Do::Check, SW_MODE(1), nullptr,
                { { FR_LOGIN, Is::Hidden }, { INP_NO, Is::Shown }, { TXT_MODE(0), Is::Enabled } } },
        } },
    // With no device shown the switches leave the options alone.
    { "SwitchesWithoutADevice", std::nullopt, {},
        {
            { Do::Set, INP_NO, "0000" },
            { Do::Check, SW_CONDUIT(0) },
            { Do::Check, SW_BIOSCRYPT },
            { Do::Check, SW_KEEPALIVE },
            { Do::Check, SW_TIMEOUT },
            { Do::Check, SW_AUTO_BOOT },
            { Do::Check, SW_AUXRS232, nullptr,
                { { INP_NO, Is::Text, "0000" }, { FR_CFG, Is::Hidden } } },
        } },
    { "TimeZoneOfAClock",
        Record { .version = "COPYRIGHT^TAVREN QD-71R 2.4F",
            .mode = "0",
            .hostIp = "10.0.0.5",
            .hostPort = "00105" },
        { { B_TIME_ZONE, Is::Text, "-" }, { INP_TIMEZONE, Is::Text, "5" } },
        {
            { Do::Click, B_TIME_ZONE, nullptr,
                { { B_TIME_ZONE, Is::Text, "+" }, { INP_HOST_PORT, Is::Text, "00005" } } },
            { Do::Set, INP_TIMEZONE, "7", { { INP_HOST_PORT, Is::Text, "00007" } } },
            { Do::Set, INP_IP_NTP, "10.9.9.9",
                { { INP_HOST_IP, Is::Text, "10.9.9.9" }, { INP_HOST_PORT, Is::Text, "00007" } } },
            { Do::Set, INP_TIMEZONE, "5abc", { { INP_HOST_PORT, Is::Text, "00005" } } },
            { Do::FocusOut, INP_TIMEZONE, nullptr, { { INP_TIMEZONE, Is::Text, "5" } } },
            { Do::Uncheck, SW_NTP, nullptr,
                { { INP_HOST_PORT, Is::Text, "23" }, { SW_MODE(0), Is::Enabled },
                    { SW_MODE(1), Is::Enabled }, { INP_IP_NTP, Is::Hidden },
                    { B_TIME_ZONE, Is::Hidden }, { AFF_TIMEZONE, Is::Hidden } } },
            { Do::Check, SW_NTP, nullptr,
                { { INP_HOST_PORT, Is::Text, "00005" }, { INP_IP_NTP, Is::Text, "10.9.9.9" },
                    { SW_MODE(0), Is::Disabled } } },
        } },
    // A user turning NTP on before any zone was shown: the empty sign counts as "-".
    { "NtpOnWithoutAZone", Record { .mode = "0" }, { { B_TIME_ZONE, Is::Text, "" } },
        {
            { Do::Check, SW_NTP, nullptr, { { INP_HOST_PORT, Is::Text, "00100" } } },
        } },
    { "HostBoxes", Record {}, {},
        {
            { Do::Set, INP_HOST_PORT, "10001U", { { SW_10BASET, Is::Checked } } },
            { Do::Set, INP_HOST_PORT, "10001u", { { SW_10BASET, Is::Unchecked } } },
            { Do::Set, INP_HOST_IP, "  10.0.0.9 " },
            { Do::FocusOut, INP_HOST_IP, nullptr, { { INP_HOST_IP, Is::Text, "10.0.0.9" } } },
            { Do::Set, INP_HOST_PORT, "abc" },
            { Do::Check, SW_10BASET, nullptr, { { INP_HOST_PORT, Is::Text, "0V" } } },
        } },
    { "MqttBoxesAfterLoading",
        Record { .version = "COPYRIGHTqTAVREN CONDUIT-IP MQTT 2.4F",
            .hostIp = "10.0.0.50",
            .hostPort = "1883",
            .options = "00N0",
            .login = "TavT\rM\rD\rU\rP\rTC\rMC\r" },
        { { INP_MQTT_USER, Is::Text, "U" } },
        {
            { Do::Set, INP_MQTT_USER, "bob",
                { { INP_LOGIN, Is::Text, "T^13^M^13^D^13^bob^13^P^13^TC^13^MC^13^" } } },
            { Do::Set, INP_MQTT_PORT, "1884V",
                { { INP_HOST_PORT, Is::Text, "1884V" }, { SW_10BASET, Is::Checked } } },
            { Do::Set, INP_MQTT_SERVER, "10.1.2.3", { { INP_HOST_IP, Is::Text, "10.1.2.3" } } },
            { Do::Set, INP_MQTT_TOPIC, "" },
            { Do::Set, INP_MQTT_MSG, "" },
            { Do::Set, INP_MQTT_DEVICEID, "" },
            { Do::Set, INP_MQTT_USER, "" },
            { Do::Set, INP_MQTT_PSW, "" },
            { Do::Set, INP_MQTT_TOPIC_CONNECT, "" },
            { Do::Set, INP_MQTT_MSG_CONNECT, "",
                { { INP_LOGIN, Is::Text, "^13^^13^^13^^13^^13^^13^^13^" } } },
        } },
    { "SerialCodes", Record { .bauds = "19200", .parity = "4", .databits = "1" },
        { { INP_PARITY, Is::Text, "Even" }, { INP_PARITY, Is::Tag, "4" },
            { INP_StopBit, Is::Text, "2" }, { INP_DATABITS, Is::Text, "7" },
            { INP_DATABITS, Is::Tag, "1" }, { INP_BAUDS, Is::Text, "19200" } },
        {
            { Do::Set, INP_PARITY, "Odd", { { INP_PARITY, Is::Tag, "5" } } },
            { Do::Set, INP_StopBit, "1", { { INP_PARITY, Is::Tag, "2" } } },
            { Do::Set, INP_StopBit, "2", { { INP_PARITY, Is::Tag, "5" } } },
            { Do::Set, INP_PARITY, "even", { { INP_PARITY, Is::Tag, "4" } } },
            { Do::Set, INP_PARITY, "Mark", { { INP_PARITY, Is::Tag, "4" } } },
            // Codes 6 to 9 stay shown as digits.
            { Do::Set, INP_PARITY, "7",
                { { INP_PARITY, Is::Text, "7" }, { INP_PARITY, Is::Tag, "7" },
                    { INP_StopBit, Is::Text, "2" } } },
            { Do::Set, INP_DATABITS, "8", { { INP_DATABITS, Is::Tag, "0" } } },
            { Do::Set, INP_DATABITS, "9", { { INP_DATABITS, Is::Tag, "0" } } },
            { Do::Set, INP_DATABITS, "7", { { INP_DATABITS, Is::Tag, "1" } } },
            { Do::Set, INP_BAUDS, "115200", { { INP_BAUDS, Is::Text, "115200" } } },
        } },
    { "AccessCode", std::nullopt, { { FR_RENIP, Is::Hidden } },
        {
            { Do::Set, INP_PW, "marble key", { { FR_RENIP, Is::Shown } } },
            { Do::Set, INP_PW, "marble keys", { { FR_RENIP, Is::Hidden } } },
            { Do::Set, INP_PW, "MARBLE KEY", { { FR_RENIP, Is::Shown } } },
            { Do::Set, INP_PW, "MARBLE", { { FR_RENIP, Is::Hidden } } },
        } },
    { "ConfigurationByMac", std::nullopt, { { FR_CFG, Is::Hidden } },
        {
            { Do::Set, INP_UNLOCK_255, " 0-80-194-1-2-3 ",
                { { FR_CFG, Is::Shown }, { AFF_MAC, Is::Text, "0-80-194-1-2-3" },
                    { AFF_MAC_HEX, Is::Text, "00-50-C2-01-02-03" }, { INP_IP, Is::Text, "0.0.0.0" },
                    { INP_MASK, Is::Text, "255.255.0.0" }, { INP_GATE, Is::Text, "0.0.0.0" },
                    { INP_BAUDS, Is::Text, "57600" }, { INP_PARITY, Is::Text, "None" },
                    { INP_PARITY, Is::Tag, "0" }, { INP_StopBit, Is::Text, "1" },
                    { INP_DATABITS, Is::Text, "8" }, { INP_DATABITS, Is::Tag, "0" },
                    { AFF_VER, Is::Text, "1.6E" } } },
        } },
};

// The scenario's name, not its bytes, in the listed test names.
void PrintTo(const EditScenario& scenario, std::ostream* os)
{
    *os << scenario.name;
}

struct Edits : ConfigView, testing::WithParamInterface<EditScenario> { };

TEST_P(Edits, EachEditRewritesWhatItStandsFor)
{
    if (GetParam().device)
        select(*GetParam().device);
    expectView(tool, GetParam().loaded);
    int step = 0;
    for (const Edit& edit : GetParam().edits) {
        SCOPED_TRACE("edit " + std::to_string(++step) + " on " + edit.control.name());
        apply(tool, edit);
        expectView(tool, edit.expect);
    }
}

INSTANTIATE_TEST_SUITE_P(ConfigView, Edits, testing::ValuesIn(scenarios),
    [](const testing::TestParamInfo<EditScenario>& info) { return std::string(info.param.name); });

// The warning comes with a user's click only: loading a "U" port or ticking from code is silent.
TEST_F(ConfigView, TenBaseTWarnsOnceOnAUsersClick)
{
    select(Record { .version = "COPYRIGHT\\TAVREN CONDUIT V3 2.3W", .hostPort = "1024U" });
    auto& box = tool[SW_10BASET];
    ASSERT_FALSE(box.isHidden());
    EXPECT_TRUE(box.isChecked());
    EXPECT_TRUE(tool.dialogs.messages().empty());

    apply(tool, { Do::MouseClick, SW_10BASET });
    EXPECT_FALSE(box.isChecked());
    EXPECT_EQ(tool[INP_HOST_PORT].text(), QStringLiteral("1024"));
    ASSERT_EQ(tool.dialogs.messages().size(), 1u);
    EXPECT_EQ(tool.dialogs.messages()[0].title, QStringLiteral("Warning !"));
    EXPECT_EQ(tool.dialogs.messages()[0].text,
        QStringLiteral("You must click on button 'Save Configuration' and disconnect and "
                       "reconnect the device for this change take effect."));

    box.setChecked(true);
    EXPECT_EQ(tool[INP_HOST_PORT].text(), QStringLiteral("1024V"));
    EXPECT_EQ(tool.dialogs.messages().size(), 1u);
}

} // namespace
