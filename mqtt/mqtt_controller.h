#pragma once

#include "config/mqtt_login.h"

#include <QObject>
#include <cstddef>

namespace linknode {

class MainForm;
class SaveController;

// The MQTT boxes of the sensor gateway: broker and port follow into the host fields, and
// the seven other settings make up the login string; a template fills the topics and
// messages, and the save sends it all with the network update, once every box holds what a
// device stores.
class MqttController : public QObject {
    Q_OBJECT
public:
    MqttController(MainForm& form, SaveController& save);

    void INP_MQTT_SERVER_Change();
    void INP_MQTT_PORT_Change();
    // The change handler of INP_MQTT_TOPIC, _MSG, _DEVICEID, _USER, _PSW, _TOPIC_CONNECT
    // and _MSG_CONNECT: rebuilds the login string from all seven.
    void rebuildLogin();
    void SW_MQTT_CFG_TEMPLATE_Click();
    void B_SAVE_CFG_MQTT_Click();

private:
    MqttItems items() const;
    // The characters the login box holds.
    size_t loginRoom() const;
    // Every box storable and the items within the login box; a refusal is told to the user.
    bool savable();

    MainForm& form_;
    SaveController& save_;
};

} // namespace linknode
