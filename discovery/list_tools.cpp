#include "discovery/list_tools.h"

#include "link/ipv4.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <tuple>

namespace linknode {

std::vector<int> orderByIp(
    const std::vector<std::string>& ips, const std::vector<std::string>& lines)
{
    std::vector<std::optional<IPv4Octets>> octets;
    octets.reserve(ips.size());
    for (const std::string& ip : ips)
        octets.push_back(parseIPv4(ip));
    std::vector<int> order(ips.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const auto& ipA = octets[static_cast<size_t>(a)];
        const auto& ipB = octets[static_cast<size_t>(b)];
        if (ipA.has_value() != ipB.has_value())
            return !ipA.has_value();
        if (ipA && *ipA != *ipB)
            return *ipA < *ipB;
        return lines[static_cast<size_t>(a)] < lines[static_cast<size_t>(b)];
    });
    return order;
}

std::string exportText(const std::vector<std::string>& lines)
{
    static constexpr std::string_view newLine = "\r\n";
    std::string text(newLine);
    for (const std::string& line : lines) {
        const size_t firstComma = line.find(',');
        const std::string_view mac = std::string_view(line).substr(0, firstComma);
        std::string_view ip;
        if (firstComma != std::string::npos) {
            const size_t secondComma = line.find(',', firstComma + 1);
            // A line with a single comma has no IP column.
            if (secondComma != std::string::npos)
                ip = std::string_view(line).substr(firstComma + 1, secondComma - firstComma - 1);
        }
        text.append(mac).append("   ").append(ip);
        if (ip.size() < 16)
            text.append(16 - ip.size(), ' ');
        text.append(" = _______________________________").append(newLine).append(newLine);
    }
    return text;
}

std::string padOptionCharacters(std::string_view text)
{
    const bool digits
        = std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits || text.size() >= 4)
        return std::string(text);
    return std::string(4 - text.size(), '0').append(text);
}

} // namespace linknode
