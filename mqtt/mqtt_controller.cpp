#include "mqtt/mqtt_controller.h"

#include "config/device_settings.h"
#include "config/mqtt_login.h"
#include "config/view_state.h"
#include "core/latin1.h"
#include "form/main_form.h"
#include "mqtt/mqtt_templates.h"
#include "netid/save_checks.h"
#include "netid/save_controller.h"
#include "widgets/focus_line_edit.h"

namespace linknode {

MqttController::MqttController(MainForm& form, SaveController& save)
    : QObject(&form)
    , form_(form)
    , save_(save)
{
    connect(&form[INP_MQTT_SERVER], &FocusLineEdit::textChanged, this,
        &MqttController::INP_MQTT_SERVER_Change);
    connect(&form[INP_MQTT_PORT], &FocusLineEdit::textChanged, this,
        &MqttController::INP_MQTT_PORT_Change);
    for (const auto box : mqttItemBoxes)
        connect(&form[box], &FocusLineEdit::textChanged, this, &MqttController::rebuildLogin);
    connect(&form[SW_MQTT_CFG_TEMPLATE], &QComboBox::activated, this,
        &MqttController::SW_MQTT_CFG_TEMPLATE_Click);
    connect(&form[B_SAVE_CFG_MQTT], &QPushButton::clicked, this,
        &MqttController::B_SAVE_CFG_MQTT_Click);
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

MqttItems MqttController::items() const
{
    MqttItems items;
    for (size_t i = 0; i < items.size(); ++i)
        items[i] = toBytes(form_[mqttItemBoxes[i]].text());
    return items;
}

size_t MqttController::loginRoom() const
{
    return static_cast<size_t>(form_[INP_LOGIN].maxLength());
}

void MqttController::rebuildLogin()
{
    if (viewBeingFilled(form_))
        return;
    // Cut to the box's length it would lose items and separators: the box keeps its text and
    // the save refuses.
    const MqttItems boxes = items();
    if (!mqttLoginProblem(boxes, loginRoom()))
        form_[INP_LOGIN].setText(toText(mqttLogin(boxes)));
}

void MqttController::SW_MQTT_CFG_TEMPLATE_Click()
{
    if (const auto chosen = mqttTemplate(toBytes(form_[SW_MQTT_CFG_TEMPLATE].currentText()))) {
        form_[INP_MQTT_TOPIC].setText(toText(chosen->topic));
        form_[INP_MQTT_MSG].setText(toText(chosen->message));
        form_[INP_MQTT_TOPIC_CONNECT].setText(toText(chosen->connectTopic));
        form_[INP_MQTT_MSG_CONNECT].setText(toText(chosen->connectMessage));
    }
    rebuildLogin();
}

bool MqttController::savable()
{
    const std::pair<Control<FocusLineEdit>, const char*> boxes[] = {
        { INP_MQTT_SERVER, "The MQTT server" },
        { INP_MQTT_PORT, "The MQTT port" },
        { INP_MQTT_TOPIC, "The topic" },
        { INP_MQTT_MSG, "The message" },
        { INP_MQTT_DEVICEID, "The device ID" },
        { INP_MQTT_USER, "The MQTT user" },
        { INP_MQTT_PSW, "The MQTT password" },
        { INP_MQTT_TOPIC_CONNECT, "The connect topic" },
        { INP_MQTT_MSG_CONNECT, "The connect message" },
    };
    for (const auto& [box, what] : boxes) {
        if (const auto unstorable = unstorableCharacter(form_[box].text()))
            return save_.refuse(unstorableText(QString::fromLatin1(what), *unstorable)
                    + QStringLiteral(". Nothing was sent."),
                &form_[box]);
    }
    // The checks every change of the gateway's MQTT settings passes, the command line's too.
    const auto refused = [this](const Refusal& problem, QWidget* box) {
        QString text = toText(problem.text);
        text[0] = text[0].toUpper();
        return save_.refuse(text + QStringLiteral(". Nothing was sent."), box);
    };
    if (const Refusal item = mqttItemsProblem(items()))
        return refused(item, &form_[mqttItemBoxes[item.item]]);
    if (const Refusal broker = mqttBrokerProblem(
            toBytes(form_[INP_MQTT_SERVER].text()), toBytes(form_[INP_MQTT_PORT].text())))
        return refused(broker,
            broker.value == Refusal::Value::HostAddress ? &form_[INP_MQTT_SERVER]
                                                        : &form_[INP_MQTT_PORT]);
    const Refusal problem = mqttLoginProblem(items(), loginRoom());
    return !problem
        || save_.refuse(QStringLiteral("The MQTT settings are too long: %1. Nothing was sent.")
                            .arg(toText(problem.text)),
            nullptr);
}

void MqttController::B_SAVE_CFG_MQTT_Click()
{
    if (!savable())
        return;
    auto& button = form_[B_SAVE_CFG_MQTT];
    button.setEnabled(false);
    save_.B_UPDATE_Click();
    button.setEnabled(true);
}

} // namespace linknode
