#include "mqtt/mqtt_controller.h"

#include "config/mqtt_login.h"
#include "config/view_state.h"
#include "core/latin1.h"
#include "form/main_form.h"
#include "widgets/focus_line_edit.h"

namespace linknode {

namespace {
    // In login-string order.
    const char* const itemBoxes[] = { "INP_MQTT_TOPIC", "INP_MQTT_MSG", "INP_MQTT_DEVICEID",
        "INP_MQTT_USER", "INP_MQTT_PSW", "INP_MQTT_TOPIC_CONNECT", "INP_MQTT_MSG_CONNECT" };
}

MqttController::MqttController(MainForm& form)
    : QObject(&form)
    , form_(form)
{
    connect(&form.get<FocusLineEdit>("INP_MQTT_SERVER"), &FocusLineEdit::textChanged, this,
        &MqttController::INP_MQTT_SERVER_Change);
    connect(&form.get<FocusLineEdit>("INP_MQTT_PORT"), &FocusLineEdit::textChanged, this,
        &MqttController::INP_MQTT_PORT_Change);
    for (const char* box : itemBoxes)
        connect(&form.get<FocusLineEdit>(box), &FocusLineEdit::textChanged, this,
            &MqttController::rebuildLogin);
}

void MqttController::INP_MQTT_SERVER_Change()
{
    if (!viewBeingFilled(form_))
        form_.get<FocusLineEdit>("INP_HOST_IP")
            .setText(form_.get<FocusLineEdit>("INP_MQTT_SERVER").text());
}

void MqttController::INP_MQTT_PORT_Change()
{
    if (!viewBeingFilled(form_))
        form_.get<FocusLineEdit>("INP_HOST_PORT")
            .setText(form_.get<FocusLineEdit>("INP_MQTT_PORT").text());
}

void MqttController::rebuildLogin()
{
    if (viewBeingFilled(form_))
        return;
    MqttItems items;
    for (size_t i = 0; i < items.size(); ++i)
        items[i] = toBytes(form_.get<FocusLineEdit>(itemBoxes[i]).text());
    form_.get<FocusLineEdit>("INP_LOGIN").setText(toText(mqttLogin(items)));
}

} // namespace linknode
