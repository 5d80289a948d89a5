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

std::string mqttLoginProblem(const MqttItems& items, size_t room)
{
    const size_t length = mqttLogin(items).size();
    if (length <= room)
        return {};
    return "the MQTT settings take " + std::to_string(length)
        + " characters in the login string, which holds " + std::to_string(room);
}

MqttItems mqttItems(std::string_view caretLogin)
{
    // The topic is part 0 like every other item, so a topic holding a lone "^" stays whole.
    MqttItems items;
    for (size_t i = 0; i < items.size(); ++i)
        items[i] = GET_PAR(caretLogin, static_cast<int>(i), itemEnd);
    return items;
}

} // namespace linknode
