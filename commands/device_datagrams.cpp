#include "commands/device_datagrams.h"

#include "core/text_fields.h"

#include <algorithm>
#include <cstdio>

namespace linknode {

namespace {
    constexpr std::string_view loginHeader("\xFE\xFF\x0B", 3);

    // At least `width` digits, zeros in front.
    std::string zeroPadded(long long value, int width)
    {
        std::string digits = std::to_string(value);
        if (static_cast<int>(digits.size()) < width)
            digits.insert(0, static_cast<size_t>(width) - digits.size(), '0');
        return digits;
    }
}

std::string resetDatagram(std::string_view ipText)
{
    return std::string("\xFE\xFF\x06", 3) + std::string(ipText);
}

std::string terminalPrefixDatagram()
{
    return std::string("\x01\xFF\xFF"
                       "T",
        4);
}

std::string locateDatagram(Locate pattern, int deviceCount)
{
    const char p = static_cast<char>(pattern);
    std::string frame = std::string("\x02", 1) + p + p + p + "\xC7" + "36"
        + zeroPadded(std::max(deviceCount, 0), 3);
    unsigned sum = 0;
    for (const char c : frame)
        sum += static_cast<unsigned char>(c);
    // The sum always needs three hex digits; the frame carries its last two.
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", sum);
    std::string checksum = hex;
    return frame + PADL(checksum, 2, "0") + "\x03\x03";
}

std::string terminalClearDatagram()
{
    return std::string("\x02\x1B[2J\x03", 6);
}

std::string countdownDigits(std::string_view answer)
{
    // Leading digits only: a sign names no countdown.
    return zeroPadded(std::max(leadingNumber(answer), 0LL), 4);
}

std::string countdownDatagram(std::string_view digits)
{
    return std::string("\xFE\xF8\x08\x02><ER", 8) + std::string(digits) + "\x03";
}

std::string loginDatagram(std::string_view expandedLogin)
{
    return std::string(loginHeader) + std::string(expandedLogin);
}

bool startsCountdown(std::string_view expandedLogin)
{
    return expandedLogin.starts_with("\x07<");
}

} // namespace linknode
