#include "sim/presets.h"

#include "sim/address.h"

#include <algorithm>

namespace linknode::sim {

namespace {

    constexpr QByteArrayView hostAddress = "10.213.0.1";
    constexpr QByteArrayView syntheticMask = "255.255.0.0";
    constexpr quint32 syntheticHostBits = 0x0000FFFF;

    // What differs between the boards of the all-models fleet.
    struct Board {
        QByteArray version;
        QByteArray mode;
        QByteArray hostPort;
        QByteArray options;
        std::array<QByteArray, 3> wiegand;
        QByteArray login;
        QByteArray bauds = "9600";
        QByteArray parity = "0";
        QByteArray databits = "0";
        int fields = Device::fieldCount;
    };

    // The seven MQTT settings of the sensor gateway, each ended by CR; commas travel as 234.
    QByteArray mqttLogin()
    {
        const QByteArray items[]
            = { "domoticz/in", R"({"idx":%S00,"nvalue":0,"svalue":"%3","Battery":%B,"RSSI":%R})",
                  "GW-0001", "mqtt", "secret", "domoticz/in", R"({"status":"connected"})" };
        QByteArray login = "Tav";
        for (const QByteArray& item : items)
            login += QByteArray(item).replace(',', '\352') + '\r';
        return login;
    }

    // Octal escapes keep the bytes apart from the digits after them: \200 is 128, \270 is
    // 184, \352 is 234 (a comma inside the login).
    std::vector<Board> boards()
    {
        return {
            { "COPYRIGHT&TAVREN KEYRA 2.4F", "1", "2101", "0700", { "5", "16", "10" },
                "TavKEYRA\r" },
            { "COPYRIGHT*TAVREN PELIX 2.2F", "0", "23", "0800", { "1", "1", "1" }, "Tav", "57600",
                "1", "0" },
            { "COPYRIGHT>TAVREN BIOSCRYPT 2.4F", "1", "3001", "6709", { "8", "24", "2" },
                "Tav\002WS01\003" },
            { "COPYRIGHT<TAVREN QUILLMARK 2.4F", "1", "2101", "2000", { "98", "24", "8" }, "Tav",
                "19200", "2", "0" },
            { "COPYRIGHT/TAVREN CONDUIT V2 2.3A", "1", "2101", "2700", { "97", "24", "2" },
                "TavUSER\tPASS\r\n" },
            { "COPYRIGHT\\TAVREN CONDUIT V3 2.3W", "1", "2101V", "2780", { "5", "16", "10" },
                "Tav" },
            { "COPYRIGHT!TAVREN CONDUIT V4 2.4F", "1", "2101", "48\2709", { "5", "16", "21" },
                "TavA\rB\352C" },
            { "COPYRIGHTmTAVREN CONDUIT MODBUS 2.4F", "0", "502", "00M0", { "99", "99", "2" },
                "Tav", "9600", "1", "0" },
            { "COPYRIGHTtTAVREN ROTAGATE 2.4F", "1", "2101", "0000", { "7", "20", "16" }, "Tav",
                "38400", "3", "1" },
            { "COPYRIGHT#TAVREN QD PANORAMA 2.4F", "1", "00105", "0000", { "1", "1", "1" }, "Tav" },
            { "COPYRIGHT^TAVREN QD-71R 2.4F", "1", "00002", "0000", { "1", "1", "1" }, "Tav",
                "4800", "4", "0" },
            { "COPYRIGHT+TAVREN KRT-40 2.3F", "1", "23", "0780", { "5", "16", "10" },
                "TavLOGIN\tUSER\35201\r" },
            { "COPYRIGHToTAVREN KRT-40 V6 2.4F", "1", "2101", "07\2000", { "16", "64", "0" },
                "Tav" },
            { "COPYRIGHTxTAVREN KRT-40 CLOUD 2.4F", "1", "23", "0000", { "5", "16", "10" },
                "TavTER:0042\r" },
            { "COPYRIGHTqTAVREN CONDUIT-IP MQTT 2.4F", "1", "1883", "00N0", { "1", "1", "1" },
                mqttLogin() },
            // Old firmware without the mode option.
            { "COPYRIGHT+TAVREN KRT-40 1.2B", "", "23", "0000", {}, "Tav", "57600" },
            // The earliest firmware: no version, record ends after the identity.
            { "(C) TAVREN INC.", "", "", "", {}, "", "9600", "0", "0", 8 },
            { "COPYRIGHToTAVRENk KRT-40 V6 2.4F", "1", "2101", "0700", { "5", "16", "10" }, "Tav" },
            { "COPYRIGHT!TAVREN ZEPHYR-POD 2.4F", "1", "2101", "20N0", { "5", "16", "10" }, "Tav" },
            // No signature, conduit mode on.
            { "KRT-40 2.2E", "1", "2101", "2700", {}, "Tav" },
        };
    }

} // namespace

std::vector<Device> allModelsFleet()
{
    std::vector<Device> fleet;
    int host = 11;
    for (Board& board : boards()) {
        const QByteArray suffix = QByteArray::number(host++);
        fleet.push_back(Device { .mac = "0-80-194-10-0-" + suffix,
            .ip = "10.213.0." + suffix,
            .mask = "255.255.255.0",
            .gateway = hostAddress.toByteArray(),
            .bauds = std::move(board.bauds),
            .parity = std::move(board.parity),
            .databits = std::move(board.databits),
            .version = std::move(board.version),
            .mode = std::move(board.mode),
            .hostIp = hostAddress.toByteArray(),
            .hostPort = std::move(board.hostPort),
            .options = std::move(board.options),
            .wiegand = std::move(board.wiegand),
            .login = std::move(board.login),
            .fields = board.fields });
    }
    return fleet;
}

std::vector<Device> syntheticFleet(int count)
{
    count = std::clamp(count, 0, syntheticLimit);
    std::vector<Device> fleet;
    fleet.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int n = i + 1;
        const int slot = i + 10;
        fleet.push_back(Device { .mac = "0-80-194-" + QByteArray::number((n >> 16) & 255) + '-'
                + QByteArray::number((n >> 8) & 255) + '-' + QByteArray::number(n & 255),
            .ip
            = "10.213." + QByteArray::number(slot / 254) + '.' + QByteArray::number(slot % 254 + 1),
            .mask = syntheticMask.toByteArray(),
            .gateway = hostAddress.toByteArray(),
            .bauds = "9600",
            .parity = "0",
            .databits = "0",
            .version = "COPYRIGHT+TAVREN KRT-40 2.4F",
            .mode = "1",
            .hostIp = hostAddress.toByteArray(),
            .hostPort = "23",
            .options = "0000",
            .wiegand = { "5", "16", "10" },
            .login = "Tav" });
    }
    return fleet;
}

