#include "netid/save_checks.h"

#include "core/text_fields.h"

#include <cstdint>

namespace linknode {

namespace {
    std::uint32_t value(const IPv4Octets& octets)
    {
        return std::uint32_t { octets[0] } << 24 | std::uint32_t { octets[1] } << 16
            | std::uint32_t { octets[2] } << 8 | std::uint32_t { octets[3] };
    }
}

bool maskAccepted(std::string_view mask)
{
    return maskProblem(mask).empty();
}

std::string maskProblem(std::string_view mask)
{
    const std::string octetRule = "Invalid mask, must be 0,128,192,224,240,248,252,254 or 255";
    for (int k = 0; k < 4; ++k) {
        const std::string part = GET_PAR(mask, k, ".");
        if (std::string_view(",0,128,192,224,240,248,252,254,255,").find("," + part + ",")
            == std::string_view::npos)
            return octetRule;
    }
    const auto octets = strictAddress(mask);
    if (!octets)
        return octetRule;
    const std::uint32_t bits = value(*octets);
    // Contiguous ones: the zeros after the last one, plus one, is a power of two.
    const std::uint32_t hostPart = ~bits;
    if ((hostPart & (hostPart + 1)) != 0)
        return "Invalid mask " + std::string(trimBlanks(mask))
            + ": the ones must be contiguous, from the left (255.255.255.0, not 255.255.0.255)";
    return {};
}

std::optional<IPv4Octets> strictAddress(std::string_view text)
{
    return parseIPv4(trimBlanks(text));
}

std::string hostAddressProblem(std::string_view address, std::string_view mask)
{
    const std::string shown(trimBlanks(address));
    const auto octets = strictAddress(address);
    if (!octets)
        return shown + " is not an address of four numbers 0 to 255";
    const std::uint32_t bits = value(*octets);
    if (octets->front() == 0 || octets->front() == 127)
        return shown + " is a reserved address (0.x.x.x, 127.x.x.x)";
    if (octets->front() >= 224)
        return shown + " is a multicast or broadcast address";
    const auto maskOctets = strictAddress(mask);
    if (!maskOctets || !maskAccepted(mask))
        return {};
    const std::uint32_t maskBits = value(*maskOctets);
    if ((bits & ~maskBits) == 0)
        return shown + " is the network address of its subnet";
    if ((bits | maskBits) == ~std::uint32_t {})
        return shown + " is the broadcast address of its subnet";
    return {};
}

RenamePlan renamePlan(std::string_view prefix, std::string_view mask, int devices)
{
    RenamePlan plan;
    const auto network = strictAddress(std::string(prefix) + "0");
    if (!prefix.ends_with('.') || !network) {
        plan.problem = { Refusal::Value::Address,
            "The address prefix must be three numbers 0 to 255, each followed by \".\" (for "
            "example 192.168.5.)." };
        return plan;
    }
    if (std::string problem = maskProblem(mask); !problem.empty()) {
        plan.problem = { Refusal::Value::Mask, std::move(problem) };
        return plan;
    }
    for (int i = 0; i < devices; ++i) {
        const std::string address = std::string(prefix) + std::to_string(110 + i);
        const std::string problem = hostAddressProblem(address, mask);
        if (!problem.empty()) {
            plan.addresses.clear();
            plan.problem = { Refusal::Value::Address,
                "The " + std::to_string(devices) + " listed devices would get "
                    + std::string(prefix) + "110 to " + std::string(prefix)
                    + std::to_string(110 + devices - 1) + ", but " + problem + " under the mask "
                    + std::string(trimBlanks(mask)) + ". Nothing was sent." };
            return plan;
        }
        plan.addresses.push_back(address);
    }
    return plan;
}

} // namespace linknode
