#include "config/device_settings.h"

#include "config/model_identity.h"
#include "core/text_fields.h"
#include "core/utf8_text.h"

#include <algorithm>

namespace linknode {

namespace {
    constexpr std::string_view makerPrefix = "Tav";
    constexpr std::string_view caretEnvelope = "\x03\x04\x03";
    constexpr char wiegandOpener = 6;
    // The MQTT items in login order as a person names them.
    constexpr const char* mqttItemNames[] = { "the topic", "the message", "the device ID",
        "the MQTT user", "the MQTT password", "the connect topic", "the connect message" };
    // A comma would split the record, so the device keeps it as this byte.
    constexpr char storedComma = static_cast<char>(234);

    std::uint8_t code(std::string_view field)
    {
        return static_cast<std::uint8_t>(std::clamp<long long>(leadingNumber(field), 0, 255));
    }

    bool allDigits(std::string_view text)
    {
        return !text.empty()
            && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    }
}

std::string loginOf(std::string_view record)
{
    // Untrimmed: a blank at the end of a login (or of an MQTT password) is the device's. The
    // login box's rules: three characters are an empty login, the maker's prefix is no part.
    const std::string login = RW_PAR(record, ",", FLD_LOGIN + 1);
    if (loginCaretForm(login).size() == makerPrefix.size())
        return {};
    return login.starts_with(makerPrefix) ? login.substr(makerPrefix.size()) : login;
}

DeviceSettings readSettings(std::string_view record)
{
    const auto field = [&](RecordField f) { return recordField(record, f); };
    DeviceSettings settings;
    NetworkConfig& config = settings.config;
    config.ip = field(FLD_IP);
    config.mask = field(FLD_MASK);
    config.gateway = field(FLD_GATE);
    config.mac = macBytes(field(FLD_MAC));
    config.serial = SerialSettings { .baud = field(FLD_BAUDS),
        .parity = code(field(FLD_PARITY)),
        .dataBits = code(field(FLD_DATABITS)) };
    if (const std::string mode = field(FLD_MODE); !mode.empty()) {
        const std::string options = field(FLD_OPTIONS);
        config.host = HostSettings { .ip = field(FLD_HOST_IP),
            .port = field(FLD_HOST_PORT),
            .options = options.empty() ? "0000" : options,
            .socketMode = static_cast<std::uint8_t>(socketMode(mode) == 0 ? 0 : 1) };
    }
    const std::string w[] = { field(FLD_WIEGAND1), field(FLD_WIEGAND2), field(FLD_WIEGAND3) };
    if (std::none_of(std::begin(w), std::end(w), [](const std::string& p) { return p.empty(); }))
        settings.wiegand = WiegandParameters { code(w[0]), code(w[1]), code(w[2]) };
    settings.login = loginOf(record);
    return settings;
}

std::string wiegandCommand(const WiegandParameters& parameters)
{
    std::string command(caretEnvelope);
    command += wiegandOpener;
    for (const std::uint8_t p : parameters)
        command += static_cast<char>(p);
    command += caretEnvelope;
    return command;
}

std::optional<WiegandParameters> wiegandParameters(std::string_view expandedCommand)
{
    const std::string_view& c = expandedCommand;
    if (c.size() != 10 || !c.starts_with(caretEnvelope) || !c.ends_with(caretEnvelope)
        || c[3] != wiegandOpener)
        return std::nullopt;
    return WiegandParameters { static_cast<std::uint8_t>(c[4]), static_cast<std::uint8_t>(c[5]),
        static_cast<std::uint8_t>(c[6]) };
}

std::string storedLogin(std::string_view expanded)
{
    std::string stored(makerPrefix);
    for (const char c : expanded)
        stored += c == ',' ? storedComma : c;
    return stored;
}

std::vector<ReportedField> reportedFields(const NetworkConfig& config)
{
    const auto trimmed = [](std::string_view text) { return std::string(trimBlanks(text)); };
    std::vector<ReportedField> fields { { FLD_IP, trimmed(config.ip) },
        { FLD_MASK, trimmed(config.mask) }, { FLD_GATE, trimmed(config.gateway) } };
    if (config.serial) {
        fields.insert(fields.end(),
            { { FLD_BAUDS, trimmed(config.serial->baud) },
                { FLD_PARITY, std::to_string(config.serial->parity) },
                { FLD_DATABITS, std::to_string(config.serial->dataBits) } });
    }
    if (config.host) {
        fields.insert(fields.end(),
            { { FLD_MODE, std::to_string(config.host->socketMode) },
                { FLD_HOST_IP, trimmed(config.host->ip) },
                { FLD_HOST_PORT, trimmed(config.host->port) },
                { FLD_OPTIONS, trimmed(config.host->options) } });
    }
    return fields;
}

void addReported(std::vector<ReportedField>& fields, const WiegandParameters& wiegand)
{
    for (int i = 0; i < 3; ++i)
        fields.push_back({ static_cast<RecordField>(FLD_WIEGAND1 + i),
            std::to_string(wiegand[static_cast<size_t>(i)]) });
}

void addReportedLogin(std::vector<ReportedField>& fields, std::string_view expandedLogin)
{
    fields.push_back({ FLD_LOGIN, std::string(trimBlanks(storedLogin(expandedLogin))) });
}

std::string reportedValue(std::string_view record, RecordField field)
{
    std::string reported = recordField(record, field);
    if (field == FLD_MODE && !reported.empty())
        return std::to_string(socketMode(reported) == 0 ? 0 : 1);
    if (field == FLD_PARITY || field == FLD_DATABITS)
        return std::to_string(leadingNumber(reported));
    return reported;
}

const char* fieldName(RecordField field)
{
    static constexpr const char* names[]
        = { "mac", "ip", "mask", "gateway", "bauds", "parity", "dataBits", "version", "mode",
              "hostIp", "hostPort", "options", "wiegand1", "wiegand2", "wiegand3", "login" };
    return names[field];
}

Refusal loginLimitProblem(std::string_view record, std::string_view expanded)
{
    // Field 15 is replaced; the rest of the record stays as it is.
    const size_t kept = RW_PAR(record, ",", FLD_LOGIN + 1).size();
    const size_t after
        = record.size() - std::min(kept, record.size()) + storedLogin(expanded).size();
    if (after <= longestRecord)
        return {};
    return { Refusal::Value::Login,
        "the login takes " + std::to_string(expanded.size())
            + " bytes: the device's record would grow to " + std::to_string(after)
            + " bytes, past the " + std::to_string(longestRecord)
            + " a reply may carry, and the device would vanish from every list" };
}

bool hasTenBaseTMark(std::string_view port)
{
    return port.ends_with('U') || port.ends_with('V');
}

std::optional<std::string> parseHostPort(std::string_view text)
{
    std::string_view digits = text;
    if (hasTenBaseTMark(digits))
        digits.remove_suffix(1);
    if (!allDigits(digits) || digits.size() > 5)
        return std::nullopt;
    // A text that starts "00" is no port but the NTP time zone: "00", a sign, two digits.
    if (digits.starts_with("00"))
        return digits.size() == 5 && (digits[2] == '0' || digits[2] == '1')
            ? std::optional(std::string(text))
            : std::nullopt;
    const long long port = leadingNumber(digits);
    if (port < 1 || port > 65535)
        return std::nullopt;
    return std::string(text);
}

Refusal mqttItemsProblem(const MqttItems& items)
{
    const auto refused = [](size_t item, const std::string& why) {
        return Refusal { Refusal::Value::MqttItem, std::string(mqttItemNames[item]) + why, item };
    };
    for (size_t i = 0; i < items.size(); ++i) {
        const std::string expanded = expandCarets(items[i]);
        if (expanded.find('\r') != std::string::npos)
            return refused(i,
                " holds a carriage return (^13^), which ends an item on the gateway: every item "
                "after it would shift");
    }
    for (const size_t topic : { size_t { 0 }, size_t { 5 } }) {
        const std::string& text = items[topic];
        if (text.empty())
            return refused(topic, " is empty");
        if (text.find_first_of("+#") != std::string::npos)
            return refused(topic,
                " \"" + text
                    + "\" holds a wildcard (+ or #), which a broker takes in no published topic");
    }
    // The gateway sends these bytes as they are, and a broker drops a client whose topic or
    // name is no UTF-8 text.
    for (const size_t text : { size_t { 0 }, size_t { 2 }, size_t { 3 }, size_t { 5 } }) {
        if (!isMqttText(expandCarets(items[text])))
            return refused(text,
                " \"" + items[text]
                    + "\" is no UTF-8 text without control characters, the only text MQTT "
                      "takes (a character past ASCII goes as its UTF-8 bytes in caret codes)");
    }
    return {};
}

bool isMqttGateway(std::string_view record)
{
    return identifyModel(record, firmwareVersion(record).code).rules & RuleMqttFill;
}

Refusal gatewayLoginProblem(std::string_view caretLogin)
{
    const std::string expanded = expandCarets(caretLogin);
    const auto ends = static_cast<size_t>(std::count(expanded.begin(), expanded.end(), '\r'));
    MqttItems items;
    if (ends != items.size() || !expanded.ends_with('\r'))
        return { Refusal::Value::Login,
            "the MQTT gateway's login is seven items, each ended by ^13^; this one has "
                + std::to_string(ends) + " ends of item"
                + (ends == items.size() ? ", and text after the last" : "") };
    for (size_t i = 0; i < items.size(); ++i)
        items[i] = RW_PAR(expanded, "\r", static_cast<int>(i) + 1);
    return mqttItemsProblem(items);
}

} // namespace linknode
