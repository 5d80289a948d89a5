#include "fleet/device_values.h"

#include "config/wiegand.h"
#include "core/latin1.h"
#include "link/ipv4.h"
#include "netid/save_checks.h"

#include <QRegularExpression>
#include <QStringList>
#include <charconv>

namespace linknode {

std::optional<MacBytes> parseMac(const QString& text)
{
    if (!text.contains(u':'))
        return strictMac(toBytes(text));
    const QStringList parts = text.split(u':');
    if (parts.size() != 6)
        return std::nullopt;
    MacBytes mac {};
    bool anyNonZero = false;
    for (size_t i = 0; i < mac.size(); ++i) {
        const QString& part = parts[static_cast<qsizetype>(i)];
        bool ok = false;
        const uint value = part.toUInt(&ok, 16);
        if (!ok || part.size() != 2 || value > 255)
            return std::nullopt;
        mac[i] = static_cast<quint8>(value);
        anyNonZero = anyNonZero || value != 0;
    }
    if (!anyNonZero)
        return std::nullopt;
    return mac;
}

std::optional<std::string> parseAddress(const QString& text)
{
    const auto octets = strictAddress(toBytes(text));
    if (!octets || text.contains(u' '))
        return std::nullopt;
    return toBytes(toHostAddress(*octets).toString());
}

std::optional<std::string> parseDeviceAddress(const QString& text)
{
    const auto address = parseAddress(text);
    if (!address || hostAddressProblem(*address))
        return std::nullopt;
    return address;
}

std::optional<std::string> parseMask(const QString& text)
{
    const auto mask = parseAddress(text);
    if (!mask || !maskAccepted(*mask))
        return std::nullopt;
    return mask;
}

std::optional<std::string> parsePort(const QString& text)
{
    const std::string bytes = toBytes(text);
    unsigned port = 0;
    const auto [end, error] = std::from_chars(bytes.data(), bytes.data() + bytes.size(), port);
    if (error != std::errc() || end != bytes.data() + bytes.size() || port < 1 || port > 65535)
        return std::nullopt;
    return std::to_string(port);
}

std::optional<std::string> parseWiegand(const QString& text)
{
    const auto& items = wiegandItems();
    for (size_t i = 0; i < items.size(); ++i)
        if (text == QString::number(i + 1))
            return items[i].substr(0, items[i].find(' '));
    static const QRegularExpression form(QStringLiteral("^\\^6\\^(\\^(\\d{1,3})\\^){3}$"));
    if (!form.match(text).hasMatch())
        return std::nullopt;
    for (const QString& code : text.split(u'^', Qt::SkipEmptyParts))
        if (code.toInt() > 255)
            return std::nullopt;
    return toBytes(text);
}

std::optional<DeviceSelector> parseSelector(const QString& text)
{
    if (const auto mac = parseMac(text))
        return DeviceSelector { .mac = mac, .ip = std::nullopt };
    if (const auto ip = parseDeviceAddress(text))
        return DeviceSelector { .mac = std::nullopt, .ip = ip };
    return std::nullopt;
}

} // namespace linknode
