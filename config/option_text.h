#pragma once

#include <string>
#include <string_view>

// The four option characters of field 11 as the option switches edit them.
namespace linknode {

// Server mode: the device opens no connection, so it has no host and no option on.
inline constexpr std::string_view serverModeHostIp = "0.0.0.0";
inline constexpr std::string_view serverModeOptions = "0000";
// The host port the tool writes where no other is given: NTP turned off, RENAME IP.
inline constexpr std::string_view plainHostPort = "23";

// Character `position` (1..4) replaced by `c`; a text shorter than four characters becomes
// a fresh one with "0" everywhere else ("" with position 1 and '2' gives "2000"). Other
// positions leave the text as it is.
std::string withOptionCharacter(std::string_view options, int position, char c);

// The timeout switch keeps the first three characters and sets the fourth ("9" on, "0" off);
// a shorter text is filled up with "0" ("" -> "0009"), characters after the fourth dropped.
std::string withTimeoutCharacter(std::string_view options, bool on);

// Character 3 for the auto-boot and AUX RS-232 switches: "0", "8", byte 128 or byte 184.
char autoBootCharacter(bool autoBoot, bool auxPort);

// The auto-boot handler: "00" + c + "0" when the text is shorter than four characters,
// else the third character replaced.
std::string withAutoBootCharacter(std::string_view options, char c);

// RESERVED as a person reads and types it: each control byte, 128 for the AUX port among them,
// in caret form ("07^128^0"), and a caret the device sent as "^94^", so that optionsTyped
// gives back the very bytes.
std::string optionsShown(std::string_view options);
// The option characters of RESERVED's text: its caret pairs expanded.
std::string optionsTyped(std::string_view shown);

} // namespace linknode
