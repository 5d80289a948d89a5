#pragma once

#include <array>

namespace linknode {

enum class ControlKind {
    Frame,
    Button,
    CheckBox,
    Option,
    TextBox,
    MultiLineText,
    Password,
    Label,
    Picture,
    List,
    SortedList,
    Combo,
    IpEntry,
    Counter,
    Timer,
    Line,
    ProgressBar,
};

enum ControlFlag : unsigned { Shown = 0, Hidden = 1, Disabled = 2 };

// One control of the main window: where it sits (twips, relative to its container), what it
// says and how it starts. Containers come before what they hold.
struct ControlSpec {
    const char* name;
    ControlKind kind;
    const char* parent; // nullptr: the window itself
    int left, top, width, height;
    const char* caption;
    const char* toolTip;
    unsigned flags;
};

const char* kindName(ControlKind kind);

constexpr int twipsPerPixel = 15;

// The window's design size in twips.
constexpr int windowWidth = 9420;
constexpr int windowHeight = 8235;

// The rows, with the kinds and the long texts they share in scope.
namespace layout_rows {
    using enum ControlKind;

    inline constexpr const char* loginTip
        = "Login string, use ^ for special car example: ^13^ = Enter and ~ = .5 Sec. Pause";
    inline constexpr const char* saveTip = "Click here for save the modification(s) to the device";
    inline constexpr const char* ntpTip
        = "Network Time Protocol (NTP) is used to synchronize the time "
          "between a QD71R Digital Clock and your server.";
    inline constexpr const char* autoTip = "Automatic mode";
    inline constexpr const char* notAvailable = "Sorry this option is not avalaible on \r\n"
                                                "this Terminal. \r\n"
                                                " Update available call \r\n"
                                                "TAVREN.\r\n";
    inline constexpr const char* text1
        = "- Disable your Windows and Anti-Virus firewall public and private\r\n"
          "- Disable your Virtual interfaces (VMware, Virtualbox ...)\r\n"
          "- On the device where you connect the Ethernet cable there are 2 lights (Green and "
          "Orange)\r\n"
          "        * The Green is the link (must be solid green)\r\n"
          "        * The Orange is the activity on the network (must be flash depending the "
          "activity)\r\n";

