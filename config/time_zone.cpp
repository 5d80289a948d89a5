#include "config/time_zone.h"

#include "config/device_record.h"

namespace linknode {

std::string timeZonePort(std::string_view sign, std::string_view hoursText)
{
    // At least two digits after any minus sign: -5 gives "-05", 123 stays "123". Such hours
    // make a port text of another length, which the entry does not prevent.
    const long long value = leadingNumber(hoursText);
    const long long magnitude = value < 0 ? -value : value; // never below -LLONG_MAX
    const std::string hours = (value < 0 ? "-" : "") + std::string(magnitude < 10 ? "0" : "")
        + std::to_string(magnitude);
    return std::string("00") + (sign == "+" ? '0' : '1') + hours;
}

std::optional<TimeZone> timeZoneOf(std::string_view hostPort)
{
    if (!hostPort.starts_with("00"))
        return std::nullopt;
    // Only "1" is written for minus; a missing sign digit reads as plus, missing hours as 0.
    const bool minus = hostPort.size() > 2 && hostPort[2] == '1';
    const std::string_view hours = hostPort.size() > 3 ? hostPort.substr(3) : std::string_view {};
    return TimeZone { minus ? "-" : "+", std::to_string(leadingNumber(hours)) };
}

} // namespace linknode
