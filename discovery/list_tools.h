#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace linknode {

// The order of the list sorted by IP address: by the four octets as numbers (10.0.0.2, then
// 10.0.0.10, then 10.0.1.1). Empty or malformed addresses come first; equal addresses keep
// the order of their whole lines. `ips[i]` is the address of line i, `lines[i]` its text.
std::vector<int> orderByIp(
    const std::vector<std::string>& ips, const std::vector<std::string>& lines);

// The MAC/IP export file: an empty line, then per list line the MAC column as shown, three
// blanks, the IP padded to 16, " = " and 31 underscores, each followed by an empty line.
// CR LF line ends.
std::string exportText(const std::vector<std::string>& lines);

// INP_NO when it loses the focus: an empty text or digits shorter than four get zeros in
// front; any other text (option letters, byte 184) stays as the device sent it.
std::string padOptionCharacters(std::string_view text);

} // namespace linknode
