#pragma once

#include <QObject>

namespace linknode {

class MainForm;

// The MQTT boxes of the sensor gateway: broker and port follow into the host fields, and
// the seven other settings make up the login string.
class MqttController : public QObject {
    Q_OBJECT
public:
    explicit MqttController(MainForm& form);

    void INP_MQTT_SERVER_Change();
    void INP_MQTT_PORT_Change();
    // The change handler of INP_MQTT_TOPIC, _MSG, _DEVICEID, _USER, _PSW, _TOPIC_CONNECT
    // and _MSG_CONNECT: rebuilds the login string from all seven.
    void rebuildLogin();

private:
    MainForm& form_;
};

} // namespace linknode
