#include "netid/host_update.h"

#include "core/text_fields.h"

namespace linknode {

std::string hostUpdateDatagram(std::string_view serverIp, std::string_view port, std::uint8_t mode)
{
    return std::string("\xFE\xFF\x03", 3) + std::string(trimBlanks(serverIp)) + '\x0D'
        + std::string(trimBlanks(port)) + '\x0E' + static_cast<char>(mode);
}

} // namespace linknode
