// The window's controls against the layout the technician's manual shows: kind, container,
// caption, tool tip and start state, written out here by hand.
#include "form/main_form.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <gmock/gmock.h>

using namespace linknode;

namespace {

enum Start { Normal, Hidden, Disabled };

struct Expected {
    const char* name;
    const char* kind;
    const char* container; // "" for the window
    const char* caption; // nullptr: not checked
    const char* toolTip;
    Start start;
};

const char* const login
    = "Login string, use ^ for special car example: ^13^ = Enter and ~ = .5 Sec. Pause";
const char* const save = "Click here for save the modification(s) to the device";
const char* const ntp = "Network Time Protocol (NTP) is used to synchronize the time between a "
                        "QD71R Digital Clock and your server.";

const Expected layout[] = {
    { "FR_MQTT", "frame", "", "MQTT CONFIGURATION", "", Hidden },
    { "B_SAVE_CFG_MQTT", "button", "FR_MQTT", "SAVE CONFIGURATION", save, Normal },
    { "Frame6", "frame", "FR_MQTT", "Gateway connect message", "", Normal },
    { "INP_MQTT_MSG_CONNECT", "textbox", "Frame6", "", "", Normal },
    { "INP_MQTT_TOPIC_CONNECT", "textbox", "Frame6", "", "", Normal },
    { "Frame5", "frame", "FR_MQTT", "Sensor information message ", "", Normal },
    { "INP_MQTT_TOPIC", "textbox", "Frame5", "", "", Normal },
    { "INP_MQTT_MSG", "textbox", "Frame5", "", "", Normal },
    { "SW_MQTT_CFG_TEMPLATE", "combo", "FR_MQTT", nullptr, "", Normal },
    { "INP_MQTT_PORT", "textbox", "FR_MQTT", "", "", Normal },
    { "INP_MQTT_SERVER", "textbox", "FR_MQTT", "", "", Normal },
    { "INP_MQTT_PSW", "textbox", "FR_MQTT", "", login, Normal },
    { "INP_MQTT_USER", "textbox", "FR_MQTT", "", login, Normal },
    { "INP_MQTT_DEVICEID", "textbox", "FR_MQTT", "", login, Normal },
    { "TXT_MODE(5)", "label", "FR_MQTT",
        "%1 = Gateway #, %M = Gateway MAC adr, %2 = Sensor # HEX, %Sxx = Sensor # DEC+xx, %3 = "
        "Temp. Celsius",
        "", Normal },
    { "TXT_MODE(6)", "label", "FR_MQTT",
        "%4 = RSSI DB RF, %R = RSSI 0 to 10, %5 = Battery Voltage, %B = Battery 1 to 100, %6 = "
        "Gateway Ver.",
        "", Normal },
    { "SW_LOGIN_ALL", "checkbox", "", "",
        "Broadcast \"Login string\" and \"Wiegand configuration\" to all devices.", Normal },
    { "SW_KRT_V6", "checkbox", "", "KRT-V6", "", Hidden },
    { "B_SAVE_WIEGAND", "button", "", "Save Wiegand", "Save Wiegand Configuration only", Hidden },
    { "Command2", "button", "", "Command2", "", Normal },
    { "SW_BYPASSAUTOBOOT", "checkbox", "", "Bypass AutoBoot", "", Normal },
    { "Command1", "button", "", "Upd Host Unicast", "", Normal },
    { "Frame4", "frame", "", "A VENIR", "", Hidden },
    { "FR_NTP", "frame", "Frame4", "Option NTP", "", Normal },
    { "B_TIME_ZONE", "button", "FR_NTP", "", "", Hidden },
    { "INP_TIMEZONE", "textbox", "FR_NTP", "", "Time Zone", Normal },
    { "PIC_NTP", "picture", "FR_NTP", nullptr, "", Normal },
    { "SW_NTP", "checkbox", "FR_NTP", "NTP Server:", ntp, Hidden },
    { "INP_IP_NTP", "ipentry", "FR_NTP", nullptr, ntp, Normal },
    { "AFF_TIMEZONE", "label", "FR_NTP", "TZ:", "", Hidden },
    { "Frame2", "frame", "", "PIC_PROD", "", Hidden },
    { "PIC_PROD(1)", "picture", "Frame2", nullptr, "", Normal },
    { "PIC_PROD(8)", "picture", "Frame2", nullptr, "", Normal },
    { "PIC_PROD(15)", "picture", "Frame2", nullptr, "", Normal },
    { "B_VT100_CLR", "button", "", "VT-100 ClearScreen", "", Normal },
    { "INP_UNLOCK_255", "textbox", "", "", "UNLOCK IP 255.255.255.255", Normal },
    { "FR_UPD_WAIT", "frame", "", nullptr, "", Hidden },
    { "Label3", "label", "FR_UPD_WAIT", " UPDATING IP DEVICE ... PLEASE WAIT ...", "", Normal },
    { "SW_AUTO_ASK", "checkbox", "", "", "AUTOMATIC ASK", Normal },
    { "B_ASK_CFG", "button", "", "    FIND DEVICES",
        "Discover TCPIP Tavren device(s) on your network", Normal },
    { "Frame1", "frame", "", "Commands", "", Normal },
    { "Label2", "label", "Frame1", "TEST AND COMMAND", "", Normal },
    { "SW_SWITCH", "checkbox", "Frame1", "ETHERNET SWITCH", "", Normal },
    { "B_RESET_ONE", "button", "Frame1", "RESET DEVICE", "Reset TCP connection", Normal },
    { "B_SAVE", "button", "Frame1", "Save:", "Save MAC/IP address to a file", Normal },
    { "INP_SAVE", "textbox", "Frame1", "LST_MAC_.TXT", "File name", Normal },
    { "B_SHOW_MAC", "button", "Frame1", "     Show MAC ADDRESS",
        "Show MAC and IP adress (MODE TERMINAL KRT-40 ONLY)", Normal },
    { "SW_AUTO_MAC", "checkbox", "Frame1", "", "Automatic mode", Normal },
    { "B_LED_FLASH", "button", "Frame1", "    LED", "The led of all KRT-40 in terminal mode flash",
        Normal },
    { "SW_LED_FLASH", "checkbox", "Frame1", "", "Automatic mode", Normal },
    { "B_SEND_BIP", "button", "Frame1", "    BIP", "The buzzer of all KRT-40 in terminal mode bip",
        Normal },
    { "SW_SEND_BIP", "checkbox", "Frame1", "", "Automatic mode", Normal },
    { "B_GO_TERM", "button", "Frame1", "     TERMINAL MODE", "All terminal KRT go to TERMINAL MODE",
        Normal },
    { "SW_AUTO_TERM", "checkbox", "Frame1", "", "Automatic mode", Normal },
    { "B_GO_BOOT", "button", "Frame1", "BOOT MODE", "All terminal KRT go to BOOT MODE", Normal },
    { "FR_RENIP", "frame", "", nullptr, "", Hidden },
    { "B_SAVE_ALL_WIEGAND", "button", "FR_RENIP", "Save all Wiegand", "", Normal },
    { "B_SAVE_ALL_PANORAMA", "button", "FR_RENIP", "Save all Panorama Mode", "", Normal },
    { "INP_AUTO_IP", "textbox", "FR_RENIP", "192.168.5.", "", Normal },
    { "B_RENAME_IP", "button", "FR_RENIP", "RENAME IP", "", Normal },
    { "INP_AUTO_MASK", "textbox", "FR_RENIP", "255.255.0.0", "", Normal },
    { "INP_PW", "textbox", "", "", "", Normal },
    { "LST_TMP", "list", "", nullptr, "", Hidden },
    { "FR_CFG", "frame", "", "Configuration of selected TCPIP Tavren device", "", Hidden },
    { "INP_UDP_MASK", "ipentry", "FR_CFG", nullptr, "", Normal },
    { "FR_CFG_AFF", "frame", "FR_CFG", nullptr, "", Normal },
    { "PIC_ENCRYPTED", "picture", "FR_CFG_AFF", nullptr, "", Normal },
    { "Picture1(8)", "picture", "FR_CFG_AFF", nullptr, "", Normal },
    { "PIC_PROD(0)", "picture", "FR_CFG_AFF", nullptr, "", Normal },
    { "LABEL_UDP_TX_MASK(0)", "label", "FR_CFG_AFF", "DEVICE VERSION", "", Normal },
    { "AFF_VER", "label", "FR_CFG_AFF", "", "TCPIP Tavren board version", Normal },
    { "AFF_MAC_HEX", "label", "FR_CFG_AFF", "", "MAC adress in hexadecimal", Normal },
    { "AFF_MAC", "label", "FR_CFG_AFF", "", "MAC address in decimal", Normal },
    { "B_UPDATE", "button", "FR_CFG", "SAVE CONFIGURATION", save, Disabled },
    { "FR_CFG_INP", "frame", "FR_CFG", nullptr, "", Normal },
    { "FR_TERM_NO", "frame", "FR_CFG_INP", "TERMINAL NUMBER (0001 to 8999)", "", Hidden },
    { "INP_TERM_NO", "textbox", "FR_TERM_NO", "0000", "", Normal },
    { "B_SAVE_TERM_NO", "button", "FR_TERM_NO", "SAVE ONLY TERMINAL #", "", Normal },
    { "SW_10BASET", "checkbox", "FR_CFG_INP", "Ethernet 10Base-T only",
        "You must click on button 'Save Configuration' and disconnect and reconnect the device for "
        "this change take effect.",
        Hidden },
    { "FR_CONDUIT_AUTOBOOT", "frame", "FR_CFG_INP", nullptr, "", Normal },
    { "SW_CONDUIT(0)", "checkbox", "FR_CONDUIT_AUTOBOOT", "CONDUIT",
        "Set IP configuration to CONDUIT MODE", Hidden },
    { "SW_CONDUIT(1)", "checkbox", "FR_CONDUIT_AUTOBOOT", "400", "", Normal },
    { "SW_AUTO_BOOT", "checkbox", "FR_CONDUIT_AUTOBOOT", "AUTO BOOT", "", Hidden },
    { "FR_SERIAL_CFG", "frame", "FR_CFG_INP", nullptr, "", Normal },
    { "INP_PARITY", "combo", "FR_SERIAL_CFG", nullptr, "Parity", Normal },
    { "INP_StopBit", "combo", "FR_SERIAL_CFG", nullptr, "StopBit(s)", Normal },
    { "INP_DATABITS", "combo", "FR_SERIAL_CFG", nullptr, "DataBits", Normal },
    { "INP_BAUDS", "combo", "FR_SERIAL_CFG", nullptr, "Bauds", Normal },
    { "FR_PANORAMA_MODE", "frame", "FR_CFG_INP", nullptr, "", Hidden },
    { "B_PANORAMA_SAVE_MODE", "button", "FR_PANORAMA_MODE", "Save", "", Normal },
    { "LST_PANORAMA_MODE", "combo", "FR_PANORAMA_MODE", nullptr, "", Normal },
    { "FR_WIEGAND", "frame", "FR_CFG_INP", nullptr, "", Hidden },
    { "PIC_WARNING_SUBNET(0)", "picture", "FR_WIEGAND", nullptr, "", Normal },
    { "INP_WIEGAND_CFG", "combo", "FR_WIEGAND", nullptr, "", Normal },
    { "Label4", "label", "FR_WIEGAND", "WIEGAND CONFIG:", "", Normal },
    { "FR_BIOSCRYPT_PREFIX", "frame", "FR_CFG_INP", nullptr, "", Hidden },
    { "IMG_BIOSCRYPT_PREFIX", "picture", "FR_BIOSCRYPT_PREFIX", nullptr, "", Normal },
    { "SW_BIOSCRYPT_PREFIX", "checkbox", "FR_BIOSCRYPT_PREFIX", "PREF.",
        "Add # prefix before each Quillmark finger number", Normal },
    { "SW_KEEPALIVE_DEL(0)", "option", "FR_CFG_INP", "15 S", "15 Seconds", Normal },
    { "SW_KEEPALIVE_DEL(1)", "option", "FR_CFG_INP", "30 S", "30 Seconds", Normal },
    { "SW_KEEPALIVE", "checkbox", "FR_CFG_INP", "KEEPALIVE",
        "The socket must already be open. Keepalives will then be sent after timeout (15 or 30) "
        "seconds of inactivity.",
        Hidden },
    { "SW_AUXRS232", "checkbox", "FR_CFG_INP", "AUX RS-232",
        "Option: External RS-232 port (9600,N,8,1)", Hidden },
    { "SW_BIOSCRYPT", "checkbox", "FR_CFG_INP", "QUILLMARK VT100/VT52", "", Hidden },
    { "SW_TIMEOUT", "checkbox", "FR_CFG_INP", "TIMEOUT", "", Normal },
    { "INP_GATE", "ipentry", "FR_CFG_INP", nullptr, "", Normal },
    { "INP_IP", "ipentry", "FR_CFG_INP", nullptr, "", Normal },
    { "INP_MASK", "ipentry", "FR_CFG_INP", nullptr, "", Normal },
    { "B_RESET", "button", "FR_CFG_INP", "RESET", "Reset TCP connection", Normal },
    { "FR_MODE", "frame", "FR_CFG_INP", nullptr, "", Normal },
    { "INP_HOST_IP", "textbox", "FR_MODE", "", "", Normal },
    { "INP_HOST_PORT", "textbox", "FR_MODE", "", "", Normal },
    { "INP_NO", "textbox", "FR_MODE", "", "", Normal },
    { "SW_MODE(0)", "option", "FR_MODE", "SERVER", "", Normal },
    { "TXT_MODE(0)", "label", "FR_MODE", "HOST IP", "", Normal },
    { "TXT_MODE(1)", "label", "FR_MODE", "HOST PORT", "", Normal },
    { "TXT_MODE(2)", "label", "FR_MODE", "RESERVED", "", Normal },
    { "SW_MODE(1)", "option", "FR_MODE", "CLIENT", "", Normal },
    { "TXT_MODE_NOT_AVAILABLE", "label", "FR_MODE",
        "Sorry this option is not avalaible on \r\nthis Terminal. \r\n Update available call "
        "\r\nTAVREN.\r\n",
        "", Normal },
    { "FR_LOGIN", "frame", "FR_CFG_INP", "LOGIN STRING   ", "", Hidden },
    { "PIC_WARNING_SUBNET(1)", "picture", "FR_LOGIN", nullptr, "", Normal },
    { "INP_LOGIN", "textbox", "FR_LOGIN", "", login, Normal },
    { "B_CLEAR_LOGIN", "button", "FR_LOGIN", "CLEAR", "", Hidden },
    { "B_SEND_LOGIN", "button", "FR_LOGIN", "SAVE LOGIN STRING", "", Disabled },
    { "B_ADD_TAB", "button", "FR_LOGIN", "TAB", "", Disabled },
    { "B_ADD_PAUSE", "button", "FR_LOGIN", "PAUSE .5 SEC.", "", Disabled },
    { "B_ADD_ENTER", "button", "FR_LOGIN", "ENTER", "", Disabled },
    { "FR_DEVNAME", "frame", "FR_LOGIN", nullptr, "", Normal },
    { "INP_DEVNAME", "textbox", "FR_DEVNAME", "", "AS/400 WorkStation ID", Normal },
    { "AFF_ID400", "label", "FR_DEVNAME", "AS/400 WORKSTATION ID", "", Normal },
    { "PIC_V6_AUX", "picture", "FR_CFG_INP", nullptr, "", Normal },
    { "AFF_DHCP_IP", "label", "FR_CFG_INP", "DHCP", "", Normal },
    { "LABEL_UDP_TX_MASK(10)", "label", "FR_CFG", "UDP TX MASK", "", Normal },
    { "FR_LST_KRT", "frame", "", "                    List of TCPIP Tavren devices", "", Normal },
    { "LST_KRT", "list", "FR_LST_KRT", nullptr, "", Hidden },
    { "B_SORT", "button", "FR_LST_KRT", "SORT BY IP", "Sort devices by IP address", Normal },
    { "AFF_NO_DEV", "label", "FR_LST_KRT", "NO IP DEVICE FOUND PLEASE PUSH \"FIND DEVICES\" BUTTON",
        "", Normal },
    { "Label10", "label", "FR_LST_KRT", "TAVREN DEVICE DETECTED", "", Normal },
    { "AFF_TOT_TERMb", "counter", "FR_LST_KRT", nullptr, "", Normal },
    { "AFF_TOT_TERM", "label", "FR_LST_KRT", "0", "Qte of IP devices found on your networks",
        Hidden },
    { "LABEL_UDP_TX_MASK(1)", "label", "", "DIRECT MAC:", "", Normal },
    { "AFF_SEL_DEV", "label", "", "SELECT AN IP DEVICE FROM LIST ABOVE", "", Hidden },
    { "Text1", "textbox", "FR_LST_KRT",
        "- Disable your Windows and Anti-Virus firewall public and private\r\n"
        "- Disable your Virtual interfaces (VMware, Virtualbox ...)\r\n"
        "- On the device where you connect the Ethernet cable there are 2 lights (Green and "
        "Orange)\r\n"
        "        * The Green is the link (must be solid green)\r\n"
        "        * The Orange is the activity on the network (must be flash depending the "
        "activity)\r\n",
        "", Normal },
};

void PrintTo(const Expected& e, std::ostream* os)
{
    *os << e.name;
}

QString captionOf(const QObject& control)
{
    if (auto* frame = qobject_cast<const QGroupBox*>(&control))
        return frame->title();
    return control.property("text").toString();
}

class FormLayout : public testing::TestWithParam<Expected> {
protected:
    static MainForm& form()
    {
        static MainForm window;
        return window;
    }
};

TEST_P(FormLayout, ControlHasItsKindPlaceCaptionTipAndStartState)
{
    const Expected& e = GetParam();
    QObject* control = form().findChild<QObject*>(QString::fromLatin1(e.name));
    ASSERT_NE(control, nullptr) << e.name;
    EXPECT_EQ(control->objectName(), QString::fromLatin1(e.name));
    EXPECT_EQ(control->property("kind").toString(), QString::fromLatin1(e.kind));
    auto* widget = qobject_cast<QWidget*>(control);
    ASSERT_NE(widget, nullptr);
    const QString container
        = widget->parentWidget() == &form() ? QString() : widget->parentWidget()->objectName();
    EXPECT_EQ(container, QString::fromLatin1(e.container));
    if (e.caption) {
        EXPECT_EQ(captionOf(*control), QString::fromLatin1(e.caption));
    }
    EXPECT_EQ(widget->toolTip(), QString::fromLatin1(e.toolTip));
    EXPECT_EQ(widget->isHidden(), e.start == Hidden);
    EXPECT_EQ(widget->isEnabled(), e.start != Disabled);
}

INSTANTIATE_TEST_SUITE_P(Window, FormLayout, testing::ValuesIn(layout),
    [](const testing::TestParamInfo<Expected>& info) {
        std::string name;
        for (const char* c = info.param.name; *c; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

TEST(FormWindow, TitleTimersAndTemplateItems)
{
    MainForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("LINKNODE TOOL VERSION: 1.3W"));
    for (const char* timer :
        { "TIM_AUTO_ASK", "TIM_AUTO_MAC", "TIM_AUTO_TERM", "TIM_LED_FLASH", "TIM_TST" }) {
        QObject* control = form.findChild<QObject*>(QString::fromLatin1(timer));
        ASSERT_NE(control, nullptr) << timer;
        EXPECT_EQ(control->property("kind").toString(), QStringLiteral("timer"));
    }
    auto& templates = form[SW_MQTT_CFG_TEMPLATE];
    ASSERT_EQ(templates.count(), 3);
    EXPECT_EQ(templates.itemText(0), QStringLiteral("Preconfigured devices ..."));
    EXPECT_EQ(templates.itemText(1), QStringLiteral("Domoticz Home Automation System"));
    EXPECT_EQ(templates.itemText(2), QStringLiteral("SOTI CONNECT IoT!"));
}

TEST(FormWindow, ControlsBelowTheDesignHeightAreTheDocumentedOnes)
{
    MainForm form;
    // Seen only when the window is enlarged.
    for (const auto below :
        ControlList<QWidget> { Command1, Command2, INP_UNLOCK_255, SW_BYPASSAUTOBOOT })
        EXPECT_GT(form[below].geometry().bottom(), windowHeight / twipsPerPixel) << below.name();
    EXPECT_EQ(form[Command1].y(), 8325 / 15);
    EXPECT_EQ(form[INP_UNLOCK_255].y(), 8505 / 15);
    EXPECT_EQ(form[SW_BYPASSAUTOBOOT].y(), 9750 / 15);
}

} // namespace
