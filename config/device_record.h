#pragma once

#include "core/text_fields.h"

#include <string>
#include <string_view>

// Reading a device record: one line of comma-separated fields as the device sent it.
namespace linknode {

enum RecordField {
    FLD_MAC = 0,
    FLD_IP,
    FLD_MASK,
    FLD_GATE,
    FLD_BAUDS,
    FLD_PARITY,
    FLD_DATABITS,
    FLD_VERSION,
    FLD_MODE,
    FLD_HOST_IP,
    FLD_HOST_PORT,
    FLD_OPTIONS,
    FLD_WIEGAND1,
    FLD_WIEGAND2,
    FLD_WIEGAND3,
    FLD_LOGIN,
};

// Field `field` of `record`, trimmed; "" when the record stops earlier.
std::string recordField(std::string_view record, RecordField field);

// The firmware version: the last four characters of field 7 ("2.4F"), its number N (the
// digits in order: 24), its letter (the last character) and VERSION_CODE. "INC." (the
// earliest firmware) and texts too short for VERSION_CODE have code 0.
struct FirmwareVersion {
    std::string text;
    int number = 0;
    unsigned char letter = 0;
    int code = 0;
    bool earliest = false; // "INC."
};
FirmwareVersion firmwareVersion(std::string_view record);

// '0-80-194-1-2-3' -> '00-50-C2-01-02-03': each "-" part as two upper-case hex digits. Always
// six parts: missing or negative ones give "00", values above 255 keep all their digits.
std::string macHex(std::string_view mac);

// "^6^^w1^^w2^^w3^" from fields 12 to 14; "" unless all three are non-empty.
std::string wiegandCode(std::string_view record);

// Field 15 in caret form: CR -> "^13^", LF -> "^10^", TAB -> "^9^", byte 234 -> ",".
std::string loginCaretForm(std::string_view rawLogin);

// A login that ends with a workstation identifier framed by STX and ETX ("A^2^WS01^3^", the
// way the login string is sent with one) as the login before it and the identifier; the
// whole login and "" when it has none that would be sent back the same.
struct LoginParts {
    std::string login;
    std::string workstation;
};
LoginParts splitWorkstation(std::string_view caretLogin);

// What the login box shows for a caret-form login L: "" for exactly three characters, L
// without a leading "Tav", else L as it is (shorter texts too).
std::string shownLogin(std::string_view caretLogin);

// Socket mode of field 8: its numeric value, 0 when not numeric or above 1 (a negative value
// stays and, like 1, means CLIENT).
int socketMode(std::string_view modeField);

} // namespace linknode
