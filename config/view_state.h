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

// Whether the firmware of the device shown has the login string; the view marks it on the
// login frame's tag, so that the frame follows the socket mode only where there is a login.
inline void setLoginAvailable(MainForm& form, bool available)
{
    form[FR_LOGIN].setProperty("tag", available ? QStringLiteral("1") : QStringLiteral("0"));
}

inline bool loginAvailable(const MainForm& form)
{
    return form[FR_LOGIN].property("tag").toString() != QLatin1String("0");
}

// Whose login the login box holds: the MAC of the record the view filled it from, the MAC
// shown when the box changed since, or "" while a device prepared by its MAC (DIRECT MAC) is
// shown with a box that holds nothing of it. A save sends the box only to its owner.
inline void setLoginOwner(MainForm& form, const QString& mac)
{
    form[INP_LOGIN].setProperty("owner", mac);
}

inline QString loginOwner(const MainForm& form)
{
    return form[INP_LOGIN].property("owner").toString();
}

// What the socket mode shows, hides, enables and colours: the login frame and its buttons,
// the host entries and their labels, the NTP switch. The mode handler and the view filling
// both apply it, so the result does not hang on whether a change was raised.
void showSocketMode(MainForm& form, bool client);

// The NTP entries are shown while NTP is on.
void showNtpEntries(MainForm& form, bool on);

// The MQTT item boxes in login-string order: the view fills them from the login, the MQTT
// boxes write the login back from them.
inline constexpr std::array<Control<FocusLineEdit>, 7> mqttItemBoxes { INP_MQTT_TOPIC, INP_MQTT_MSG,
    INP_MQTT_DEVICEID, INP_MQTT_USER, INP_MQTT_PSW, INP_MQTT_TOPIC_CONNECT, INP_MQTT_MSG_CONNECT };

} // namespace linknode
