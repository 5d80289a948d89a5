#pragma once

#include "form/controls.h"

#include <array>

namespace linknode {

// What a screen reader calls a control whose caption does not name it: boxes named by the
// label beside them, switches with no caption of their own, pictures. Every other control is
// named by its caption (buttons, switches, frames, labels). An IP entry's four boxes are
// "NAME, octet 1" to "NAME, octet 4". Descriptions are the tool tips.
struct AccessibleName {
    Control<QWidget> control;
    const char* name;
};

inline constexpr auto accessibleNames = std::to_array<AccessibleName>({
    // The MQTT frame.
    { INP_MQTT_MSG_CONNECT, "Connect message" },
    { INP_MQTT_TOPIC_CONNECT, "Connect message topic" },
    { INP_MQTT_TOPIC, "Sensor message topic" },
    { INP_MQTT_MSG, "Sensor message" },
    { SW_MQTT_CFG_TEMPLATE, "Template" },
    { INP_MQTT_SERVER, "MQTT server" },
    { INP_MQTT_PORT, "MQTT port" },
    { INP_MQTT_USER, "MQTT user" },
    { INP_MQTT_PSW, "MQTT password" },
    { INP_MQTT_DEVICEID, "MQTT device ID" },

    // The top bar and the controls below the window's edge.
    { SW_LOGIN_ALL, "Broadcast login string and Wiegand configuration to all devices" },
    { SW_AUTO_ASK, "Automatic ask" },
    { INP_PW, "Access code" },
    { INP_UNLOCK_255, "Direct MAC" },

    // The NTP frame, never shown.
    { PIC_NTP, "NTP" },
    { INP_IP_NTP, "NTP server address" },
    { B_TIME_ZONE, "Time zone" },
    { INP_TIMEZONE, "Time zone" },

    { FR_UPD_WAIT, "Updating" },
    { PRG_UPD_WAIT, "Progress" },

    // The commands frame and the service frame over it.
    { INP_SAVE, "Export file name" },
    { SW_AUTO_MAC, "Automatic Show MAC address" },
    { SW_LED_FLASH, "Automatic LED" },
    { SW_SEND_BIP, "Automatic BIP" },
    { SW_AUTO_TERM, "Automatic terminal mode" },
    { FR_RENIP, "Service tools" },
    { INP_AUTO_IP, "RENAME IP prefix" },
    { INP_AUTO_MASK, "RENAME IP mask" },

    // The configuration of the selected device.
    { INP_UDP_MASK, "UDP TX mask" },
    { FR_CFG_AFF, "Device" },
    { PIC_PROD(0), "Device picture" },
    { PIC_ENCRYPTED, "Encrypted connection" },
    { Picture1(8), "Network device" },
    { FR_CFG_INP, "Settings" },
    { INP_IP, "IP address" },
    { INP_MASK, "Mask" },
    { INP_GATE, "Gateway" },
    { INP_TERM_NO, "Terminal number" },
    { FR_CONDUIT_AUTOBOOT, "Conduit and auto boot" },
    { FR_SERIAL_CFG, "Serial port" },
    { INP_PARITY, "Parity" },
    { INP_StopBit, "Stop bits" },
    { INP_DATABITS, "Data bits" },
    { INP_BAUDS, "Bauds" },
    { FR_PANORAMA_MODE, "Display mode" },
    { LST_PANORAMA_MODE, "Start-up display mode" },
    { FR_WIEGAND, "Wiegand" },
    { PIC_WARNING_SUBNET(0), "Subnet warning" },
    { INP_WIEGAND_CFG, "Wiegand configuration" },
    { FR_BIOSCRYPT_PREFIX, "Quillmark prefix" },
    { IMG_BIOSCRYPT_PREFIX, "Quillmark prefix picture" },
    { FR_MODE, "Socket mode" },
    { INP_HOST_IP, "Host IP" },
    { INP_HOST_PORT, "Host port" },
    { INP_NO, "Reserved" },
    { PIC_WARNING_SUBNET(1), "Subnet warning" },
    { INP_LOGIN, "Login string" },
    { FR_DEVNAME, "AS/400 workstation" },
    { INP_DEVNAME, "AS/400 workstation ID" },
    { PIC_V6_AUX, "AUX RS-232 port" },

    // The device list.
    { Text1, "When no device is found" },
    { LST_KRT, "List of devices" },
    { LST_TMP, "Sorted list" },
    { AFF_TOT_TERMb, "Device count" },
});

} // namespace linknode
