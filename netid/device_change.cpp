#include "netid/device_change.h"

#include "commands/device_datagrams.h"
#include "commands/login_text.h"
#include "commands/serial_codes.h"
#include "config/option_text.h"
#include "config/wiegand.h"
#include "core/latin1.h"
#include "core/text_fields.h"
#include "netid/save_checks.h"

namespace linknode {

namespace {
    // What a login field reads as when the device stores `expanded` behind its prefix.
    std::string storedLogin(const std::string& expanded)
    {
        std::string stored = expanded;
        for (char& c : stored)
            if (c == ',')
                c = static_cast<char>(234);
        return stored;
    }
}

PlannedChange planChange(const std::string& record, const ConfigRequest& request,
    const std::vector<std::string>& otherRecords)
{
    PlannedChange plan;
    auto current = [&](RecordField f) { return recordField(record, f); };
    const bool hasMode = !current(FLD_MODE).empty();
    if (!hasMode && (request.mode || request.hostIp || request.hostPort || request.options)) {
        plan.problem = "this device has no socket mode: --mode, --host-ip and --host-port do "
                       "not apply";
        return plan;
    }
    NetworkConfig& config = plan.config;
    config.ip = request.ip.value_or(current(FLD_IP));
    config.mask = request.mask.value_or(current(FLD_MASK));
    config.gateway = request.gateway.value_or(current(FLD_GATE));
    config.mac = request.mac;

    const int parity = static_cast<int>(leadingNumber(current(FLD_PARITY)));
    const int parityCodeSent = parityCode(
        request.parityBase.value_or(parity % 3), request.twoStopBits.value_or(parity >= 3));
    config.serial = SerialSettings { .baud = request.bauds.value_or(current(FLD_BAUDS)),
        .parity = static_cast<quint8>(parityCodeSent),
        .dataBits = static_cast<quint8>(request.dataBitsCode.value_or(
            static_cast<int>(leadingNumber(current(FLD_DATABITS))))) };

    if (hasMode) {
        HostSettings host { .ip = current(FLD_HOST_IP),
            .port = current(FLD_HOST_PORT),
            .options = current(FLD_OPTIONS).empty() ? "0000" : current(FLD_OPTIONS),
            .socketMode = static_cast<quint8>(socketMode(current(FLD_MODE)) == 0 ? 0 : 1) };
        if (request.options)
            host.options = *request.options;
        if (request.mode) {
            host.socketMode = static_cast<quint8>(*request.mode);
            // As the mode switch does: a server has no host and no option on.
            if (*request.mode == 0) {
                host.ip = serverModeHostIp;
                host.options = serverModeOptions;
            }
        }
        if (request.hostIp)
            host.ip = *request.hostIp;
        if (request.hostPort)
            host.port = *request.hostPort;
        config.host = host;
    }

    // The checks of SAVE CONFIGURATION, on the values that would be sent.
    if (const ChangeProblem problem = networkProblem(config); problem) {
        using Value = ChangeProblem::Value;
        plan.problem = problem.value == Value::Mask
            ? "the mask " + config.mask + ": " + problem.text
            : problem.value == Value::Address ? "the device address " + problem.text
                                              : problem.text;
        return plan;
    }
    if (const auto holder = doubleIpHolder(config.ip, request.mac, otherRecords)) {
        plan.problem = "ERROR DOUBLE IP: " + config.ip + " (" + *holder + " has it)";
        return plan;
    }
    for (const auto& text : { request.login, request.wiegand }) {
        if (!text)
            continue;
        if (const auto bad = badCaretCode(*text)) {
            plan.problem = "the caret code " + *bad + " names no byte";
            return plan;
        }
    }

    plan.expected = { { FLD_IP, config.ip }, { FLD_MASK, config.mask },
        { FLD_GATE, config.gateway }, { FLD_BAUDS, config.serial->baud },
        { FLD_PARITY, std::to_string(config.serial->parity) },
        { FLD_DATABITS, std::to_string(config.serial->dataBits) } };
    if (config.host) {
        plan.expected.insert(plan.expected.end(),
            { { FLD_MODE, std::to_string(config.host->socketMode) },
                { FLD_HOST_IP, config.host->ip }, { FLD_HOST_PORT, config.host->port },
                { FLD_OPTIONS, config.host->options } });
    }
    if (request.wiegand) {
        const auto command = caretCommand(*request.wiegand);
        if (!command) {
            plan.problem = "the Wiegand format \"" + *request.wiegand
                + "\" holds no caret codes (give 1 to " + std::to_string(wiegandItems().size())
                + " or ^6^^w1^^w2^^w3^)";
            return plan;
        }
        const std::string expanded = EXPAND_CARETS(*command);
        plan.wiegandDatagram = loginDatagram(expanded);
        // 03 04 03, 06 w1 w2 w3, 03 04 03: the device reports w1 to w3 in fields 12 to 14.
        if (expanded.size() == 10 && expanded[3] == 6) {
            for (int i = 0; i < 3; ++i)
                plan.expected.push_back({ static_cast<RecordField>(FLD_WIEGAND1 + i),
                    std::to_string(
                        static_cast<unsigned char>(expanded[4 + static_cast<size_t>(i)])) });
        }
    }
    if (request.login) {
        const std::string expanded = EXPAND_CARETS(*request.login);
        if (const std::string size = loginSizeProblem(expanded); !size.empty()) {
            plan.problem = size;
            return plan;
        }
        plan.loginDatagram = loginDatagram(expanded);
        plan.expected.push_back(
            { FLD_LOGIN, std::string(trimBlanks("Tav" + storedLogin(expanded))) });
    }
    return plan;
}

ChangeProblem networkProblem(const NetworkConfig& config)
{
    using Value = ChangeProblem::Value;
    if (const std::string mask = maskProblem(config.mask); !mask.empty())
        return { Value::Mask, mask };
    if (const std::string address = hostAddressProblem(config.ip, config.mask); !address.empty())
        return { Value::Address, address };
    if (!strictAddress(config.gateway))
        return { Value::Gateway, "the gateway " + config.gateway + " is not an address" };
    if (config.host && !strictAddress(config.host->ip))
        return { Value::HostAddress, "the host address " + config.host->ip + " is not an address" };
    return {};
}

std::optional<std::string> doubleIpHolder(
    const std::string& ip, const MacBytes& mac, const std::vector<std::string>& records)
{
    // By the MAC's bytes: "000-080-..." is the device itself, not another one.
    for (const std::string& record : records)
        if (recordField(record, FLD_IP) == ip && strictMac(recordField(record, FLD_MAC)) != mac)
            return recordField(record, FLD_MAC);
    return std::nullopt;
}

} // namespace linknode
