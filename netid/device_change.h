#pragma once

#include "config/device_record.h"
#include "config/device_settings.h"
#include "core/refusal.h"
#include "link/envelope.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A change of one device's configuration: the values named, the rest kept from its record,
// the window's rules and save checks applied, and the datagrams that carry it. The window's
// save and the command line's verbs both check by these rules.
namespace linknode {

using MqttItemChanges = std::array<std::optional<std::string>, std::tuple_size_v<MqttItems>>;

struct ConfigRequest {
    MacBytes mac {};
    std::optional<std::string> ip, mask, gateway, hostIp, hostPort, options, bauds;
    std::optional<int> mode; // 0 server, 1 client
    std::optional<int> parityBase; // 0 none, 1 even, 2 odd
    std::optional<bool> twoStopBits;
    std::optional<int> parityCode; // the code itself, as the window's selector keeps it
    std::optional<int> dataBitsCode;
    std::optional<std::string> login; // caret notation
    std::optional<std::string> wiegand; // caret codes, as parseWiegand gives them
    // The MQTT gateway's broker (its host fields) and its seven items (caret notation), as its
    // MQTT frame names them; items not named are kept from its login.
    std::optional<std::string> mqttServer, mqttPort;
    MqttItemChanges mqttItems;
};

struct PlannedChange {
    Refusal problem; // none: may be sent
    NetworkConfig config;
    std::optional<std::string> wiegandDatagram; // login-string command with the caret envelope
    std::optional<std::string> loginDatagram;
    // Record fields the device must report afterwards.
    std::vector<ReportedField> expected;
};

// `record` is the device's current record; `otherRecords` those of the devices found with
// it, for the duplicate-address check. MQTT settings are refused on any other device than the
// gateway, and on the gateway checked as its MQTT save checks them (mqttBrokerProblem,
// mqttItemsProblem); its broker is checked so whenever its host fields are named.
PlannedChange planChange(const std::string& record, const ConfigRequest& request,
    const std::vector<std::string>& otherRecords);

// What refuses the values a configuration would send: the mask (the rule it breaks), the
// device's address under it (why no device can take it), the gateway, the host address.
Refusal networkProblem(const NetworkConfig& config);

// The MAC of another device (by its bytes) among `records` that reports `ip`, if any.
std::optional<std::string> doubleIpHolder(
    const std::string& ip, const MacBytes& mac, const std::vector<std::string>& records);

} // namespace linknode
