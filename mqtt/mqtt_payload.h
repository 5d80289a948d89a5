#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// What a sensor payload says, to a person and to a program.
namespace linknode {

// The bytes of a payload or topic as text: UTF-8, each byte that belongs to no UTF-8
// character as "\xNN" (utf8WithEscapes).
QString mqttText(const QByteArray& bytes);

// The values of a JSON payload: "sensor", "temperature", "battery" and "rssi" as numbers
// where it has the keys of the Domoticz or SOTI Connect template; any other JSON object as
// it is, and another JSON value (an array, a number) as "value". Empty for a payload that is
// no JSON.
QJsonObject payloadFields(const QByteArray& payload);

} // namespace linknode
