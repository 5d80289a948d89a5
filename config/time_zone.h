#pragma once

#include <optional>
#include <string>
#include <string_view>

// The NTP time zone carried in the host-port field: "00" + sign digit + hours.
namespace linknode {

// "00" + ("0" for "+", "1" otherwise) + the hours' numeric value with at least two digits.
// Negative hours keep their sign ("-", "-5" -> "001-05"); 100 and more give a longer text.
std::string timeZonePort(std::string_view sign, std::string_view hoursText);

// The zone a host-port text carries when NTP is on ("00105" -> "-", "5"); nullopt when the
// text does not start with "00". Sign digit "1" is minus, anything else (or none) plus;
// missing hours read as "0" ("00" -> "+", "0").
struct TimeZone {
    std::string sign; // "+" or "-"
    std::string hours; // as a plain number, "5"
};
std::optional<TimeZone> timeZoneOf(std::string_view hostPort);

} // namespace linknode
