#pragma once

#include <optional>
#include <string>
#include <string_view>

// The texts that travel as login strings, in caret notation.
namespace linknode {

// The login followed by the workstation identifier framed by STX and ETX ("^2^" id "^3^")
// when the identifier, trimmed of blanks, is not empty.
std::string loginWithWorkstation(std::string_view login, std::string_view workstation);

// The caret codes of `text` (from its first caret to its last) in the command envelope
// "^3^^4^^3^" ... "^3^^4^^3^"; none when the text holds fewer than two carets.
std::optional<std::string> caretCommand(std::string_view text);

// The terminal number as the login carries it: the leading number with at least four digits,
// cut to four characters ("7" -> "0007", "12345" -> "1234", nothing numeric -> "0000").
std::string terminalNumber(std::string_view text);

// "TER:" + number + ":".
std::string terminalNumberLogin(std::string_view number);

// The caret code of a display mode named so (blanks around the name ignored); none for a
// placeholder or any other text.
std::optional<std::string> displayModeCode(std::string_view name);

} // namespace linknode
