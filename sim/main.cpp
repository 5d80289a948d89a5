#include "core/standard_descriptors.h"
#include "sim/command.h"
#include "sim/fleet_file.h"
#include "sim/journal.h"
#include "sim/loopback_addresses.h"
#include "sim/network_namespace.h"
#include "sim/presets.h"
#include "sim/quit_on_signal.h"
#include "sim/simulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

using namespace linknode::sim;

namespace {

const QString description = QStringLiteral(R"(
Simulates a fleet of LinkNode devices on UDP. Every device the enquiry reaches answers with
FE FF and its record, sent to the asker's address at the reply port. Every datagram received
is journalled as one JSON line. A datagram to 255.255.255.255 (or a segment broadcast) reaches
every device (of that segment); one to a device's address reaches only that device.

Fleet file (--fleet):
  {"devices": [{"mac": "0-80-194-1-2-3", "ip": "10.213.0.11", "mask": "255.255.255.0",
    "gateway": "10.213.0.1", "bauds": "9600", "parity": "0", "databits": "0",
    "version": "COPYRIGHT+TAVREN KRT 2.4F", "mode": "1", "hostIp": "10.213.0.1",
    "hostPort": "2101", "options": "2780", "wiegand": ["5", "16", "10"],
    "login": "TavAB\r", "fields": 16, "silent": false, "ignoresConfig": false}]}
  mac and ip are required; other texts default to empty. Text code points 0..255 are the
  bytes ("\u00b8" is byte 184, "\u00ea" byte 234, "\r" CR). "fields" N sends only the first
  N record fields (8: old firmware ending after the version). A silent device never answers.
  A device with "ignoresConfig" (or named by --ignore-config) hears the network configuration
  command and keeps its record, as one that misses it would: the journal line has it under
  "skipped" ("ignores the configuration"); every other command it obeys.

Presets (--preset):
  all-models  one device of each model signature, then old-firmware, INC., encrypted,
              Zephyr-Pod and unsigned boards; 10.213.0.11 upwards on a /24
  synthetic   --count N plain KRT-40/NX V5 boards, 10.213.0.11 upwards on 10.213.0.0/16;
              with --same-address A all of them report A, as a factory-fresh site does
              (MACs still distinct, mask 255.255.0.0, gateway and host the first other host
              of A's subnet; an A that is no host address there is refused)

Commands are applied as a device would: a network configuration by the device whose MAC it
carries (its new values show in the next reply), host update, login string (plain login,
Wiegand envelope, display mode, workstation suffix), reset (the device is deaf for
--reset-pause seconds), countdown, terminal and boot mode, show MAC, LED flash, beep and
terminal clear (the frame only after 01 FF FF "T", locate frames with their checksum).
A network configuration that changes the record restarts the device: it is deaf for
--restart-seconds ("skipped": "restarting"), then answers at its new address. The same
configuration again (the tool repeats it) changes nothing, so it neither restarts the device
nor lengthens its silence.

Journal lines: {"t", "from", "to", "hex", "kind", decoded fields, "devices": [MACs]}; kinds
enquiry (with "replies", "dropped" and under --flood "flood"), network-config, show-mac,
host-update, reset, login (with "workstation"), countdown, terminal-mode, boot-mode,
terminal-prefix, terminal-frame (with "announced"), unknown (with "reason"). What the command
did: "applied" {the fields or state it set}, "skipped" {MAC: why that device ignored it},
"rejected" "why nothing changed". Also {"event": "send-failure"} lines and a closing
{"event": "stop"} line with the counts.

Faults: --drop and --jitter act on each reply, and --drop also loses a device's copy of a
network configuration (not taken, "skipped": "dropped": only a repetition brings it);
--silent lists devices that never answer;
--silent-on KIND makes a device that acts on a datagram of that kind (network-config,
reset, ...) fall silent for good right after: it still acts on that one ("applied" has
"fellSilent"), then ignores everything ("skipped": "fell silent"); --flood COUNT makes the
first device answer every enquiry that reaches it COUNT times more, from its address,
evenly over --flood-seconds, with no drop or jitter (a stuck sender);
--exit-after-enquiries N stops the simulator right after its Nth enquiry; replies not yet
sent are lost (for a restart: start it again).

Listening: inside a private network namespace (unshare -n) on every address, elsewhere on
127.0.0.1 only, so a simulator started by hand answers no one on the network; --bind ADDRESS
chooses (0.0.0.0 for every address).

Addresses (--manage-addresses, refused without the ip command or outside a private network
namespace): when a device takes a new address in one of the subnets the fleet starts in,
"ip addr add NEW/32 dev lo" runs and, once no device holds it, "ip addr del OLD/32 dev lo";
the journal line says so ("addressAdded", "addressRemoved", "addressError"). The address
moves as the configuration is taken, so it is in place when the device is back from its
restart. An address outside those subnets moves the device but not lo. Without the option
no address is touched. Add the start addresses with --list-addresses.

MQTT: each sensor gateway (identity "COPYRIGHTqTAVREN") with a broker address in its record
connects to that broker (field 9, port field 10) with the user and password of its login
items 4 and 5 and the device identifier of item 3 as client id ("gateway-" and its MAC in
hex when empty). Once connected it publishes the connect message (item 7) on the connect
topic (item 6), then every --mqtt-every seconds the sensor message (item 2) on the sensor
topic (item 1) for each of its --sensors sensors. Placeholders: %1 gateway number (position
in the fleet, from 1), %M MAC as 12 hex digits, %2 sensor number in hex (2 digits), %Sxx
sensor number plus xx in decimal, %3 temperature in degrees Celsius (one decimal), %4 RSSI
in dB, %R RSSI 0..10, %5 battery volts (two decimals), %B battery 1..100, %6 firmware
version; any other %x stays. A changed broker or login, a restart or a reset drops the
connection; the gateway connects again with its new settings once it is awake. A broker that
refuses or cannot be reached is tried again after 1 s, doubling to 30 s. Journal events:
"mqtt-connected", "mqtt-refused" and "mqtt-unreachable" (with "reason" and "retryIn"),
"mqtt-disconnected"; the closing line counts "published" and "publishFailed". While the
simulator listens on 127.0.0.1 only, a broker off this host is not contacted
("mqtt-unreachable" says so). A silent device publishes nothing.)");

struct Settings {
    std::vector<Device> fleet;
    SimulatorOptions simulator;
    QString journal;
    bool bindGiven = false; // otherwise the namespace chooses
    bool listAddresses = false;
    bool manageAddresses = false;
    double exitAfter = 0.0;
};

constexpr int sensorLimit = 64;

// Checks and converts the options; an error names the option.
std::optional<Settings> readSettings(const QCommandLineParser& parser, QString* error)
{
    Settings settings;
    bool ok = true;
    const auto number = [&](const QString& name, double low, double high) {
        bool valid = false;
        const double value = parser.value(name).toDouble(&valid);
        if (!valid || value < low || value > high) {
            *error = QStringLiteral("--%1 must be a number from %2 to %3")
                         .arg(name)
                         .arg(low)
                         .arg(high);
            ok = false;
        }
        return value;
    };
    settings.simulator.port = static_cast<quint16>(number(QStringLiteral("port"), 0, 65535));
    settings.simulator.replyPort
        = static_cast<quint16>(number(QStringLiteral("reply-port"), 1, 65535));
    settings.simulator.dropRate = number(QStringLiteral("drop"), 0, 1);
    settings.simulator.jitterMs = static_cast<int>(number(QStringLiteral("jitter"), 0, 60000));
    settings.simulator.seed = static_cast<quint32>(number(QStringLiteral("seed"), 0, 4294967295.0));
    settings.simulator.resetPause = number(QStringLiteral("reset-pause"), 0, 3600);
    settings.simulator.restartPause = number(QStringLiteral("restart-seconds"), 0, 60);
    settings.simulator.exitAfterEnquiries
        = static_cast<int>(number(QStringLiteral("exit-after-enquiries"), 0, 1e9));
    settings.simulator.floodCount = static_cast<int>(number(QStringLiteral("flood"), 0, 1e7));
    settings.simulator.floodSeconds = number(QStringLiteral("flood-seconds"), 0, 3600);
    settings.simulator.mqtt.enabled = !parser.isSet(QStringLiteral("mqtt-off"));
    settings.simulator.mqtt.everySeconds = number(QStringLiteral("mqtt-every"), 0.1, 3600);
    settings.simulator.mqtt.sensors
        = static_cast<int>(number(QStringLiteral("sensors"), 1, sensorLimit));
    if (parser.isSet(QStringLiteral("exit-after")))
        settings.exitAfter = number(QStringLiteral("exit-after"), 0.001, 86400.0 * 365);
    if (!ok)
        return std::nullopt;
    settings.bindGiven = parser.isSet(QStringLiteral("bind"));
    if (settings.bindGiven) {
        settings.simulator.bindAddress = QHostAddress(parser.value(QStringLiteral("bind")));
        if (settings.simulator.bindAddress.protocol() != QAbstractSocket::IPv4Protocol) {
            *error = QStringLiteral("--bind must be an IPv4 address");
            return std::nullopt;
        }
    }

    const QString preset = parser.value(QStringLiteral("preset"));
    const bool fromFile = parser.isSet(QStringLiteral("fleet"));
    if (fromFile == !preset.isEmpty()) {
        *error = QStringLiteral("give either --fleet FILE or --preset NAME");
        return std::nullopt;
    }
    const bool sameAddress = parser.isSet(QStringLiteral("same-address"));
    if (sameAddress && preset != u"synthetic") {
        *error = QStringLiteral("--same-address goes with --preset synthetic");
        return std::nullopt;
    }
    if (fromFile) {
        auto fleet = readFleetFile(parser.value(QStringLiteral("fleet")), error);
        if (!fleet)
            return std::nullopt;
        settings.fleet = std::move(*fleet);
    } else if (preset == u"all-models") {
        settings.fleet = allModelsFleet();
    } else if (preset == u"synthetic") {
        const int count = static_cast<int>(number(QStringLiteral("count"), 1, syntheticLimit));
        if (!ok)
            return std::nullopt;
        const QByteArray address = parser.value(QStringLiteral("same-address")).toLatin1();
        if (!sameAddress) {
            settings.fleet = syntheticFleet(count);
        } else if (const auto refused = refuseSharedAddress(address)) {
            *error = QStringLiteral("--same-address: ") + *refused;
            return std::nullopt;
        } else {
            settings.fleet = sharedAddressFleet(count, address);
        }
    } else {
        *error = QStringLiteral("unknown preset \"%1\"").arg(preset);
        return std::nullopt;
    }

    // Devices named by MAC in a comma list, marked as the option says.
    const auto mark = [&](const QString& option, bool Device::*flag) {
        const QStringList macs = parser.values(option).join(u',').split(u',', Qt::SkipEmptyParts);
        for (const QString& mac : macs) {
            bool found = false;
            for (Device& device : settings.fleet)
                if (device.mac == mac.trimmed().toLatin1()) {
                    device.*flag = true;
                    found = true;
                }
            if (!found) {
                *error = QStringLiteral("--%1: no device has the MAC %2").arg(option, mac);
                return false;
            }
        }
        return true;
    };
    if (!mark(QStringLiteral("silent"), &Device::silent)
        || !mark(QStringLiteral("ignore-config"), &Device::ignoresConfig))
        return std::nullopt;
    if (parser.isSet(QStringLiteral("silent-on"))) {
        const QString kind = parser.value(QStringLiteral("silent-on"));
        settings.simulator.fallSilentOn = kindNamed(kind);
        if (!settings.simulator.fallSilentOn) {
            *error = QStringLiteral("--silent-on: \"%1\" is no journal kind").arg(kind);
            return std::nullopt;
        }
    }
    settings.journal = parser.value(QStringLiteral("journal"));
    settings.listAddresses = parser.isSet(QStringLiteral("list-addresses"));
    settings.manageAddresses = parser.isSet(QStringLiteral("manage-addresses"));
    return settings;
}

// Each address once, in fleet order, for `ip addr add A/32 dev lo`.
void printAddresses(const std::vector<Device>& fleet)
{
    QTextStream out(stdout);
    QSet<QByteArray> seen;
    for (const Device& device : fleet)
        if (!seen.contains(device.ip)) {
            seen.insert(device.ip);
            out << QString::fromLatin1(device.ip) << '\n';
        }
}

} // namespace

int main(int argc, char** argv)
{
    linknode::fillClosedStandardDescriptors();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("linknode-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LINKNODE_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        { QStringLiteral("fleet"), QStringLiteral("Fleet from a JSON file (format above)."),
            QStringLiteral("FILE") },
        { QStringLiteral("preset"), QStringLiteral("Built-in fleet: all-models or synthetic."),
            QStringLiteral("NAME") },
        { QStringLiteral("count"), QStringLiteral("Devices of the synthetic preset (100)."),
            QStringLiteral("N"), QStringLiteral("100") },
        { QStringLiteral("same-address"),
            QStringLiteral("Every device of the synthetic preset reports this address, as on a "
                           "site of factory-fresh devices."),
            QStringLiteral("ADDRESS") },
        { QStringLiteral("port"), QStringLiteral("UDP port the devices listen on (1024)."),
            QStringLiteral("PORT"), QStringLiteral("1024") },
        { QStringLiteral("reply-port"), QStringLiteral("Port the replies go to (2024)."),
            QStringLiteral("PORT"), QStringLiteral("2024") },
        { QStringLiteral("bind"),
            QStringLiteral("Local address to listen on (every address, 0.0.0.0, inside a "
                           "private network namespace; elsewhere 127.0.0.1)."),
            QStringLiteral("ADDRESS") },
        { QStringLiteral("journal"), QStringLiteral("Journal file, \"-\" for standard output."),
            QStringLiteral("FILE") },
        { QStringLiteral("drop"),
            QStringLiteral("Probability 0..1 that a reply, or a device's copy of a network "
                           "configuration, is lost (0)."),
            QStringLiteral("RATE"), QStringLiteral("0") },
        { QStringLiteral("jitter"), QStringLiteral("Each reply is held back 0..MS ms (0)."),
            QStringLiteral("MS"), QStringLiteral("0") },
        { QStringLiteral("seed"), QStringLiteral("Seed of the drop and jitter draws (1)."),
            QStringLiteral("N"), QStringLiteral("1") },
        { QStringLiteral("silent"), QStringLiteral("Devices that never answer (comma list)."),
            QStringLiteral("MAC[,MAC...]") },
        { QStringLiteral("ignore-config"),
            QStringLiteral("Devices that ignore the network configuration command (comma "
                           "list)."),
            QStringLiteral("MAC[,MAC...]") },
        { QStringLiteral("list-addresses"),
            QStringLiteral("Print every device address, one a line, and exit.") },
        { QStringLiteral("reset-pause"),
            QStringLiteral("Seconds a reset device stays deaf, as it reboots (1)."),
            QStringLiteral("SECONDS"), QStringLiteral("1") },
        { QStringLiteral("restart-seconds"),
            QStringLiteral("Seconds a device that takes a changed network configuration stays "
                           "deaf, as it restarts (1; 0 to 60, 0: at once)."),
            QStringLiteral("SECONDS"), QStringLiteral("1") },
        { QStringLiteral("manage-addresses"),
            QStringLiteral("Move a device's address on lo when it takes a new one in the "
                           "fleet's subnets (refused outside a private network namespace).") },
        { QStringLiteral("silent-on"),
            QStringLiteral("A device falls silent for good once it has acted on a datagram "
                           "of this journal kind (network-config: in the middle of a save)."),
            QStringLiteral("KIND") },
        { QStringLiteral("flood"),
            QStringLiteral("The first device answers every enquiry COUNT times more, from its "
                           "address, spread over --flood-seconds (0)."),
            QStringLiteral("COUNT"), QStringLiteral("0") },
        { QStringLiteral("flood-seconds"), QStringLiteral("Seconds a flood is spread over (1)."),
            QStringLiteral("SECONDS"), QStringLiteral("1") },
        { QStringLiteral("mqtt-off"),
            QStringLiteral("The sensor gateways publish nothing (by default each one with a "
                           "broker address connects to it).") },
        { QStringLiteral("mqtt-every"),
            QStringLiteral("Seconds between two rounds of sensor messages of a gateway (5; "
                           "0.1 to 3600)."),
            QStringLiteral("SECONDS"), QStringLiteral("5") },
        { QStringLiteral("sensors"),
            QStringLiteral("Sensors of each gateway, one message each a round (4; 1 to 64)."),
            QStringLiteral("N"), QStringLiteral("4") },
        { QStringLiteral("exit-after"), QStringLiteral("Stop after this many seconds."),
            QStringLiteral("SECONDS") },
        { QStringLiteral("exit-after-enquiries"),
            QStringLiteral("Stop right after taking the Nth enquiry, as at a power cut: "
                           "replies not yet sent are lost (0: never)."),
            QStringLiteral("N"), QStringLiteral("0") },
    });
    parser.process(app);

    QTextStream err(stderr);
    QString error;
    auto settings = readSettings(parser, &error);
    if (!settings) {
        err << "linknode-sim: " << error << '\n';
        return 2;
    }
    if (settings->listAddresses) {
        printAddresses(settings->fleet);
        return 0;
    }
    // Told before any socket is made, not at the first address a device takes.
    if (settings->manageAddresses
        && QStandardPaths::findExecutable(QStringLiteral("ip")).isEmpty()) {
        err << "linknode-sim: --manage-addresses needs the ip command (iproute2), and there is "
               "none on PATH\n";
        return 2;
    }
    // Decided before any socket is made: outside a private namespace the host's own
    // addresses are at stake.
    const NamespaceVerdict where = judgeNamespace(readNamespaceFacts());
    if (settings->manageAddresses && !where.isPrivate) {
        err << "linknode-sim: --manage-addresses runs only inside a private network namespace "
               "(unshare -n): "
            << where.reason << '\n';
        return 2;
    }
    if (!settings->bindGiven && !where.isPrivate) {
        settings->simulator.bindAddress = QHostAddress(QHostAddress::LocalHost);
        err << "linknode-sim: listening on 127.0.0.1 only (" << where.reason
            << "); --bind 0.0.0.0 listens on every address\n";
    }

    Journal journal;
    if (!settings->journal.isEmpty() && !journal.open(settings->journal, &error)) {
        err << "linknode-sim: " << error << '\n';
        return 1;
    }
    const qsizetype deviceCount = static_cast<qsizetype>(settings->fleet.size());
    IpCommandAddresses loopback;
    Simulator simulator(std::move(settings->fleet), settings->simulator, journal,
        settings->manageAddresses ? &loopback : nullptr);
    if (!simulator.start(&error)) {
        err << "linknode-sim: cannot listen on " << settings->simulator.bindAddress.toString()
            << ':' << settings->simulator.port << ": " << error << '\n';
        return 1;
    }
    if (!quitOnSignals(app))
        err << "linknode-sim: SIGINT and SIGTERM will end the process without the last line\n";
    QObject::connect(&simulator, &Simulator::enquiryLimitReached, &app, &QCoreApplication::quit);
    if (settings->exitAfter > 0)
        QTimer::singleShot(
            static_cast<int>(settings->exitAfter * 1000), &app, &QCoreApplication::quit);
    err << "linknode-sim: " << deviceCount << " devices on "
        << settings->simulator.bindAddress.toString() << ':' << simulator.localPort()
        << ", replies to port " << settings->simulator.replyPort << Qt::endl;

    const int status = app.exec();
    simulator.finish();
    err << "linknode-sim: received " << simulator.received() << ", replies sent "
        << simulator.replies().sent() << ", dropped " << simulator.dropped() << ", send failures "
        << simulator.replies().failed() << '\n';
    return status;
}
