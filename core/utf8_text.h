#pragma once

#include <string>
#include <string_view>

// MQTT carries its topics and names as UTF-8, and most payloads are UTF-8 too: the check a text
// must pass to be one, and how bytes that are not are shown. No Qt: the device model's checks
// use it on every platform.
namespace linknode {

// Whether `bytes` are UTF-8: each character in its shortest form, no surrogate, none past
// U+10FFFF.
bool isUtf8(std::string_view bytes);

// Whether a broker takes `bytes` as a topic or a name: UTF-8 without control characters
// (U+0000 to U+001F, U+007F to U+009F) and without noncharacters (U+FDD0 to U+FDEF, U+xFFFE,
// U+xFFFF). A broker drops a client that sends anything else.
bool isMqttText(std::string_view bytes);

// `bytes` read as UTF-8, as UTF-8, each byte that belongs to no UTF-8 character shown as
// "\xNN" (upper-case hexadecimal): "°C" sent in Latin-1 reads "\xB0C".
std::string utf8WithEscapes(std::string_view bytes);

} // namespace linknode
