#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// Serial parity and data bits as the device codes them.
namespace linknode {

// The baud rates a device's serial port takes, as the window's list offers them.
inline constexpr std::array<const char*, 5> baudRates { "4800", "9600", "19200", "38400", "57600" };

// Parity code 0..5: base (None 0, Even 1, Odd 2) plus 3 with two stop bits.
// The word shown for a code: "None", "Even", "Odd"; codes 6..9 have none.
std::optional<std::string> parityWord(int code);
// "NONE"/"EVEN"/"ODD" in any case, trimmed -> 0/1/2.
std::optional<int> parityBase(std::string_view word);

// The code of a parity base with one or two stop bits: base, plus 3 with two.
int parityCode(int base, bool twoStopBits);

// Data-bits code 0 = 8 bits, 1 = 7 bits; any other code reads as 8 bits.
std::string dataBitsText(int code);
// The code of a number of data bits: 8 -> 0, 7 -> 1; none for any other number.
std::optional<int> dataBitsCode(long long bits);

} // namespace linknode
