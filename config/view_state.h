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

// The MQTT item boxes in login-string order: the view fills them from the login, the MQTT
// boxes write the login back from them.
inline constexpr std::array<Control<FocusLineEdit>, 7> mqttItemBoxes { INP_MQTT_TOPIC, INP_MQTT_MSG,
    INP_MQTT_DEVICEID, INP_MQTT_USER, INP_MQTT_PSW, INP_MQTT_TOPIC_CONNECT, INP_MQTT_MSG_CONNECT };

} // namespace linknode
