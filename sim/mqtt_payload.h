#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

// The texts a simulated sensor gateway publishes: its topic and message templates with the
// placeholders replaced by the gateway's facts and one sensor's reading.
namespace linknode::sim {

// What one simulated sensor reports at one moment.
struct SensorReading {
    int sensor = 1; // from 1
    int temperatureTenths = 0; // degrees Celsius times ten
    int rssiDb = 0; // negative
    int rssiLevel = 0; // 0..10
    int batteryCentivolts = 0;
    int batteryPercent = 0; // 1..100
};

// A reading that depends only on the sensor and the time: 20.0 degrees plus the sensor
// number plus a half-degree wave over a minute; radio and battery weaker the higher the
// sensor number.
SensorReading sensorReading(int sensor, double seconds);

// What a gateway tells about itself.
struct GatewayFacts {
    int number = 1; // its position in the fleet, from 1
    QByteArray macHex; // 12 upper-case hex digits
    QByteArray firmware; // the version its record shows, "2.4F"
};

// `text` with every placeholder it knows replaced; those of a sensor only with a reading (a
// connect message has none). An unknown "%x", a "%S" without two digits and a "%" at the
// end stay as they are.
QByteArray fillPlaceholders(
    QByteArrayView text, const GatewayFacts& gateway, const std::optional<SensorReading>& reading);

} // namespace linknode::sim
