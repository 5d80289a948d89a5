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
    return !maskProblem(mask);
}

Refusal maskProblem(std::string_view mask)
{
    const Refusal octetRule { Refusal::Value::Mask,
        "Invalid mask, must be 0,128,192,224,240,248,252,254 or 255" };
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
    if (bits == 0)
        return { Refusal::Value::Mask,
            "Invalid mask 0.0.0.0: it leaves the device no subnet (255.255.255.0, say)" };
    if ((hostPart & (hostPart + 1)) != 0)
        return { Refusal::Value::Mask,
            "Invalid mask " + std::string(trimBlanks(mask))
                + ": the ones must be contiguous, from the left (255.255.255.0, not "
                  "255.255.0.255)" };
    return {};
}

std::optional<IPv4Octets> strictAddress(std::string_view text)
{
    return parseIPv4(trimBlanks(text));
}

Refusal hostAddressProblem(std::string_view address, std::string_view mask)
{
    const auto refused = [shown = std::string(trimBlanks(address))](const char* why) {
        return Refusal { Refusal::Value::Address, shown + why };
    };
    const auto octets = strictAddress(address);
    if (!octets)
        return refused(" is not an address of four numbers 0 to 255");
    const std::uint32_t bits = value(*octets);
    if (octets->front() == 0 || octets->front() == 127)
        return refused(" is a reserved address (0.x.x.x, 127.x.x.x)");
    if (octets->front() >= 224)
        return refused(" is a multicast or broadcast address");
    const auto maskOctets = strictAddress(mask);
    if (!maskOctets || !maskAccepted(mask))
        return {};
    const std::uint32_t maskBits = value(*maskOctets);
    if ((bits & ~maskBits) == 0)
        return refused(" is the network address of its subnet");
    if ((bits | maskBits) == ~std::uint32_t {})
        return refused(" is the broadcast address of its subnet");
    return {};
}

Refusal mqttBrokerProblem(std::string_view server, std::string_view port)
{
    if (!strictAddress(server))
        return { Refusal::Value::HostAddress,
            "the MQTT server \"" + std::string(trimBlanks(server))
                + "\" is not an address of four numbers 0 to 255: the gateway takes no host "
                  "name" };
    std::string_view digits = port;
    if (digits.ends_with('U') || digits.ends_with('V'))
        digits.remove_suffix(1);
    const bool number = !digits.empty() && digits.size() <= 5
        && digits.find_first_not_of("0123456789") == std::string_view::npos;
    const long long value = number ? leadingNumber(digits) : 0;
    if (value < 1 || value > 65535)
        return { Refusal::Value::HostPort,
            "the MQTT port \"" + std::string(port)
                + "\" is no port 1 to 65535 (a U or V after it limits the gateway to "
                  "10Base-T)" };
    return {};
}

Refusal gatewayProblem(std::string_view gateway, std::string_view address, std::string_view mask)
{
    const std::string shown = "the gateway " + std::string(trimBlanks(gateway));
    const auto octets = strictAddress(gateway);
    if (!octets)
        return { Refusal::Value::Gateway, shown + " is not an address of four numbers 0 to 255" };
    if (value(*octets) == 0)
        return {};
    if (const Refusal unusable = hostAddressProblem(gateway, mask))
        return { Refusal::Value::Gateway, "the gateway " + unusable.text };
    const auto own = strictAddress(address);
    const auto maskOctets = strictAddress(mask);
    if (own && value(*octets) == value(*own))
        return { Refusal::Value::Gateway, shown + " is the device's own address" };
    if (own && maskOctets && ((value(*octets) ^ value(*own)) & value(*maskOctets)) != 0)
        return { Refusal::Value::Gateway,
            shown + " is outside the device's subnet (" + std::string(trimBlanks(address))
                + " under the mask " + std::string(trimBlanks(mask)) + ")" };
    return {};
}

Refusal peerAddressProblem(std::string_view address)
{
    const std::string shown = "the host address " + std::string(trimBlanks(address));
    const auto octets = strictAddress(address);
    if (!octets)
        return { Refusal::Value::HostAddress,
            shown + " is not an address of four numbers 0 to 255" };
    if (octets->front() >= 224 && octets->front() < 240)
        return { Refusal::Value::HostAddress, shown + " is a multicast address" };
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
    if ((plan.problem = maskProblem(mask)))
        return plan;
    for (int i = 0; i < devices; ++i) {
        const std::string address = std::string(prefix) + std::to_string(110 + i);
        if (const Refusal problem = hostAddressProblem(address, mask)) {
            plan.addresses.clear();
            plan.problem = { Refusal::Value::Address,
                "The " + std::to_string(devices) + " listed devices would get "
                    + std::string(prefix) + "110 to " + std::string(prefix)
                    + std::to_string(110 + devices - 1) + ", but " + problem.text
                    + " under the mask " + std::string(trimBlanks(mask)) + ". Nothing was sent." };
            return plan;
        }
        plan.addresses.push_back(address);
    }
    return plan;
}

} // namespace linknode
