#include "sim/record_effects.h"

#include "sim/address.h"

#include <QJsonArray>
#include <algorithm>
#include <utility>

namespace linknode::sim {

namespace {

    QString text(const QByteArray& bytes)
    {
        return QString::fromLatin1(bytes);
    }

    // A comma would split the record, so the device keeps it as byte 234.
    constexpr char storedComma = '\xEA';

    constexpr quint8 displayModes[] = { 25, 35, 34, 27, 50, 99, 60, 61 };

    // A device without the mode option has no host group and no mode byte to take.
    bool hasModeOption(const Device& device)
    {
        return !device.mode.isEmpty();
    }

} // namespace

std::optional<QString> refuseNetworkConfig(const NetworkConfig& config)
{
    const std::pair<QString, const QByteArray*> addresses[] = {
        { QStringLiteral("ip"), &config.ip },
        { QStringLiteral("mask"), &config.mask },
        { QStringLiteral("gateway"), &config.gateway },
    };
    for (const auto& [name, value] : addresses)
        if (!parseIpv4(*value))
            return QStringLiteral("%1 \"%2\" is not a dotted address").arg(name, text(*value));
    return std::nullopt;
}

QJsonObject applyNetworkConfig(Device& device, const NetworkConfig& config)
{
    device.ip = config.ip;
    device.mask = config.mask;
    device.gateway = config.gateway;
    QJsonObject applied { { QStringLiteral("ip"), text(device.ip) },
        { QStringLiteral("mask"), text(device.mask) },
        { QStringLiteral("gateway"), text(device.gateway) } };
    if (config.host && hasModeOption(device)) {
        device.hostIp = config.host->ip;
        device.hostPort = config.host->port;
        device.options = config.host->options;
        applied.insert(u"hostIp", text(device.hostIp));
        applied.insert(u"hostPort", text(device.hostPort));
        applied.insert(u"options", text(device.options));
    }
    if (config.serial) {
        device.bauds = config.serial->bauds;
        device.parity = QByteArray::number(config.serial->parity);
        device.databits = QByteArray::number(config.serial->databits);
        applied.insert(u"bauds", text(device.bauds));
        applied.insert(u"parity", text(device.parity));
        applied.insert(u"databits", text(device.databits));
    }
    if (config.socketMode && hasModeOption(device)) {
        device.mode = QByteArray::number(*config.socketMode);
        applied.insert(u"mode", text(device.mode));
    }
    return applied;
}

QJsonObject applyHostUpdate(Device& device, const HostUpdate& host)
{
    device.hostIp = host.ip;
    device.hostPort = host.port;
    QJsonObject applied { { QStringLiteral("hostIp"), text(device.hostIp) },
        { QStringLiteral("hostPort"), text(device.hostPort) } };
    if (hasModeOption(device)) {
        device.mode = QByteArray::number(host.mode);
        applied.insert(u"mode", text(device.mode));
    }
    return applied;
}

std::optional<QString> refuseLogin(const Login& login)
{
    if (login.displayMode
        && std::find(std::begin(displayModes), std::end(displayModes), *login.displayMode)
            == std::end(displayModes))
        return QStringLiteral("no display mode %1").arg(*login.displayMode);
    if (login.wiegand || login.displayMode)
        return std::nullopt;
    if (login.body.startsWith("\x03\x04\x03"))
        return QStringLiteral("caret command other than 06 w1 w2 w3");
    if (login.body.startsWith('\x07'))
        return QStringLiteral("display mode command not 07 and one byte");
    return std::nullopt;
}

QJsonObject applyLogin(Device& device, const Login& login)
{
    QJsonObject applied;
    if (login.wiegand) {
        QJsonArray fields;
        for (size_t k = 0; k < device.wiegand.size(); ++k) {
            device.wiegand[k] = QByteArray::number((*login.wiegand)[k]);
            fields.append(text(device.wiegand[k]));
        }
        applied.insert(u"wiegand", fields);
    } else if (login.displayMode) {
        device.state.displayMode = login.displayMode;
        applied.insert(u"displayMode", *login.displayMode);
    } else {
        device.login = "Tav" + QByteArray(login.body).replace(',', storedComma);
        // A login without the suffix is one whose workstation identifier was emptied.
        device.state.workstation = login.workstation.value_or(QByteArray());
        applied.insert(u"login", text(device.login));
        applied.insert(u"workstation", text(device.state.workstation));
    }
    if (login.workstation) {
        device.state.workstation = *login.workstation;
        applied.insert(u"workstation", text(device.state.workstation));
    }
    return applied;
}

} // namespace linknode::sim
