#include "commands/login_text.h"

#include "core/text_fields.h"

#include <algorithm>
#include <array>
#include <utility>

namespace linknode {

std::string loginWithWorkstation(std::string_view login, std::string_view workstation)
{
    const std::string_view id = trimBlanks(workstation);
    if (id.empty())
        return std::string(login);
    return std::string(login) + "^2^" + std::string(id) + "^3^";
}

std::optional<std::string> caretCommand(std::string_view text)
{
    const size_t first = text.find('^');
    const size_t last = text.rfind('^');
    // A lone caret closes no code: nothing to send.
    if (first == std::string_view::npos || first == last)
        return std::nullopt;
    const std::string envelope = "^3^^4^^3^";
    return envelope + std::string(text.substr(first, last - first + 1)) + envelope;
}

std::string terminalNumber(std::string_view text)
{
    // A sign names no terminal.
    std::string digits = std::to_string(std::max(leadingNumber(text), 0LL));
    if (digits.size() < 4)
        digits.insert(0, 4 - digits.size(), '0');
    return digits.substr(0, 4);
}

std::string terminalNumberLogin(std::string_view number)
{
    return "TER:" + std::string(number) + ":";
}

std::optional<std::string> displayModeCode(std::string_view name)
{
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 8> modes { {
        { "Clock Mode (Red)", "^7^^25^" },
        { "Clock Mode (Green)", "^7^^35^" },
        { "Clock Mode (Flash)", "^7^^34^" },
        { "String Mode", "^7^^27^" },
        { "Temperature Mode", "^7^^50^" },
        { "Show Version Mode", "^7^^99^" },
        { "Countdown on TTL IN", "^7^^60^" },
        { "Counter on TTL IN 1 Reset TTL IN 2", "^7^^61^" },
    } };
    const std::string_view trimmed = trimBlanks(name);
    for (const auto& [mode, code] : modes)
        if (mode == trimmed)
            return std::string(code);
    return std::nullopt;
}

} // namespace linknode