    // Positions in twips. A few controls lie below the window's bottom edge and are seen only
    // when the window is enlarged.
    inline constexpr auto table = std::to_array<ControlSpec>({
        // MQTT settings of the sensor gateway, shown over the configuration view.
        // As large as the configuration frame, whose title it would otherwise cut through.
        { "FR_MQTT", Frame, nullptr, 105, 3900, 9210, 4320, "MQTT CONFIGURATION", nullptr, Hidden },
        // Below the second line of placeholders, which it would cover.
        { "B_SAVE_CFG_MQTT", Button, "FR_MQTT", 6300, 3900, 2790, 315, "SAVE CONFIGURATION",
            saveTip, Shown },
        // The rows of every frame start below its title.
        { "Frame6", Frame, "FR_MQTT", 120, 1290, 8970, 930, "Gateway connect message", nullptr,
            Shown },
        { "LBL_MQTT_MSG_CONNECT", Label, "Frame6", 120, 300, 600, 225, "MSG", nullptr, Shown },
        { "INP_MQTT_MSG_CONNECT", TextBox, "Frame6", 780, 270, 8070, 285, "", nullptr, Shown },
        { "LBL_MQTT_TOPIC_CONNECT", Label, "Frame6", 120, 615, 600, 225, "TOPIC", nullptr, Shown },
        { "INP_MQTT_TOPIC_CONNECT", TextBox, "Frame6", 780, 585, 8070, 285, "", nullptr, Shown },
        { "Frame5", Frame, "FR_MQTT", 120, 2250, 8970, 930, "Sensor information message ", nullptr,
            Shown },
        { "LBL_MQTT_TOPIC", Label, "Frame5", 120, 300, 600, 225, "TOPIC", nullptr, Shown },
        { "INP_MQTT_TOPIC", TextBox, "Frame5", 780, 270, 8070, 285, "", nullptr, Shown },
        { "LBL_MQTT_MSG", Label, "Frame5", 120, 615, 600, 225, "MSG", nullptr, Shown },
        { "INP_MQTT_MSG", TextBox, "Frame5", 780, 585, 8070, 285, "", nullptr, Shown },
        { "SW_MQTT_CFG_TEMPLATE", Combo, "FR_MQTT", 120, 3900, 4200, 315, "", nullptr, Shown },
        { "LBL_MQTT_SERVER", Label, "FR_MQTT", 120, 330, 900, 225, "SERVER", nullptr, Shown },
        { "INP_MQTT_SERVER", TextBox, "FR_MQTT", 1080, 300, 4500, 285, "", nullptr, Shown },
        { "LBL_MQTT_PORT", Label, "FR_MQTT", 5700, 330, 600, 225, "PORT", nullptr, Shown },
        { "INP_MQTT_PORT", TextBox, "FR_MQTT", 6360, 300, 1200, 285, "", nullptr, Shown },
        { "LBL_MQTT_USER", Label, "FR_MQTT", 120, 660, 900, 225, "USER", nullptr, Shown },
        { "INP_MQTT_USER", TextBox, "FR_MQTT", 1080, 630, 3000, 285, "", loginTip, Shown },
        { "LBL_MQTT_PSW", Label, "FR_MQTT", 4200, 660, 1000, 225, "PASSWORD", nullptr, Shown },
        { "INP_MQTT_PSW", TextBox, "FR_MQTT", 5220, 630, 3000, 285, "", loginTip, Shown },
        { "LBL_MQTT_DEVICEID", Label, "FR_MQTT", 120, 990, 900, 225, "DEVICE ID", nullptr, Shown },
        { "INP_MQTT_DEVICEID", TextBox, "FR_MQTT", 1080, 960, 3000, 285, "", loginTip, Shown },
        { "TXT_MODE(5)", Label, "FR_MQTT", 120, 3210, 8970, 210,
            "%1 = Gateway #, %M = Gateway MAC adr, %2 = Sensor # HEX, %Sxx = Sensor # DEC+xx, "
            "%3 = Temp. Celsius",
            nullptr, Shown },
        { "TXT_MODE(6)", Label, "FR_MQTT", 120, 3420, 8970, 210,
            "%4 = RSSI DB RF, %R = RSSI 0 to 10, %5 = Battery Voltage, %B = Battery 1 to 100, "
            "%6 = Gateway Ver.",
            nullptr, Shown },

        { "SW_LOGIN_ALL", CheckBox, nullptr, 3030, 120, 255, 255, "",
            "Broadcast \"Login string\" and \"Wiegand configuration\" to all devices.", Shown },
        { "SW_KRT_V6", CheckBox, nullptr, 7800, 7845, 1000, 255, "KRT-V6", nullptr, Hidden },
        // In the free room beside FIND DEVICES: the switch that shows it must show it in sight.
        { "B_SAVE_WIEGAND", Button, nullptr, 3315, 60, 1260, 375, "Save Wiegand",
            "Save Wiegand Configuration only", Hidden },
        { "Command2", Button, nullptr, 2010, 8325, 1335, 375, "Command2", nullptr, Shown },
        { "SW_BYPASSAUTOBOOT", CheckBox, nullptr, 105, 9750, 2200, 255, "Bypass AutoBoot", nullptr,
            Shown },
        { "Command1", Button, nullptr, 105, 8325, 1800, 375, "Upd Host Unicast", nullptr, Shown },

        // NTP controls: kept in a frame that is never shown.
        { "Frame4", Frame, nullptr, 105, 10200, 4500, 1200, "A VENIR", nullptr, Hidden },
        { "FR_NTP", Frame, "Frame4", 120, 240, 4260, 840, "Option NTP", nullptr, Shown },
        { "PIC_NTP", Picture, "FR_NTP", 120, 270, 240, 240, "", nullptr, Shown },
        { "SW_NTP", CheckBox, "FR_NTP", 420, 270, 1300, 255, "NTP Server:", ntpTip, Hidden },
        { "INP_IP_NTP", IpEntry, "FR_NTP", 1770, 270, 1935, 240, "", ntpTip, Shown },
        { "AFF_TIMEZONE", Label, "FR_NTP", 420, 570, 400, 225, "TZ:", nullptr, Hidden },
        { "B_TIME_ZONE", Button, "FR_NTP", 840, 540, 300, 285, "", nullptr, Hidden },
        { "INP_TIMEZONE", TextBox, "FR_NTP", 1170, 540, 500, 285, "", "Time Zone", Shown },

        // The store of product pictures; nothing shows it.
        { "Frame2", Frame, nullptr, 4700, 10200, 4600, 1200, "PIC_PROD", nullptr, Hidden },
        { "PIC_PROD(1)", Picture, "Frame2", 60, 240, 540, 450, "", nullptr, Shown },
        { "PIC_PROD(2)", Picture, "Frame2", 600, 240, 540, 450, "", nullptr, Shown },
        { "PIC_PROD(3)", Picture, "Frame2", 1140, 240, 540, 450, "", nullptr, Shown },
        { "PIC_PROD(4)", Picture, "Frame2", 1680, 240, 540, 450, "", nullptr, Shown },
        { "PIC_PROD(5)", Picture, "Frame2", 2220, 240, 540, 450, "", nullptr, Shown },
        { "PIC_PROD(6)", Picture, "Frame2", 2760, 240, 540, 450, "", nullptr, Shown },
        { "PIC_PROD(7)", Picture, "Frame2", 3300, 240, 540, 450, "", nullptr, Shown },
        { "PIC_PROD(8)", Picture, "Frame2", 3840, 240, 540, 450, "", nullptr, Shown },
        { "PIC_PROD(9)", Picture, "Frame2", 60, 690, 540, 450, "", nullptr, Shown },
        { "PIC_PROD(10)", Picture, "Frame2", 600, 690, 540, 450, "", nullptr, Shown },
        { "PIC_PROD(11)", Picture, "Frame2", 1140, 690, 540, 450, "", nullptr, Shown },
        { "PIC_PROD(12)", Picture, "Frame2", 1680, 690, 540, 450, "", nullptr, Shown },
        { "PIC_PROD(13)", Picture, "Frame2", 2220, 690, 540, 450, "", nullptr, Shown },
        { "PIC_PROD(14)", Picture, "Frame2", 2760, 690, 540, 450, "", nullptr, Shown },
        { "PIC_PROD(15)", Picture, "Frame2", 3300, 690, 540, 450, "", nullptr, Shown },

        { "B_VT100_CLR", Button, nullptr, 3990, 3555, 1650, 315, "VT-100 ClearScreen", nullptr,
            Shown },
        { "INP_UNLOCK_255", TextBox, nullptr, 4740, 8505, 2100, 315, "",
            "UNLOCK IP 255.255.255.255", Shown },
        { "FR_UPD_WAIT", Frame, nullptr, 1725, 480, 3900, 900, "", nullptr, Hidden },
        { "Label3", Label, "FR_UPD_WAIT", 120, 330, 3660, 315,
            " UPDATING IP DEVICE ... PLEASE WAIT ...", nullptr, Shown },
        // The save's steps, and RENAME IP's devices beside its count.
        { "PRG_UPD_WAIT", ProgressBar, "FR_UPD_WAIT", 120, 660, 3660, 180, "", nullptr, Shown },
        { "SW_AUTO_ASK", CheckBox, nullptr, 2745, 120, 255, 255, "", "AUTOMATIC ASK", Shown },
        { "B_ASK_CFG", Button, nullptr, 105, 60, 2535, 390, "    FIND DEVICES",
            "Discover TCPIP Tavren device(s) on your network", Shown },

        // Commands for all devices.
        { "Frame1", Frame, nullptr, 5745, 60, 3570, 3780, "Commands", nullptr, Shown },
        { "Label2", Label, "Frame1", 120, 270, 3300, 225, "TEST AND COMMAND", nullptr, Shown },
        { "SW_SWITCH", CheckBox, "Frame1", 120, 510, 3300, 255, "ETHERNET SWITCH", nullptr, Shown },
        { "B_RESET_ONE", Button, "Frame1", 120, 780, 3300, 345, "RESET DEVICE",
            "Reset TCP connection", Shown },
        { "B_SAVE", Button, "Frame1", 120, 1185, 900, 345, "Save:", "Save MAC/IP address to a file",
            Shown },
        { "INP_SAVE", TextBox, "Frame1", 1080, 1185, 2340, 345, "LST_MAC_.TXT", "File name",
            Shown },
        { "B_SHOW_MAC", Button, "Frame1", 120, 1590, 2940, 345, "     Show MAC ADDRESS",
            "Show MAC and IP adress (MODE TERMINAL KRT-40 ONLY)", Shown },
        { "SW_AUTO_MAC", CheckBox, "Frame1", 3150, 1635, 255, 255, "", autoTip, Shown },
        { "B_LED_FLASH", Button, "Frame1", 120, 1995, 2940, 345, "    LED",
            "The led of all KRT-40 in terminal mode flash", Shown },
        { "SW_LED_FLASH", CheckBox, "Frame1", 3150, 2040, 255, 255, "", autoTip, Shown },
        { "B_SEND_BIP", Button, "Frame1", 120, 2400, 2940, 345, "    BIP",
            "The buzzer of all KRT-40 in terminal mode bip", Shown },
        { "SW_SEND_BIP", CheckBox, "Frame1", 3150, 2445, 255, 255, "", autoTip, Shown },
        { "B_GO_TERM", Button, "Frame1", 120, 2805, 2940, 345, "     TERMINAL MODE",
            "All terminal KRT go to TERMINAL MODE", Shown },
        { "SW_AUTO_TERM", CheckBox, "Frame1", 3150, 2850, 255, 255, "", autoTip, Shown },
        { "B_GO_BOOT", Button, "Frame1", 120, 3210, 2940, 345, "BOOT MODE",
            "All terminal KRT go to BOOT MODE", Shown },
        { "TIM_AUTO_MAC", Timer, "Frame1", 0, 0, 0, 0, "", nullptr, Shown },
        { "TIM_TST", Timer, "Frame1", 0, 0, 0, 0, "", nullptr, Shown },
        { "TIM_AUTO_TERM", Timer, "Frame1", 0, 0, 0, 0, "", nullptr, Shown },
        { "TIM_LED_FLASH", Timer, "Frame1", 0, 0, 0, 0, "", nullptr, Shown },
        { "TIM_AUTO_ASK", Timer, nullptr, 0, 0, 0, 0, "", nullptr, Shown },

        // Service tools, revealed by the access code.
        { "FR_RENIP", Frame, nullptr, 5745, 60, 3570, 3780, "", nullptr, Hidden },
        { "INP_AUTO_IP", TextBox, "FR_RENIP", 120, 210, 1500, 315, "192.168.5.", nullptr, Shown },
        { "INP_AUTO_MASK", TextBox, "FR_RENIP", 1680, 210, 1500, 315, "255.255.0.0", nullptr,
            Shown },
        { "B_RENAME_IP", Button, "FR_RENIP", 120, 630, 3300, 345, "RENAME IP", nullptr, Shown },
        { "B_SAVE_ALL_WIEGAND", Button, "FR_RENIP", 120, 1050, 3300, 345, "Save all Wiegand",
            nullptr, Shown },
        { "B_SAVE_ALL_PANORAMA", Button, "FR_RENIP", 120, 1470, 3300, 345, "Save all Panorama Mode",
            nullptr, Shown },
        { "INP_PW", Password, nullptr, 4590, 75, 1050, 315, "", nullptr, Shown },
        { "LST_TMP", SortedList, nullptr, 7000, 8800, 2000, 600, "", nullptr, Hidden },

        // Configuration of the selected device.
        { "FR_CFG", Frame, nullptr, 105, 3900, 9210, 4320,
            "Configuration of selected TCPIP Tavren device", nullptr, Hidden },
        { "INP_UDP_MASK", IpEntry, "FR_CFG", 6960, 270, 1935, 240, "", nullptr, Shown },
        // Three rows: the MAC captions and values on the right, the version caption under its
        // label across the whole width, for the longest model caption.
        { "FR_CFG_AFF", Frame, "FR_CFG", 105, 270, 5535, 765, "", nullptr, Shown },
        { "PIC_PROD(0)", Picture, "FR_CFG_AFF", 60, 135, 600, 450, "", nullptr, Shown },
        { "PIC_ENCRYPTED", Picture, "FR_CFG_AFF", 690, 135, 240, 240, "", nullptr, Shown },
        { "Picture1(8)", Picture, "FR_CFG_AFF", 690, 375, 240, 240, "", nullptr, Shown },
        { "LABEL_UDP_TX_MASK(0)", Label, "FR_CFG_AFF", 990, 300, 1500, 210, "DEVICE VERSION",
            nullptr, Shown },
        { "AFF_VER", Label, "FR_CFG_AFF", 990, 510, 4470, 210, "", "TCPIP Tavren board version",
            Shown },
        { "LBL_MAC_HEX", Label, "FR_CFG_AFF", 2655, 90, 810, 210, "MAC HEX", nullptr, Shown },
        { "AFF_MAC_HEX", Label, "FR_CFG_AFF", 3510, 90, 1950, 210, "", "MAC adress in hexadecimal",
            Shown },
        { "LBL_MAC_DEC", Label, "FR_CFG_AFF", 2655, 300, 810, 210, "MAC DEC", nullptr, Shown },
        { "AFF_MAC", Label, "FR_CFG_AFF", 3510, 300, 1950, 210, "", "MAC address in decimal",
            Shown },
        { "B_UPDATE", Button, "FR_CFG", 5745, 540, 3150, 330, "SAVE CONFIGURATION", saveTip,
            Disabled },
        { "FR_CFG_INP", Frame, "FR_CFG", 105, 1050, 9000, 3225, "", nullptr, Shown },
        { "Label1(2)", Label, "FR_CFG_INP", 130, 195, 700, 225, "IP", nullptr, Shown },
        { "INP_IP", IpEntry, "FR_CFG_INP", 850, 180, 1935, 240, "", nullptr, Shown },
        { "Label1(0)", Label, "FR_CFG_INP", 2900, 195, 700, 225, "MASK", nullptr, Shown },
        { "INP_MASK", IpEntry, "FR_CFG_INP", 3620, 180, 1935, 240, "", nullptr, Shown },
        { "Label1(1)", Label, "FR_CFG_INP", 5670, 195, 850, 225, "GATEWAY", nullptr, Shown },
        { "INP_GATE", IpEntry, "FR_CFG_INP", 6540, 180, 1935, 240, "", nullptr, Shown },
        { "AFF_DHCP_IP", Label, "FR_CFG_INP", 8475, 195, 480, 225, "DHCP", nullptr, Shown },
        { "FR_TERM_NO", Frame, "FR_CFG_INP", 5800, 1740, 3100, 1200,
            "TERMINAL NUMBER (0001 to 8999)", nullptr, Hidden },
        { "INP_TERM_NO", TextBox, "FR_TERM_NO", 120, 300, 800, 285, "0000", nullptr, Shown },
        // The button lies below the number: the frame fits the left column on V6 boards.
        { "B_SAVE_TERM_NO", Button, "FR_TERM_NO", 120, 660, 2550, 345, "SAVE ONLY TERMINAL #",
            nullptr, Shown },
        { "SW_10BASET", CheckBox, "FR_CFG_INP", 3060, 1090, 2500, 255, "Ethernet 10Base-T only",
            "You must click on button 'Save Configuration' and disconnect and reconnect the device "
            "for this change take effect.",
            Hidden },
        // Two rows: the three switches are too wide for one.
        { "FR_CONDUIT_AUTOBOOT", Frame, "FR_CFG_INP", 130, 480, 2790, 720, "", nullptr, Shown },
        { "SW_CONDUIT(0)", CheckBox, "FR_CONDUIT_AUTOBOOT", 60, 150, 1155, 255, "CONDUIT",
            "Set IP configuration to CONDUIT MODE", Hidden },
        { "SW_CONDUIT(1)", CheckBox, "FR_CONDUIT_AUTOBOOT", 1260, 150, 690, 255, "400", nullptr,
            Shown },
        { "SW_AUTO_BOOT", CheckBox, "FR_CONDUIT_AUTOBOOT", 60, 420, 1395, 255, "AUTO BOOT", nullptr,
            Hidden },
        { "FR_SERIAL_CFG", Frame, "FR_CFG_INP", 130, 1260, 2790, 900, "", nullptr, Shown },
        { "INP_PARITY", Combo, "FR_SERIAL_CFG", 60, 150, 1290, 315, "", "Parity", Shown },
        { "INP_StopBit", Combo, "FR_SERIAL_CFG", 1410, 150, 1290, 315, "", "StopBit(s)", Shown },
        { "INP_DATABITS", Combo, "FR_SERIAL_CFG", 60, 510, 1290, 315, "", "DataBits", Shown },
        { "INP_BAUDS", Combo, "FR_SERIAL_CFG", 1410, 510, 1290, 315, "", "Bauds", Shown },
        // As high as the Wiegand frame, whose place it takes: the login frame lies below.
        { "FR_PANORAMA_MODE", Frame, "FR_CFG_INP", 5800, 2400, 3100, 510, "", nullptr, Hidden },
        { "LST_PANORAMA_MODE", Combo, "FR_PANORAMA_MODE", 60, 150, 2200, 315, "", nullptr, Shown },
        { "B_PANORAMA_SAVE_MODE", Button, "FR_PANORAMA_MODE", 2300, 150, 740, 315, "Save", nullptr,
            Shown },
        { "FR_WIEGAND", Frame, "FR_CFG_INP", 5800, 1215, 3165, 420, "", nullptr, Hidden },
        { "PIC_WARNING_SUBNET(0)", Picture, "FR_WIEGAND", 60, 90, 240, 240, "", nullptr, Shown },
        { "INP_WIEGAND_CFG", Combo, "FR_WIEGAND", 1890, 90, 1230, 285, "", nullptr, Shown },
        { "Label4", Label, "FR_WIEGAND", 330, 120, 1545, 225, "WIEGAND CONFIG:", nullptr, Shown },
        // Beside RESET: the row of the fingerprint switch has no room for it.
        { "FR_BIOSCRYPT_PREFIX", Frame, "FR_CFG_INP", 7590, 810, 1365, 390, "", nullptr, Hidden },
        { "IMG_BIOSCRYPT_PREFIX", Picture, "FR_BIOSCRYPT_PREFIX", 60, 90, 240, 240, "", nullptr,
            Shown },
        { "SW_BIOSCRYPT_PREFIX", CheckBox, "FR_BIOSCRYPT_PREFIX", 330, 90, 900, 255, "PREF.",
            "Add # prefix before each Quillmark finger number", Shown },
        { "SW_KEEPALIVE_DEL(0)", Option, "FR_CFG_INP", 4335, 540, 720, 255, "15 S", "15 Seconds",
            Shown },
        { "SW_KEEPALIVE_DEL(1)", Option, "FR_CFG_INP", 5055, 540, 720, 255, "30 S", "30 Seconds",
            Shown },
        { "SW_KEEPALIVE", CheckBox, "FR_CFG_INP", 3060, 540, 1275, 255, "KEEPALIVE",
            "The socket must already be open. Keepalives will then be sent after timeout (15 or "
            "30) seconds of inactivity.",
            Hidden },
        { "SW_AUXRS232", CheckBox, "FR_CFG_INP", 3060, 810, 1305, 255, "AUX RS-232",
            "Option: External RS-232 port (9600,N,8,1)", Hidden },
        { "SW_BIOSCRYPT", CheckBox, "FR_CFG_INP", 5800, 540, 2300, 255, "QUILLMARK VT100/VT52",
            nullptr, Hidden },
        { "SW_TIMEOUT", CheckBox, "FR_CFG_INP", 4365, 810, 1200, 255, "TIMEOUT", nullptr, Shown },
        { "B_RESET", Button, "FR_CFG_INP", 5800, 870, 1000, 330, "RESET", "Reset TCP connection",
            Shown },
        // The options lie wholly under the note when it shows, the host rows below them; the
        // connector lines end inside the frame.
        { "FR_MODE", Frame, "FR_CFG_INP", 3060, 1380, 2700, 1520, "", nullptr, Shown },
        { "SW_MODE(0)", Option, "FR_MODE", 60, 240, 1065, 255, "SERVER", nullptr, Shown },
        { "SW_MODE(1)", Option, "FR_MODE", 1140, 240, 1000, 255, "CLIENT", nullptr, Shown },
        { "TXT_MODE(0)", Label, "FR_MODE", 60, 540, 1000, 225, "HOST IP", nullptr, Shown },
        { "INP_HOST_IP", TextBox, "FR_MODE", 1080, 510, 1440, 285, "", nullptr, Shown },
        { "TXT_MODE(1)", Label, "FR_MODE", 60, 855, 1000, 225, "HOST PORT", nullptr, Shown },
        { "INP_HOST_PORT", TextBox, "FR_MODE", 1080, 825, 800, 285, "", nullptr, Shown },
        { "TXT_MODE(2)", Label, "FR_MODE", 60, 1170, 1000, 225, "RESERVED", nullptr, Shown },
        { "INP_NO", TextBox, "FR_MODE", 1080, 1140, 800, 285, "", nullptr, Shown },
        // Connectors from the host entries to the frame's right edge, towards the login frame
        // that is shown with them.
        { "Line1(0)", Line, "FR_MODE", 2535, 645, 105, 30, "", nullptr, Shown },
        { "Line1(1)", Line, "FR_MODE", 2535, 960, 105, 30, "", nullptr, Shown },
        { "Line2(0)", Line, "FR_MODE", 1890, 960, 645, 30, "", nullptr, Shown },
        { "Line2(1)", Line, "FR_MODE", 1890, 1275, 750, 30, "", nullptr, Shown },
        { "TXT_MODE_NOT_AVAILABLE", Label, "FR_MODE", 45, 225, 2610, 1200, notAvailable, nullptr,
            Shown },
        // Four rows; the workstation identifier's caption and box share the last.
        { "FR_LOGIN", Frame, "FR_CFG_INP", 5800, 1635, 3100, 1545, "LOGIN STRING   ", nullptr,
            Hidden },
        { "PIC_WARNING_SUBNET(1)", Picture, "FR_LOGIN", 60, 300, 240, 240, "", nullptr, Shown },
        { "INP_LOGIN", TextBox, "FR_LOGIN", 360, 270, 1935, 285, "", loginTip, Shown },
        { "B_CLEAR_LOGIN", Button, "FR_LOGIN", 2340, 270, 690, 285, "CLEAR", nullptr, Hidden },
        { "B_ADD_TAB", Button, "FR_LOGIN", 60, 555, 555, 285, "TAB", nullptr, Disabled },
        { "B_ADD_PAUSE", Button, "FR_LOGIN", 645, 555, 1305, 285, "PAUSE .5 SEC.", nullptr,
            Disabled },
        { "B_ADD_ENTER", Button, "FR_LOGIN", 1980, 555, 765, 285, "ENTER", nullptr, Disabled },
        { "B_SEND_LOGIN", Button, "FR_LOGIN", 60, 840, 1800, 285, "SAVE LOGIN STRING", nullptr,
            Disabled },
        { "FR_DEVNAME", Frame, "FR_LOGIN", 60, 1125, 2970, 375, "", nullptr, Shown },
        { "AFF_ID400", Label, "FR_DEVNAME", 60, 105, 2040, 210, "AS/400 WORKSTATION ID", nullptr,
            Shown },
        { "INP_DEVNAME", TextBox, "FR_DEVNAME", 2130, 90, 780, 240, "", "AS/400 WorkStation ID",
            Shown },
        { "PIC_V6_AUX", Picture, "FR_CFG_INP", 5800, 1490, 300, 300, "", nullptr, Shown },
        { "LABEL_UDP_TX_MASK(10)", Label, "FR_CFG", 5745, 285, 1200, 225, "UDP TX MASK", nullptr,
            Shown },

        // The device list.
        { "FR_LST_KRT", Frame, nullptr, 105, 480, 5535, 3060,
            "                    List of TCPIP Tavren devices", nullptr, Shown },
        { "AFF_NO_DEV", Label, "FR_LST_KRT", 105, 270, 5325, 255,
            "NO IP DEVICE FOUND PLEASE PUSH \"FIND DEVICES\" BUTTON", nullptr, Shown },
        { "Text1", MultiLineText, "FR_LST_KRT", 105, 540, 5325, 1920, text1, nullptr, Shown },
        // The list lies over the help texts, which are seen while it is hidden.
        { "LST_KRT", List, "FR_LST_KRT", 105, 270, 5325, 2190, "", nullptr, Hidden },
        { "B_SORT", Button, "FR_LST_KRT", 105, 2565, 1200, 375, "SORT BY IP",
            "Sort devices by IP address", Shown },
        { "Label10", Label, "FR_LST_KRT", 1380, 2640, 2280, 225, "TAVREN DEVICE DETECTED", nullptr,
            Shown },
        { "AFF_TOT_TERMb", Counter, "FR_LST_KRT", 3720, 2595, 960, 315, "", nullptr, Shown },
        { "AFF_TOT_TERM", Label, "FR_LST_KRT", 4740, 2640, 600, 225, "0",
            "Qte of IP devices found on your networks", Hidden },
        { "LABEL_UDP_TX_MASK(1)", Label, nullptr, 3480, 8550, 1200, 240, "DIRECT MAC:", nullptr,
            Shown },
        { "AFF_SEL_DEV", Label, nullptr, 105, 3585, 3800, 255,
            "SELECT AN IP DEVICE FROM LIST ABOVE", nullptr, Hidden },
    });
} // namespace layout_rows

inline constexpr const auto& layoutTable = layout_rows::table;

} // namespace linknode
