#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace linknode {

using MacBytes = std::array<std::uint8_t, 6>;

// The limited broadcast: every device of the segment hears it, whatever its address.
inline constexpr std::string_view broadcastAddress = "255.255.255.255";

// The longest record kept from a reply. A real one is about 150 bytes, a gateway's MQTT login
// a few hundred more; a longer one is kept only this far, so no reply costs more memory.
constexpr std::size_t longestRecord = 4096;

// The record a reply carries, and whether it was cut at longestRecord.
struct ReplyRecord {
    std::string_view record;
    bool cut = false;
    bool operator==(const ReplyRecord&) const = default;
};

// A reply is at least 6 bytes that start FE FF or FD FF, of any length: a device whose login
// grew too long still answers and must stay reachable by its MAC. The record is what follows
// those two bytes, at most longestRecord of it. Anything else is not a reply.
std::optional<ReplyRecord> replyRecord(std::string_view datagram);

// Host server part of the configuration, sent only to devices with the socket-mode option.
struct HostSettings {
    std::string ip;
    std::string port; // decimal text
    std::string options; // the four option characters
    std::uint8_t socketMode = 0; // 0 server, 1 client
};

// Serial part of the configuration: baud rate as text, then the parity and data-bits codes.
struct SerialSettings {
    std::string baud;
    std::uint8_t parity = 0;
    std::uint8_t dataBits = 0;
};

struct NetworkConfig {
    std::string ip;
    std::string mask;
    std::string gateway;
    std::optional<HostSettings> host {};
    MacBytes mac {};
    std::optional<SerialSettings> serial {};
};

// Network configuration command FE FF 01 for the device with `config.mac`; texts go without
// their leading and trailing blanks.
std::string networkConfigDatagram(const NetworkConfig& config);

// The configuration command with zero addresses and the zero MAC: every device answers it.
std::string enquiryDatagram();

// FE FF 02: terminals in terminal mode show their MAC and IP address.
std::string showMacDatagram();

// 01 FF FF "A" FA: every terminal goes to terminal mode.
std::string terminalModeDatagram();

// 01 FF FF "A" 02 FB "FD" 03: every terminal goes to boot mode.
std::string bootModeDatagram();

// Six numbers 0 to 255 joined by "-", not all zero (blanks around the whole allowed); none
// otherwise. Only such a text names a device.
std::optional<MacBytes> strictMac(std::string_view text);

// The device a record names: its first field (everything before the first comma) read by
// strictMac.
std::optional<MacBytes> recordMac(std::string_view record);

// The devices' own form: six decimal numbers joined by "-".
std::string macText(const MacBytes& mac);

// "0-80-194-1-2-3" -> its six bytes. A missing field, or one whose value is no byte, gives 0.
MacBytes macBytes(std::string_view macText);

} // namespace linknode
