#pragma once

#include "form/control_handle.h"

// Every control of the main form, as a handle named by its control name
// and typed by its kind. The build checks each against the layout table.
namespace linknode {

// MQTT settings of the sensor gateway, shown over the configuration view.
inline constexpr Control<QGroupBox> FR_MQTT { "FR_MQTT" };
inline constexpr Control<QPushButton> B_SAVE_CFG_MQTT { "B_SAVE_CFG_MQTT" };
inline constexpr Control<QGroupBox> Frame6 { "Frame6" };
inline constexpr Control<ChangeLabel> LBL_MQTT_MSG_CONNECT { "LBL_MQTT_MSG_CONNECT" };
inline constexpr Control<FocusLineEdit> INP_MQTT_MSG_CONNECT { "INP_MQTT_MSG_CONNECT" };
inline constexpr Control<ChangeLabel> LBL_MQTT_TOPIC_CONNECT { "LBL_MQTT_TOPIC_CONNECT" };
inline constexpr Control<FocusLineEdit> INP_MQTT_TOPIC_CONNECT { "INP_MQTT_TOPIC_CONNECT" };
inline constexpr Control<QGroupBox> Frame5 { "Frame5" };
inline constexpr Control<ChangeLabel> LBL_MQTT_TOPIC { "LBL_MQTT_TOPIC" };
inline constexpr Control<FocusLineEdit> INP_MQTT_TOPIC { "INP_MQTT_TOPIC" };
inline constexpr Control<ChangeLabel> LBL_MQTT_MSG { "LBL_MQTT_MSG" };
inline constexpr Control<FocusLineEdit> INP_MQTT_MSG { "INP_MQTT_MSG" };
inline constexpr Control<QComboBox> SW_MQTT_CFG_TEMPLATE { "SW_MQTT_CFG_TEMPLATE" };
inline constexpr Control<ChangeLabel> LBL_MQTT_SERVER { "LBL_MQTT_SERVER" };
inline constexpr Control<FocusLineEdit> INP_MQTT_SERVER { "INP_MQTT_SERVER" };
inline constexpr Control<ChangeLabel> LBL_MQTT_PORT { "LBL_MQTT_PORT" };
inline constexpr Control<FocusLineEdit> INP_MQTT_PORT { "INP_MQTT_PORT" };
inline constexpr Control<ChangeLabel> LBL_MQTT_USER { "LBL_MQTT_USER" };
inline constexpr Control<FocusLineEdit> INP_MQTT_USER { "INP_MQTT_USER" };
inline constexpr Control<ChangeLabel> LBL_MQTT_PSW { "LBL_MQTT_PSW" };
inline constexpr Control<FocusLineEdit> INP_MQTT_PSW { "INP_MQTT_PSW" };
inline constexpr Control<ChangeLabel> LBL_MQTT_DEVICEID { "LBL_MQTT_DEVICEID" };
inline constexpr Control<FocusLineEdit> INP_MQTT_DEVICEID { "INP_MQTT_DEVICEID" };
inline constexpr ControlArray<ChangeLabel, 5> TXT_MODE { "TXT_MODE", { 0, 1, 2, 5, 6 } };
inline constexpr Control<QCheckBox> SW_LOGIN_ALL { "SW_LOGIN_ALL" };
inline constexpr Control<QCheckBox> SW_KRT_V6 { "SW_KRT_V6" };
inline constexpr Control<QPushButton> B_SAVE_WIEGAND { "B_SAVE_WIEGAND" };
inline constexpr Control<QPushButton> Command2 { "Command2" };
inline constexpr Control<QCheckBox> SW_BYPASSAUTOBOOT { "SW_BYPASSAUTOBOOT" };
inline constexpr Control<QPushButton> Command1 { "Command1" };

// NTP controls: kept in a frame that is never shown.
inline constexpr Control<QGroupBox> Frame4 { "Frame4" };
inline constexpr Control<QGroupBox> FR_NTP { "FR_NTP" };
inline constexpr Control<ChangeLabel> PIC_NTP { "PIC_NTP" };
inline constexpr Control<QCheckBox> SW_NTP { "SW_NTP" };
inline constexpr Control<IpEntry> INP_IP_NTP { "INP_IP_NTP" };
inline constexpr Control<ChangeLabel> AFF_TIMEZONE { "AFF_TIMEZONE" };
inline constexpr Control<QPushButton> B_TIME_ZONE { "B_TIME_ZONE" };
inline constexpr Control<FocusLineEdit> INP_TIMEZONE { "INP_TIMEZONE" };

// The store of product pictures; nothing shows it.
inline constexpr Control<QGroupBox> Frame2 { "Frame2" };
inline constexpr ControlArray<ChangeLabel, 16> PIC_PROD { "PIC_PROD" };
inline constexpr Control<QPushButton> B_VT100_CLR { "B_VT100_CLR" };
inline constexpr Control<FocusLineEdit> INP_UNLOCK_255 { "INP_UNLOCK_255" };
inline constexpr Control<QGroupBox> FR_UPD_WAIT { "FR_UPD_WAIT" };
inline constexpr Control<ChangeLabel> Label3 { "Label3" };
inline constexpr Control<QProgressBar> PRG_UPD_WAIT { "PRG_UPD_WAIT" };
inline constexpr Control<QCheckBox> SW_AUTO_ASK { "SW_AUTO_ASK" };
inline constexpr Control<QPushButton> B_ASK_CFG { "B_ASK_CFG" };

// Commands for all devices.
inline constexpr Control<QGroupBox> Frame1 { "Frame1" };
inline constexpr Control<ChangeLabel> Label2 { "Label2" };
inline constexpr Control<QCheckBox> SW_SWITCH { "SW_SWITCH" };
inline constexpr Control<QPushButton> B_RESET_ONE { "B_RESET_ONE" };
inline constexpr Control<QPushButton> B_SAVE { "B_SAVE" };
inline constexpr Control<FocusLineEdit> INP_SAVE { "INP_SAVE" };
inline constexpr Control<QPushButton> B_SHOW_MAC { "B_SHOW_MAC" };
inline constexpr Control<QCheckBox> SW_AUTO_MAC { "SW_AUTO_MAC" };
inline constexpr Control<QPushButton> B_LED_FLASH { "B_LED_FLASH" };
inline constexpr Control<QCheckBox> SW_LED_FLASH { "SW_LED_FLASH" };
inline constexpr Control<QPushButton> B_SEND_BIP { "B_SEND_BIP" };
inline constexpr Control<QCheckBox> SW_SEND_BIP { "SW_SEND_BIP" };
inline constexpr Control<QPushButton> B_GO_TERM { "B_GO_TERM" };
inline constexpr Control<QCheckBox> SW_AUTO_TERM { "SW_AUTO_TERM" };
inline constexpr Control<QPushButton> B_GO_BOOT { "B_GO_BOOT" };
inline constexpr Control<QTimer> TIM_AUTO_MAC { "TIM_AUTO_MAC" };
inline constexpr Control<QTimer> TIM_TST { "TIM_TST" };
inline constexpr Control<QTimer> TIM_AUTO_TERM { "TIM_AUTO_TERM" };
inline constexpr Control<QTimer> TIM_LED_FLASH { "TIM_LED_FLASH" };
inline constexpr Control<QTimer> TIM_AUTO_ASK { "TIM_AUTO_ASK" };

// Service tools, revealed by the access code.
inline constexpr Control<QGroupBox> FR_RENIP { "FR_RENIP" };
inline constexpr Control<FocusLineEdit> INP_AUTO_IP { "INP_AUTO_IP" };
inline constexpr Control<FocusLineEdit> INP_AUTO_MASK { "INP_AUTO_MASK" };
inline constexpr Control<QPushButton> B_RENAME_IP { "B_RENAME_IP" };
inline constexpr Control<QPushButton> B_SAVE_ALL_WIEGAND { "B_SAVE_ALL_WIEGAND" };
inline constexpr Control<QPushButton> B_SAVE_ALL_PANORAMA { "B_SAVE_ALL_PANORAMA" };
inline constexpr Control<FocusLineEdit> INP_PW { "INP_PW" };
inline constexpr Control<ListBox> LST_TMP { "LST_TMP" };

// Configuration of the selected device.
inline constexpr Control<QGroupBox> FR_CFG { "FR_CFG" };
inline constexpr Control<IpEntry> INP_UDP_MASK { "INP_UDP_MASK" };
inline constexpr Control<QGroupBox> FR_CFG_AFF { "FR_CFG_AFF" };
inline constexpr Control<ChangeLabel> PIC_ENCRYPTED { "PIC_ENCRYPTED" };
inline constexpr ControlArray<ChangeLabel, 1> Picture1 { "Picture1", { 8 } };
inline constexpr ControlArray<ChangeLabel, 3> LABEL_UDP_TX_MASK { "LABEL_UDP_TX_MASK",
    { 0, 1, 10 } };
inline constexpr Control<ChangeLabel> AFF_VER { "AFF_VER" };
inline constexpr Control<ChangeLabel> LBL_MAC_HEX { "LBL_MAC_HEX" };
inline constexpr Control<ChangeLabel> AFF_MAC_HEX { "AFF_MAC_HEX" };
inline constexpr Control<ChangeLabel> LBL_MAC_DEC { "LBL_MAC_DEC" };
inline constexpr Control<ChangeLabel> AFF_MAC { "AFF_MAC" };
inline constexpr Control<QPushButton> B_UPDATE { "B_UPDATE" };
inline constexpr Control<QGroupBox> FR_CFG_INP { "FR_CFG_INP" };
inline constexpr ControlArray<ChangeLabel, 3> Label1 { "Label1" };
inline constexpr Control<IpEntry> INP_IP { "INP_IP" };
inline constexpr Control<IpEntry> INP_MASK { "INP_MASK" };
inline constexpr Control<IpEntry> INP_GATE { "INP_GATE" };
inline constexpr Control<ChangeLabel> AFF_DHCP_IP { "AFF_DHCP_IP" };
inline constexpr Control<QGroupBox> FR_TERM_NO { "FR_TERM_NO" };
inline constexpr Control<FocusLineEdit> INP_TERM_NO { "INP_TERM_NO" };
inline constexpr Control<QPushButton> B_SAVE_TERM_NO { "B_SAVE_TERM_NO" };
inline constexpr Control<QCheckBox> SW_10BASET { "SW_10BASET" };
inline constexpr Control<QGroupBox> FR_CONDUIT_AUTOBOOT { "FR_CONDUIT_AUTOBOOT" };
inline constexpr ControlArray<QCheckBox, 2> SW_CONDUIT { "SW_CONDUIT" };
inline constexpr Control<QCheckBox> SW_AUTO_BOOT { "SW_AUTO_BOOT" };
inline constexpr Control<QGroupBox> FR_SERIAL_CFG { "FR_SERIAL_CFG" };
inline constexpr Control<QComboBox> INP_PARITY { "INP_PARITY" };
inline constexpr Control<QComboBox> INP_StopBit { "INP_StopBit" };
inline constexpr Control<QComboBox> INP_DATABITS { "INP_DATABITS" };
inline constexpr Control<QComboBox> INP_BAUDS { "INP_BAUDS" };
inline constexpr Control<QGroupBox> FR_PANORAMA_MODE { "FR_PANORAMA_MODE" };
inline constexpr Control<QComboBox> LST_PANORAMA_MODE { "LST_PANORAMA_MODE" };
inline constexpr Control<QPushButton> B_PANORAMA_SAVE_MODE { "B_PANORAMA_SAVE_MODE" };
inline constexpr Control<QGroupBox> FR_WIEGAND { "FR_WIEGAND" };
inline constexpr ControlArray<ChangeLabel, 2> PIC_WARNING_SUBNET { "PIC_WARNING_SUBNET" };
inline constexpr Control<QComboBox> INP_WIEGAND_CFG { "INP_WIEGAND_CFG" };
inline constexpr Control<ChangeLabel> Label4 { "Label4" };
inline constexpr Control<QGroupBox> FR_BIOSCRYPT_PREFIX { "FR_BIOSCRYPT_PREFIX" };
inline constexpr Control<ChangeLabel> IMG_BIOSCRYPT_PREFIX { "IMG_BIOSCRYPT_PREFIX" };
inline constexpr Control<QCheckBox> SW_BIOSCRYPT_PREFIX { "SW_BIOSCRYPT_PREFIX" };
inline constexpr ControlArray<QRadioButton, 2> SW_KEEPALIVE_DEL { "SW_KEEPALIVE_DEL" };
inline constexpr Control<QCheckBox> SW_KEEPALIVE { "SW_KEEPALIVE" };
inline constexpr Control<QCheckBox> SW_AUXRS232 { "SW_AUXRS232" };
inline constexpr Control<QCheckBox> SW_BIOSCRYPT { "SW_BIOSCRYPT" };
inline constexpr Control<QCheckBox> SW_TIMEOUT { "SW_TIMEOUT" };
inline constexpr Control<QPushButton> B_RESET { "B_RESET" };
inline constexpr Control<QGroupBox> FR_MODE { "FR_MODE" };
inline constexpr ControlArray<QRadioButton, 2> SW_MODE { "SW_MODE" };
inline constexpr Control<FocusLineEdit> INP_HOST_IP { "INP_HOST_IP" };
inline constexpr Control<FocusLineEdit> INP_HOST_PORT { "INP_HOST_PORT" };
inline constexpr Control<FocusLineEdit> INP_NO { "INP_NO" };
inline constexpr ControlArray<QFrame, 2> Line1 { "Line1" };
inline constexpr ControlArray<QFrame, 2> Line2 { "Line2" };
inline constexpr Control<ChangeLabel> TXT_MODE_NOT_AVAILABLE { "TXT_MODE_NOT_AVAILABLE" };
inline constexpr Control<QGroupBox> FR_LOGIN { "FR_LOGIN" };
inline constexpr Control<FocusLineEdit> INP_LOGIN { "INP_LOGIN" };
inline constexpr Control<QPushButton> B_CLEAR_LOGIN { "B_CLEAR_LOGIN" };
inline constexpr Control<QPushButton> B_ADD_TAB { "B_ADD_TAB" };
inline constexpr Control<QPushButton> B_ADD_PAUSE { "B_ADD_PAUSE" };
inline constexpr Control<QPushButton> B_ADD_ENTER { "B_ADD_ENTER" };
inline constexpr Control<QPushButton> B_SEND_LOGIN { "B_SEND_LOGIN" };
inline constexpr Control<QGroupBox> FR_DEVNAME { "FR_DEVNAME" };
inline constexpr Control<ChangeLabel> AFF_ID400 { "AFF_ID400" };
inline constexpr Control<FocusLineEdit> INP_DEVNAME { "INP_DEVNAME" };
inline constexpr Control<ChangeLabel> PIC_V6_AUX { "PIC_V6_AUX" };

// The device list.
inline constexpr Control<QGroupBox> FR_LST_KRT { "FR_LST_KRT" };
inline constexpr Control<ChangeLabel> AFF_NO_DEV { "AFF_NO_DEV" };
inline constexpr Control<MultiLineText> Text1 { "Text1" };

// The list lies over the help texts, which are seen while it is hidden.
inline constexpr Control<ListBox> LST_KRT { "LST_KRT" };
inline constexpr Control<QPushButton> B_SORT { "B_SORT" };
inline constexpr Control<ChangeLabel> Label10 { "Label10" };
inline constexpr Control<CounterDisplay> AFF_TOT_TERMb { "AFF_TOT_TERMb" };
inline constexpr Control<ChangeLabel> AFF_TOT_TERM { "AFF_TOT_TERM" };
inline constexpr Control<ChangeLabel> AFF_SEL_DEV { "AFF_SEL_DEV" };

} // namespace linknode
