#pragma once

#include <QByteArray>
#include <QJsonObject>

// What a sensor payload says, for those who read it in a program.
namespace linknode {

// The values of a JSON payload: "sensor", "temperature", "battery" and "rssi" as numbers
// where it has the keys of the Domoticz or SOTI Connect template; any other JSON object as
// it is, and another JSON value (an array, a number) as "value". Empty for a payload that is
// no JSON.
QJsonObject payloadFields(const QByteArray& payload);

} // namespace linknode
