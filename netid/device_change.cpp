#include "netid/device_change.h"

#include "commands/device_datagrams.h"
#include "commands/login_text.h"
#include "commands/serial_codes.h"
#include "config/device_settings.h"
#include "config/option_text.h"
#include "config/time_zone.h"
#include "config/wiegand.h"
#include "core/latin1.h"
#include "core/text_fields.h"
#include "netid/save_checks.h"

#include <algorithm>

namespace linknode {

namespace {
    // A value the record reports that this device has no way to be sent: kept as it is, or the
    // change is refused.
    bool differs(const std::optional<std::string>& wanted, const std::string& reported)
    {
        return wanted && *wanted != reported;
    }
}

PlannedChange planChange(const std::string& record, const ConfigRequest& request,
    const std::vector<std::string>& otherRecords)
{
    PlannedChange plan;
    const bool gateway = isMqttGateway(record);
    const bool namesItems
        = std::ranges::any_of(request.mqttItems, [](const auto& item) { return item.has_value(); });
    if (namesItems || request.mqttServer || request.mqttPort) {
        if (!gateway)
            plan.problem = { Refusal::Value::Request,
                "this device is no MQTT gateway: it keeps no MQTT settings" };
        else if (namesItems && request.login)
            plan.problem = { Refusal::Value::Request,
                "the login and the MQTT settings both make the gateway's login: name one" };
        else if ((request.mqttServer && request.hostIp) || (request.mqttPort && request.hostPort))
            plan.problem = { Refusal::Value::Request,
                "the gateway's host is its MQTT broker: name it once" };
        if (plan.problem)
            return plan;
    }
    const std::optional<std::string>& hostIp
        = request.mqttServer ? request.mqttServer : request.hostIp;
    const std::optional<std::string>& hostPort
        = request.mqttPort ? request.mqttPort : request.hostPort;
    std::optional<std::string> login = request.login;
    if (namesItems) {
        MqttItems items = mqttItems(loginCaretForm(loginOf(record)));
        for (size_t i = 0; i < items.size(); ++i)
            items[i] = request.mqttItems[i].value_or(items[i]);
        // The MQTT frame's own check, on the items as its boxes would hold them.
        if ((plan.problem = mqttItemsProblem(items)))
            return plan;
        login = mqttLogin(items);
    }

    const DeviceSettings current = readSettings(record);
    NetworkConfig& config = plan.config = current.config;
    config.mac = request.mac;
    config.ip = request.ip.value_or(config.ip);
    config.mask = request.mask.value_or(config.mask);
    config.gateway = request.gateway.value_or(config.gateway);

    SerialSettings& serial = *config.serial;
    serial.baud = request.bauds.value_or(serial.baud);
    // The code is rebuilt only when parity or stop bits are named: a code the words do not
    // cover stays as the device reports it.
    if (request.parityCode)
        serial.parity = static_cast<quint8>(*request.parityCode);
    else if (request.parityBase || request.twoStopBits)
        serial.parity
            = static_cast<quint8>(parityCode(request.parityBase.value_or(serial.parity % 3),
                request.twoStopBits.value_or(serial.parity >= 3)));
    if (request.dataBitsCode)
        serial.dataBits = static_cast<quint8>(*request.dataBitsCode);

    if (!config.host) {
        const std::string options = recordField(record, FLD_OPTIONS);
        if (request.mode || differs(hostIp, recordField(record, FLD_HOST_IP))
            || differs(hostPort, recordField(record, FLD_HOST_PORT))
            || differs(request.options, options.empty() ? "0000" : options)) {
            plan.problem = { Refusal::Value::Mode,
                "this device has no socket mode: its mode, host and options cannot be changed" };
            return plan;
        }
    } else {
        HostSettings& host = *config.host;
        const bool usesNtp = timeZoneOf(trimBlanks(host.port)).has_value();
        // As the mode switch does when it turns to server: no host and no option on, unless
        // the same change names them.
        if (request.mode && *request.mode == 0 && host.socketMode != 0) {
            host.ip = serverModeHostIp;
            host.options = serverModeOptions;
        }
        if (request.mode)
            host.socketMode = static_cast<quint8>(*request.mode);
        host.ip = hostIp.value_or(host.ip);
        host.port = hostPort.value_or(host.port);
        host.options = request.options.value_or(host.options);
        // A clock that uses NTP (its port the time zone) is in server mode, as the view shows
        // it; a change naming client mode ends NTP, unless it names the zone too.
        if (usesNtp) {
            if (!request.mode)
                host.socketMode = 0;
            else if (*request.mode == 1 && !hostPort)
                host.port = plainHostPort;
        }
    }

    // The checks of SAVE CONFIGURATION, on the values that would be sent.
    if ((plan.problem = networkProblem(config))) {
        using Value = Refusal::Value;
        if (plan.problem.value == Value::Mask)
            plan.problem.text = "the mask " + config.mask + ": " + plan.problem.text;
        else if (plan.problem.value == Value::Address)
            plan.problem.text = "the device address " + plan.problem.text;
        return plan;
    }
    if (gateway && config.host && (hostIp || hostPort)
        && (plan.problem = mqttBrokerProblem(config.host->ip, config.host->port)))
        return plan;
    const std::string ip(trimBlanks(config.ip));
    if (const auto holder = doubleIpHolder(ip, request.mac, otherRecords)) {
        plan.problem = { Refusal::Value::DoubleAddress,
            "ERROR DOUBLE IP: " + ip + " (" + *holder + " has it)" };
        return plan;
    }
    for (const auto& [text, value] : { std::pair { &std::as_const(login), Refusal::Value::Login },
             std::pair { &request.wiegand, Refusal::Value::Wiegand } }) {
        if (!*text)
            continue;
        if (const auto bad = badCaretCode(**text)) {
            plan.problem = { value, "the caret code " + *bad + " names no byte" };
            return plan;
        }
    }

    plan.expected = reportedFields(config);
    if (request.wiegand) {
        const auto command = caretCommand(*request.wiegand);
        if (!command) {
            plan.problem = { Refusal::Value::Wiegand,
                "the Wiegand format \"" + *request.wiegand + "\" holds no caret codes (give 1 to "
                    + std::to_string(wiegandItems().size()) + " or ^6^^w1^^w2^^w3^)" };
            return plan;
        }
        const std::string expanded = expandCarets(*command);
        plan.wiegandDatagram = loginDatagram(expanded);
        if (const auto parameters = wiegandParameters(expanded))
            addReported(plan.expected, *parameters);
    }
    if (login) {
        const std::string expanded = expandCarets(*login);
        if ((plan.problem = loginLimitProblem(record, expanded))
            || (gateway && (plan.problem = gatewayLoginProblem(*login))))
            return plan;
        plan.loginDatagram = loginDatagram(expanded);
        addReportedLogin(plan.expected, expanded);
    }
    return plan;
}

Refusal networkProblem(const NetworkConfig& config)
{
    if (Refusal mask = maskProblem(config.mask))
        return mask;
    if (Refusal address = hostAddressProblem(config.ip, config.mask))
        return address;
    if (Refusal gateway = gatewayProblem(config.gateway, config.ip, config.mask))
        return gateway;
    if (config.host)
        return peerAddressProblem(config.host->ip);
    return {};
}

std::optional<std::string> doubleIpHolder(
    const std::string& ip, const MacBytes& mac, const std::vector<std::string>& records)
{
    // By the MAC's bytes: "000-080-..." is the device itself, not another one.
    for (const std::string& record : records)
        if (recordField(record, FLD_IP) == ip && recordMac(record) != mac)
            return recordField(record, FLD_MAC);
    return std::nullopt;
}

} // namespace linknode
