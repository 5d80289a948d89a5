#pragma once

#include "core/refusal.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The seven MQTT settings of the sensor gateway, kept in the login string.
namespace linknode {

// TOPIC, MSG, DEVICE ID, USER, PASSWORD, connect TOPIC, connect MSG.
using MqttItems = std::array<std::string, 7>;

// Each item followed by "^13^".
std::string mqttLogin(const MqttItems& items);

// Why the login of these items does not fit a login string of at most `room` characters:
// cut there, it would lose items and separators.
Refusal mqttLoginProblem(const MqttItems& items, size_t room);

// The items of a caret-form login: parts 0..6 of the text split at "^13^", blanks kept, ""
// when missing.
MqttItems mqttItems(std::string_view caretLogin);

} // namespace linknode
