#include "config/mqtt_login.h"

#include "core/text_fields.h"

namespace linknode {

namespace {

    constexpr std::string_view itemEnd = "^13^";

} // namespace

std::string mqttLogin(const MqttItems& items)
{
    std::string login;
    for (const std::string& item : items) {
        login += item;
        login += itemEnd;
    }
    return login;
}

Refusal mqttLoginProblem(const MqttItems& items, size_t room)
{
    const size_t length = mqttLogin(items).size();
    if (length <= room)
        return {};
    return { Refusal::Value::Login,
        "the MQTT settings take " + std::to_string(length)
            + " characters in the login string, which holds " + std::to_string(room) };
}

MqttItems mqttItems(std::string_view caretLogin)
{
    // Untrimmed: the gateway uses a blank at either end of an item (a password "secret ") as
    // it stands, so the boxes show it and the next save sends it back.
    MqttItems items;
    for (size_t i = 0; i < items.size(); ++i)
        items[i] = RW_PAR(caretLogin, itemEnd, static_cast<int>(i) + 1);
    return items;
}

} // namespace linknode