std::optional<QString> refuseSharedAddress(QByteArrayView address)
{
    const QString text = QString::fromLatin1(address);
    const auto ip = parseIpv4(address);
    if (!ip)
        return QStringLiteral("\"%1\" is not a dotted address").arg(text);
    if (*ip >> 24 == 0 || *ip >= 0xE0000000u)
        return QStringLiteral("%1 is no device's address (0.x.x.x, multicast or above)").arg(text);
    const quint32 host = *ip & syntheticHostBits;
    if (host == 0 || host == syntheticHostBits)
        return QStringLiteral("%1 is the network or broadcast address of its subnet %2/%3")
            .arg(text, QString::fromLatin1(formatIpv4(*ip & ~syntheticHostBits)),
                QString::fromLatin1(syntheticMask));
    return std::nullopt;
}

std::vector<Device> sharedAddressFleet(int count, QByteArrayView address)
{
    std::vector<Device> fleet = syntheticFleet(count);
    const quint32 ip = parseIpv4(address).value_or(0);
    const quint32 network = ip & ~syntheticHostBits;
    // Written as a device writes it: "010.1.2.3" is 10.1.2.3 here, but octal 8.1.2.3 to `ip`.
    const QByteArray shared = formatIpv4(ip);
    const QByteArray gateway = formatIpv4(ip == network + 1 ? network + 2 : network + 1);
    for (Device& device : fleet) {
        device.ip = shared;
        device.gateway = gateway;
        device.hostIp = gateway;
    }
    return fleet;
}

} // namespace linknode::sim
