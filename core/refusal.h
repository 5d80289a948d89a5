#pragma once

#include <cstddef>
#include <string>

namespace linknode {

// Why a request is refused before anything leaves, said once for the window and the command
// line: the value at fault, so the window can put the focus on its control, and the sentence
// that tells why (Latin-1, as the device's own texts). None (`value` None) lets it go on.
struct Refusal {
    enum class Value {
        None,
        Request, // the request as a whole
        Mask,
        Address,
        Gateway,
        HostAddress,
        HostPort,
        Mode, // mode, host or options on a device without the socket mode
        DoubleAddress, // another device reports the address
        Wiegand,
        Login,
        MqttItem, // one of the MQTT gateway's login items: `item`
    };
    Value value = Value::None;
    std::string text;
    size_t item = 0; // which one, where the value is one of several

    explicit operator bool() const { return value != Value::None; }
};

} // namespace linknode
