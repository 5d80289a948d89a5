#include "sim/gateway_settings.h"

#include "sim/address.h"

#include <array>

namespace linknode::sim {

namespace {

    constexpr QByteArrayView gatewaySignature = "COPYRIGHTqTAVREN";
    constexpr QByteArrayView loginPrefix = "Tav";
    constexpr char storedComma = '\xEA';
    constexpr int itemCount = 7;

    QByteArray macHex(const Device& device)
    {
        const auto mac = parseMac(device.mac);
        if (!mac)
            return {};
        QByteArray hex;
        for (const quint8 byte : *mac)
            hex += QByteArray::number(byte, 16).rightJustified(2, '0');
        return hex.toUpper();
    }

    // The login's items as the gateway stores them, each ended by CR; missing ones empty.
    std::array<QByteArray, itemCount> loginItems(const Device& device)
    {
        QByteArrayView login = device.login;
        if (login.startsWith(loginPrefix))
            login = login.sliced(loginPrefix.size());
        std::array<QByteArray, itemCount> items;
        for (QByteArray& item : items) {
            const qsizetype end = login.indexOf('\r');
            if (end < 0)
                break;
            item = login.first(end).toByteArray().replace(storedComma, ',');
            login = login.sliced(end + 1);
        }
        return items;
    }

    // A port as field 10 holds it, with the 10Base-T mark "U" or "V" after the digits. A
    // text starting with "00" is a time zone, not a port.
    std::optional<quint16> brokerPort(QByteArrayView text)
    {
        if (text.endsWith('U') || text.endsWith('V'))
            text.chop(1);
        if (text.isEmpty() || text.size() > 5 || text.startsWith('0'))
            return std::nullopt;
        int port = 0;
        for (const char c : text) {
            if (c < '0' || c > '9')
                return std::nullopt;
            port = port * 10 + (c - '0');
        }
        if (port > 65535)
            return std::nullopt;
        return static_cast<quint16>(port);
    }

    QString brokerProblem(const Device& device, bool loopbackOnly)
    {
        const QString host = QString::fromLatin1(device.hostIp);
        const auto address = parseIpv4(device.hostIp);
        if (!address)
            return QStringLiteral("broker \"%1\" is not a dotted address").arg(host);
        const quint32 top = *address >> 24;
        if (top == 0 || top >= 224)
            return QStringLiteral("broker %1 is no host address").arg(host);
        if (!brokerPort(device.hostPort))
            return QStringLiteral("port \"%1\" is no broker port")
                .arg(QString::fromLatin1(device.hostPort));
        if (loopbackOnly && top != 127)
            return QStringLiteral("broker %1 is off this host and the simulator listens on "
                                  "127.0.0.1 only (--bind 0.0.0.0, or a private network "
                                  "namespace, lets the gateways out)")
                .arg(host);
        return {};
    }

} // namespace

bool isMqttGateway(const Device& device)
{
    return device.version.contains(gatewaySignature);
}

std::optional<GatewaySettings> gatewaySettings(const Device& device, bool loopbackOnly)
{
    if (!isMqttGateway(device) || device.hostIp.isEmpty())
        return std::nullopt;
    const auto items = loginItems(device);
    return GatewaySettings { .broker = device.hostIp,
        .port = brokerPort(device.hostPort).value_or(0),
        .clientId = items[2].isEmpty() ? "gateway-" + macHex(device) : items[2],
        .user = items[3],
        .password = items[4],
        .topic = items[0],
        .message = items[1],
        .connectTopic = items[5],
        .connectMessage = items[6],
        .problem = brokerProblem(device, loopbackOnly) };
}

GatewayFacts gatewayFacts(const Device& device, int number)
{
    return GatewayFacts {
        .number = number, .macHex = macHex(device), .firmware = device.version.trimmed().right(4)
    };
}

} // namespace linknode::sim
