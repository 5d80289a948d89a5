#pragma once

#include <string>
#include <string_view>

// The datagrams of the device actions, the login string and the countdown, byte for byte.
namespace linknode {

// FE FF 06 + the address text: the device with that address resets.
std::string resetDatagram(std::string_view ipText);

// 01 FF FF "T": announces the terminal frame that follows.
std::string terminalPrefixDatagram();

// The locate patterns: every terminal in terminal mode flashes its LED or beeps.
enum class Locate : unsigned char { LedFlash = 0xB3, Beep = 0x07 };

// 02, the pattern byte three times, C7, "36", the device count with at least three digits,
// the two-digit checksum over all of that, 03 03.
std::string locateDatagram(Locate pattern, int deviceCount);

// 02 ESC "[2J" 03: the terminal clears its screen.
std::string terminalClearDatagram();

// The countdown value as sent: the leading digits of the answer with at least four digits
// ("30" -> "0030", "12345" stays, nothing numeric -> "0000").
std::string countdownDigits(std::string_view answer);

// FE F8 08 02 "><ER" + digits + 03.
std::string countdownDatagram(std::string_view digits);

// FE FF 0B + the expanded login text.
std::string loginDatagram(std::string_view expandedLogin);

// A login that starts the countdown display mode (07 "<") asks for the countdown after it.
bool startsCountdown(std::string_view expandedLogin);

} // namespace linknode
