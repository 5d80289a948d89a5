#include "sim/fleet_file.h"

#include "core/file_reader.h"
#include "sim/address.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace linknode::sim {

namespace {

    // Reads a text value as bytes; a code point above 255 names no byte.
    bool readBytes(const QJsonValue& value, QByteArray* out, QString* error)
    {
        if (!value.isString()) {
            *error = QStringLiteral("is not a string");
            return false;
        }
        const QString text = value.toString();
        if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 255; })) {
            *error = QStringLiteral("has a character above \\u00ff");
            return false;
        }
        *out = text.toLatin1();
        return true;
    }

    bool readDevice(const QJsonObject& object, Device* device, QString* error)
    {
        const std::pair<QString, QByteArray*> texts[] = {
            { QStringLiteral("mac"), &device->mac },
            { QStringLiteral("ip"), &device->ip },
            { QStringLiteral("mask"), &device->mask },
            { QStringLiteral("gateway"), &device->gateway },
            { QStringLiteral("bauds"), &device->bauds },
            { QStringLiteral("parity"), &device->parity },
            { QStringLiteral("databits"), &device->databits },
            { QStringLiteral("version"), &device->version },
            { QStringLiteral("mode"), &device->mode },
            { QStringLiteral("hostIp"), &device->hostIp },
            { QStringLiteral("hostPort"), &device->hostPort },
            { QStringLiteral("options"), &device->options },
            { QStringLiteral("login"), &device->login },
        };
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QString key = it.key();
            const auto text = std::find_if(std::begin(texts), std::end(texts),
                [&key](const auto& entry) { return entry.first == key; });
            QString why;
            if (text != std::end(texts)) {
                if (!readBytes(it.value(), text->second, &why)) {
                    *error = u'"' + key + QStringLiteral("\" ") + why;
                    return false;
                }
            } else if (key == u"wiegand") {
                const QJsonArray values = it.value().toArray();
                if (!it.value().isArray() || values.size() != 3) {
                    *error = QStringLiteral("\"wiegand\" is not an array of three texts");
                    return false;
                }
                for (qsizetype i = 0; i < 3; ++i)
                    if (!readBytes(values[i], &device->wiegand[static_cast<size_t>(i)], &why)) {
                        *error = QStringLiteral("\"wiegand\" item ") + why;
                        return false;
                    }
            } else if (key == u"fields") {
                const int fields = it.value().toInt(0);
                if (fields < 1 || fields > Device::fieldCount) {
                    *error = QStringLiteral("\"fields\" is not a number 1 to 16");
                    return false;
                }
                device->fields = fields;
            } else if (key == u"silent" || key == u"ignoresConfig") {
                if (!it.value().isBool()) {
                    *error = u'"' + key + QStringLiteral("\" is not true or false");
                    return false;
                }
                (key == u"silent" ? device->silent : device->ignoresConfig) = it.value().toBool();
            } else {
                *error = QStringLiteral("unknown key \"") + key + u'"';
                return false;
            }
        }
        if (!parseMac(device->mac)) {
            *error = QStringLiteral("\"mac\" is not six numbers 0-255 joined by \"-\"");
            return false;
        }
        if (!parseIpv4(device->ip)) {
            *error = QStringLiteral("\"ip\" is not a dotted IPv4 address");
            return false;
        }
        return true;
    }

} // namespace

std::optional<std::vector<Device>> parseFleet(const QByteArray& json, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = parseError.errorString() + QStringLiteral(" at offset ")
            + QString::number(parseError.offset);
        return std::nullopt;
    }
    const QJsonValue devices = document.object().value(u"devices");
    if (!devices.isArray()) {
        *error = QStringLiteral("no \"devices\" array");
        return std::nullopt;
    }
    std::vector<Device> fleet;
    const QJsonArray array = devices.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        Device device;
        QString why;
        if (!array[i].isObject() || !readDevice(array[i].toObject(), &device, &why)) {
            *error = QStringLiteral("device %1: ").arg(i)
                + (why.isEmpty() ? QStringLiteral("not an object") : why);
            return std::nullopt;
        }
        fleet.push_back(std::move(device));
    }
    return fleet;
}

std::optional<std::vector<Device>> readFleetFile(const QString& path, QString* error)
{
    QFile file(path);
    const auto text = readWholeFile(file, error);
    if (!text) {
        *error = path + QStringLiteral(": ") + *error;
        return std::nullopt;
    }
    auto fleet = parseFleet(*text, error);
    if (!fleet)
        *error = path + QStringLiteral(": ") + *error;
    return fleet;
}

} // namespace linknode::sim
