#include "link/ipv4_octets.h"

namespace linknode {

std::optional<IPv4Octets> parseIPv4(std::string_view text)
{
    IPv4Octets octets {};
    size_t i = 0;
    for (size_t n = 0; n < octets.size(); ++n) {
        if (n > 0) {
            if (i >= text.size() || text[i] != '.')
                return std::nullopt;
            ++i;
        }
        int value = 0;
        size_t digits = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 4; ++i, ++digits)
            value = value * 10 + (text[i] - '0');
        if (digits == 0 || digits > 3 || value > 255)
            return std::nullopt;
        octets[n] = static_cast<std::uint8_t>(value);
    }
    if (i != text.size())
        return std::nullopt;
    return octets;
}

} // namespace linknode
