#pragma once

#include "config/device_record.h"
#include "config/mqtt_login.h"
#include "link/envelope.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Every value of a device the tool can write, read from its record as the device spells it,
// the datagrams that write it back, what the device reports once it took them, and the limits
// of what it can store. The window's save and every change of the command line go through it,
// so what the tool reads from a device it can write back unchanged.
namespace linknode {

using WiegandParameters = std::array<std::uint8_t, 3>;

struct DeviceSettings {
    // Addresses and serial codes; the host group only where the record has the socket mode.
    NetworkConfig config;
    std::optional<WiegandParameters> wiegand; // fields 12 to 14, when all three are there
    std::string login; // field 15 behind the maker's prefix, exactly as kept (blanks too)
};

// The settings `record` holds, spelt as it reports them ("00105", "2101V", option bytes 128
// or "M" stay); an empty option field reads as "0000". The MAC is the record's own.
DeviceSettings readSettings(std::string_view record);

// The login of `record` as readSettings reads it; loginCaretForm of it is what the login box
// shows.
std::string loginOf(std::string_view record);

// The login-string command's payload for a Wiegand format: 03 04 03, 06 w1 w2 w3, 03 04 03.
std::string wiegandCommand(const WiegandParameters& parameters);
// The three parameters a Wiegand command (as wiegandCommand makes it) sets; none for any
// other caret command.
std::optional<WiegandParameters> wiegandParameters(std::string_view expandedCommand);

// Field 15 as a device keeps a login sent as `expanded`: behind "Tav", commas as byte 234.
std::string storedLogin(std::string_view expanded);

// A field and the value a device reports in it, trimmed as recordField reads it.
using ReportedField = std::pair<RecordField, std::string>;
// What a device reports once it took `config`: its addresses, serial codes and, with the host
// group, the mode, host and options.
std::vector<ReportedField> reportedFields(const NetworkConfig& config);
// ... and once it took a Wiegand format and a login.
void addReported(std::vector<ReportedField>& fields, const WiegandParameters& wiegand);
void addReportedLogin(std::vector<ReportedField>& fields, std::string_view expandedLogin);

// What `record` reports in `field`, as `expected` holds it: the mode by what it selects, the
// serial codes by their number.
std::string reportedValue(std::string_view record, RecordField field);

// The name of a field in inventories and results ("hostPort").
const char* fieldName(RecordField field);

// Why a device holding `record` cannot keep `expanded` as its login ("" when it can): the
// record it then reports must stay within the longest reply the tool takes, or the device
// would vanish from every list (a login that fits it fits one datagram too).
Refusal loginLimitProblem(std::string_view record, std::string_view expanded);

// A "U" or "V" after a host port marks an Ethernet port limited to 10Base-T.
bool hasTenBaseTMark(std::string_view port);

// A host port as devices spell it: a port 1 to 65535 in up to five digits, or the NTP time
// zone "00", sign, hours ("00105"); then "U" or "V" for an Ethernet port limited to 10Base-T.
// The spelling is kept as given; none when it is not one.
std::optional<std::string> parseHostPort(std::string_view text);

// Why the MQTT gateway cannot take these items, and which item it is about: an item holding
// the byte that ends an item (CR, "^13^" in caret form), a topic that is empty or holds a
// wildcard ("+", "#": a broker takes none in a topic it is sent to), a topic, device ID or
// user that is no UTF-8 text without control characters (isMqttText). Items are in caret form.
Refusal mqttItemsProblem(const MqttItems& items);

// Whether `record` is the MQTT sensor gateway's: its login holds the seven MQTT items.
bool isMqttGateway(std::string_view record);
// Why a login in caret form is not seven MQTT items, each ended by "^13^", that the gateway
// can take ("" when it is): the checks of mqttItemsProblem on the items it holds.
Refusal gatewayLoginProblem(std::string_view caretLogin);

} // namespace linknode
