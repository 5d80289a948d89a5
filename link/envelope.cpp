#include "link/envelope.h"

#include "core/text_fields.h"

#include <charconv>

namespace linknode {

namespace {

    constexpr char CR = '\x0D';

    void appendText(std::string& datagram, std::string_view text)
    {
        datagram.append(trimBlanks(text));
        datagram.push_back(CR);
    }

    void appendByte(std::string& datagram, std::uint8_t byte)
    {
        datagram.push_back(static_cast<char>(byte));
    }

    // A number 0..255 of one to three digits.
    std::optional<int> octet(std::string_view text)
    {
        int number = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (text.empty() || text.size() > 3 || error != std::errc {}
            || end != text.data() + text.size() || number > 255)
            return std::nullopt;
        return number;
    }

} // namespace

std::optional<ReplyRecord> replyRecord(std::string_view datagram)
{
    if (datagram.size() < 6)
        return std::nullopt;
    if (datagram.substr(0, 2) != "\xFE\xFF" && datagram.substr(0, 2) != "\xFD\xFF")
        return std::nullopt;
    const std::string_view record = datagram.substr(2);
    return ReplyRecord { record.substr(0, longestRecord), record.size() > longestRecord };
}

std::string networkConfigDatagram(const NetworkConfig& config)
{
    std::string datagram = "\xFE\xFF\x01\xFF\x01";
    appendText(datagram, config.ip);
    appendText(datagram, config.mask);
    appendText(datagram, config.gateway);
    if (config.host) {
        appendText(datagram, config.host->ip);
        appendText(datagram, config.host->port);
        appendText(datagram, config.host->options);
    }
    appendByte(datagram, 0xFD);
    for (const std::uint8_t byte : config.mac)
        appendByte(datagram, byte);
    if (config.serial) {
        datagram.append(trimBlanks(config.serial->baud));
        appendByte(datagram, 0xFC);
        appendByte(datagram, config.serial->parity);
        appendByte(datagram, config.serial->dataBits);
    }
    if (config.host)
        appendByte(datagram, config.host->socketMode);
    return datagram;
}

std::string enquiryDatagram()
{
    return networkConfigDatagram({ .ip = "0.0.0.0", .mask = "0.0.0.0", .gateway = "0.0.0.0" });
}

std::string macText(const MacBytes& mac)
{
    std::string text;
    for (const auto byte : mac) {
        if (!text.empty())
            text += '-';
        text += std::to_string(byte);
    }
    return text;
}

MacBytes macBytes(std::string_view macText)
{
    MacBytes mac {};
    size_t start = 0;
    for (std::uint8_t& byte : mac) {
        if (start > macText.size())
            break;
        size_t end = macText.find('-', start);
        if (end == std::string_view::npos)
            end = macText.size();
        byte = byteCode(macText.substr(start, end - start)).value_or(0);
        start = end + 1;
    }
    return mac;
}

std::string showMacDatagram()
{
    return std::string("\xFE\xFF\x02", 3);
}

std::string terminalModeDatagram()
{
    return std::string("\x01\xFF\xFF"
                       "A"
                       "\xFA",
        5);
}

std::string bootModeDatagram()
{
    return std::string("\x01\xFF\xFF"
                       "A\x02\xFB"
                       "FD\x03",
        9);
}

std::optional<MacBytes> strictMac(std::string_view text)
{
    MacBytes mac {};
    const std::string_view trimmed = trimBlanks(text);
    size_t start = 0;
    for (size_t k = 0; k < mac.size(); ++k) {
        const size_t end = k + 1 < mac.size() ? trimmed.find('-', start) : trimmed.size();
        if (end == std::string_view::npos)
            return std::nullopt;
        const auto number = octet(trimmed.substr(start, end - start));
        if (!number)
            return std::nullopt;
        mac[k] = static_cast<std::uint8_t>(*number);
        start = end + 1;
    }
    if (mac == MacBytes {})
        return std::nullopt;
    return mac;
}

std::optional<MacBytes> recordMac(std::string_view record)
{
    return strictMac(record.substr(0, record.find(',')));
}

} // namespace linknode
