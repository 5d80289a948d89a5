#include "netid/host_update.h"

#include "core/text_fields.h"

#include <algorithm>
#include <charconv>

namespace linknode {

std::string hostUpdateDatagram(std::string_view serverIp, std::string_view port, std::uint8_t mode)
{
    return std::string("\xFE\xFF\x03", 3) + std::string(trimBlanks(serverIp)) + '\x0D'
        + std::string(trimBlanks(port)) + '\x0E' + static_cast<char>(mode);
}

bool hostPortAccepted(std::string_view port)
{
    std::string_view digits = trimBlanks(port);
    if (digits.ends_with('U') || digits.ends_with('V'))
        digits.remove_suffix(1);
    if (digits.empty() || digits.size() > 5
        || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    // "00", a sign digit and the hours: a zone, "00000" (UTC) too.
    if (digits.starts_with("00"))
        return true;
    unsigned number = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return number >= 1 && number <= 65535;
}

} // namespace linknode
