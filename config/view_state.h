#pragma once

#include "form/main_form.h"

namespace linknode {

// The device list's tag is "1" while the configuration view is being filled from a record.
inline bool viewBeingFilled(const MainForm& form)
{
    return form[LST_KRT].property("tag").toString() == QLatin1String("1");
}

// A device is shown: the configuration frame is up.
inline bool deviceShown(const MainForm& form)
{
    return !form[FR_CFG].isHidden();
}

// What the socket mode shows, hides, enables and colours: the login frame and its buttons,
// the host entries and their labels, the NTP switch. The mode handler and the view filling
// both apply it, so the result does not hang on whether a change was raised. The login frame
// shows only where the firmware has a login.
void showSocketMode(MainForm& form, bool client, bool loginAvailable);

// The tip of "TEST AND COMMAND" while it is grey.
inline constexpr const char* notInClientMode
    = "Grey while no device in CLIENT mode is shown: the login string needs CLIENT mode. "
      "The commands below work in every mode.";

// The NTP entries are shown while NTP is on.
void showNtpEntries(MainForm& form, bool on);

// The MQTT item boxes in login-string order: the view fills them from the login, the MQTT
// boxes write the login back from them.
inline constexpr std::array<Control<FocusLineEdit>, 7> mqttItemBoxes { INP_MQTT_TOPIC, INP_MQTT_MSG,
    INP_MQTT_DEVICEID, INP_MQTT_USER, INP_MQTT_PSW, INP_MQTT_TOPIC_CONNECT, INP_MQTT_MSG_CONNECT };

} // namespace linknode
