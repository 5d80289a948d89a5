#include "mqtt/mqtt_controller.h"

#include "config/mqtt_login.h"
#include "config/view_state.h"
#include "core/latin1.h"
#include "form/main_form.h"
#include "widgets/focus_line_edit.h"

namespace linknode {

MqttController::MqttController(MainForm& form)
    : QObject(&form)
    , form_(form)
{
    connect(&form[INP_MQTT_SERVER], &FocusLineEdit::textChanged, this,
        &MqttController::INP_MQTT_SERVER_Change);
    connect(&form[INP_MQTT_PORT], &FocusLineEdit::textChanged, this,
        &MqttController::INP_MQTT_PORT_Change);
    for (const auto box : mqttItemBoxes)
        connect(&form[box], &FocusLineEdit::textChanged, this, &MqttController::rebuildLogin);
}

void MqttController::INP_MQTT_SERVER_Change()
{
    if (!viewBeingFilled(form_))
        form_[INP_HOST_IP].setText(form_[INP_MQTT_SERVER].text());
}

void MqttController::INP_MQTT_PORT_Change()
{
    if (!viewBeingFilled(form_))
        form_[INP_HOST_PORT].setText(form_[INP_MQTT_PORT].text());
}

void MqttController::rebuildLogin()
{
    if (viewBeingFilled(form_))
        return;
    MqttItems items;
    for (size_t i = 0; i < items.size(); ++i)
        items[i] = toBytes(form_[mqttItemBoxes[i]].text());
    form_[INP_LOGIN].setText(toText(mqttLogin(items)));
}

} // namespace linknode
