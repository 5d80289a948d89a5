#pragma once

#include "link/envelope.h"

#include <QString>
#include <optional>
#include <string>

// Values that name devices and their settings, as a user or a file writes them, checked
// before anything is sent.
namespace linknode {

// A MAC as the devices write it ("0-80-194-1-2-3") or in hexadecimal ("00:50:C2:01:02:03");
// none when malformed or all zero.
std::optional<MacBytes> parseMac(const QString& text);

// A dotted IPv4 address of four numbers 0 to 255, in its plain form ("010.0.0.1" -> "10.0.0.1").
std::optional<std::string> parseAddress(const QString& text);
// An address a device may take, its subnet aside (see hostAddressProblem).
std::optional<std::string> parseDeviceAddress(const QString& text);
// A subnet mask whose ones are contiguous.
std::optional<std::string> parseMask(const QString& text);
// A port 1 to 65535 as decimal text.
std::optional<std::string> parsePort(const QString& text);
// A Wiegand format: an item number 1 to 11 of the window's list, or caret codes of the form
// its items have, "^6^^a^^b^^c^" with each code 0 to 255. The caret codes; none otherwise.
std::optional<std::string> parseWiegand(const QString& text);

// A MAC or an address that names one device.
struct DeviceSelector {
    std::optional<MacBytes> mac;
    std::optional<std::string> ip;
};
std::optional<DeviceSelector> parseSelector(const QString& text);

} // namespace linknode
