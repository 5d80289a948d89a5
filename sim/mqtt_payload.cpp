#include "sim/mqtt_payload.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace linknode::sim {

namespace {

    constexpr double wavePeriodSeconds = 60.0;

    bool isDigit(char c)
    {
        return c >= '0' && c <= '9';
    }

    // A fixed-point value with `decimals` digits after the point: 213 and 1 give "21.3".
    QByteArray fixedPoint(int scaled, int decimals)
    {
        const int scale = decimals == 1 ? 10 : 100;
        const int magnitude = std::abs(scaled);
        return (scaled < 0 ? "-" : "") + QByteArray::number(magnitude / scale) + '.'
            + QByteArray::number(magnitude % scale).rightJustified(decimals, '0');
    }

    std::optional<QByteArray> gatewayValue(char code, const GatewayFacts& gateway)
    {
        switch (code) {
        case '1':
            return QByteArray::number(gateway.number);
        case 'M':
            return gateway.macHex;
        case '6':
            return gateway.firmware;
        default:
            return std::nullopt;
        }
    }

    std::optional<QByteArray> sensorValue(char code, const SensorReading& reading)
    {
        switch (code) {
        case '2':
            return QByteArray::number(reading.sensor, 16).toUpper().rightJustified(2, '0');
        case '3':
            return fixedPoint(reading.temperatureTenths, 1);
        case '4':
            return QByteArray::number(reading.rssiDb);
        case 'R':
            return QByteArray::number(reading.rssiLevel);
        case '5':
            return fixedPoint(reading.batteryCentivolts, 2);
        case 'B':
            return QByteArray::number(reading.batteryPercent);
        default:
            return std::nullopt;
        }
    }

} // namespace

SensorReading sensorReading(int sensor, double seconds)
{
    const double wave = std::sin(2 * std::numbers::pi * seconds / wavePeriodSeconds);
    const int rssiDb = -40 - (7 * (sensor - 1)) % 50;
    const int batteryPercent = 100 - (3 * (sensor - 1)) % 90;
    return SensorReading { .sensor = sensor,
        .temperatureTenths = 200 + 10 * sensor + static_cast<int>(std::lround(5 * wave)),
        .rssiDb = rssiDb,
        .rssiLevel = std::clamp((rssiDb + 100) / 6, 0, 10),
        .batteryCentivolts = 240 + 60 * batteryPercent / 100,
        .batteryPercent = batteryPercent };
}

QByteArray fillPlaceholders(
    QByteArrayView text, const GatewayFacts& gateway, const std::optional<SensorReading>& reading)
{
    QByteArray filled;
    filled.reserve(text.size() + 32);
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] != '%' || i + 1 == text.size()) {
            filled += text[i++];
            continue;
        }
        const char code = text[i + 1];
        if (const auto gatewayText = gatewayValue(code, gateway)) {
            filled += *gatewayText;
            i += 2;
        } else if (!reading) {
            filled += text[i++];
        } else if (code == 'S' && i + 3 < text.size() && isDigit(text[i + 2])
            && isDigit(text[i + 3])) {
            const int offset = (text[i + 2] - '0') * 10 + (text[i + 3] - '0');
            filled += QByteArray::number(reading->sensor + offset);
            i += 4;
        } else if (const auto sensorText = sensorValue(code, *reading)) {
            filled += *sensorText;
            i += 2;
        } else {
            filled += text[i++];
        }
    }
    return filled;
}

} // namespace linknode::sim
