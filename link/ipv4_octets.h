#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace linknode {

using IPv4Octets = std::array<std::uint8_t, 4>;

// Strict dotted IPv4: four fields of 1 to 3 decimal digits, each at most 255 ("010" is 10).
// Blanks are not allowed anywhere; callers trim first. An octet above 255 is rejected, never
// wrapped to another address.
std::optional<IPv4Octets> parseIPv4(std::string_view text);

} // namespace linknode
