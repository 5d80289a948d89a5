#include "cli/run/input_file.h"
#include "cli/verbs/fleet_run.h"
#include "cli/verbs/verbs.h"
#include "config/device_record.h"
#include "config/device_settings.h"
#include "core/latin1.h"
#include "fleet/inventory.h"

#include <QJsonObject>

namespace linknode {

namespace {
    // The saved configuration of the old device, every value of it, for the device with
    // `newMac`.
    ConfigRequest takeOver(const std::string& old, const MacBytes& newMac, bool newHasMode)
    {
        const DeviceSettings saved = readSettings(old);
        const NetworkConfig& config = saved.config;
        ConfigRequest request;
        request.mac = newMac;
        request.ip = config.ip;
        request.mask = config.mask;
        request.gateway = config.gateway;
        request.bauds = config.serial->baud;
        request.parityBase = config.serial->parity % 3;
        request.twoStopBits = config.serial->parity >= 3;
        request.dataBitsCode = config.serial->dataBits;
        if (newHasMode && config.host) {
            request.mode = config.host->socketMode;
            request.hostIp = config.host->ip;
            request.hostPort = config.host->port;
            request.options = config.host->options;
        }
        if (const std::string code = wiegandCode(old); !code.empty())
            request.wiegand = code;
        // An empty login too: the new device must not keep a login of its own.
        if (!recordField(old, FLD_LOGIN).empty())
            request.login = loginCaretForm(saved.login);
        return request;
    }
}

int replaceVerb(const QStringList& arguments, CliContext& context)
{
    VerbRun run(context, QStringLiteral("replace"),
        QStringLiteral("A device swapped on site takes over the saved configuration of the one it "
                       "replaces: addresses, host, serial settings, mode and options, then its "
                       "Wiegand format and login string; then confirmed. Its result lists every "
                       "value sent. The old device must be "
                       "gone from the network."));
    QCommandLineParser& parser = run.parser();
    parser.addPositionalArgument(
        QStringLiteral("old-mac"), QStringLiteral("MAC of the device replaced."));
    parser.addPositionalArgument(
        QStringLiteral("new-mac"), QStringLiteral("MAC of the new device."));
    const QCommandLineOption inventory(QStringLiteral("inventory"),
        QStringLiteral("Inventory file with the old device (inventory save; - for standard "
                       "input)."),
        QStringLiteral("FILE"));
    parser.addOption(inventory);
    if (const auto status = run.parse(arguments, 2))
        return *status;
    const QStringList macs = parser.positionalArguments();
    const auto oldMac = parseMac(macs[0]);
    const auto newMac = parseMac(macs[1]);
    if (!oldMac || !newMac)
        return run.refuse(QStringLiteral("\"%1\" is not a MAC").arg(oldMac ? macs[1] : macs[0]));
    if (*oldMac == *newMac)
        return run.refuse(QStringLiteral("the old and the new MAC are the same"));
    if (!parser.isSet(inventory))
        return run.refuse(QStringLiteral("--inventory FILE is needed"));
    QString problem;
    std::optional<std::vector<QJsonObject>> saved;
    if (const auto text = readInput(parser.value(inventory), &problem))
        saved = parseInventory(*text, &problem);
    if (!saved)
        return run.refuse(QStringLiteral("%1: %2").arg(parser.value(inventory), problem));
    std::optional<std::string> oldRecord;
    for (const QJsonObject& device : *saved)
        if (parseMac(device.value(QStringLiteral("mac")).toString()) == oldMac)
            oldRecord = toBytes(device.value(QStringLiteral("record")).toString());
    if (!oldRecord)
        return run.refuse(QStringLiteral("%1 is not in %2").arg(macs[0], parser.value(inventory)));

    Session* session = run.session();
    if (!session)
        return ExitFailure;
    const std::vector<DeviceEntry> found = session->discover({}, lookupSeconds);
    if (!session->sendFailure().isEmpty())
        return run.fail(session->sendFailure() + QStringLiteral("; nothing was sent"));
    if (findDevice(found, DeviceSelector { .mac = oldMac, .ip = std::nullopt }))
        return run.refuse(
            QStringLiteral("%1 still answers: two devices would share an address; nothing was sent")
                .arg(macs[0]));
    const FoundDevice device
        = findOne(found, DeviceSelector { .mac = newMac, .ip = std::nullopt }, macs[1]);
    if (!device.device)
        return run.finish(failed({}, device.exitStatus, device.problem));
    const ConfigRequest request
        = takeOver(*oldRecord, *newMac, !recordField(device.device->record, FLD_MODE).empty());
    FleetRunOptions options;
    options.verb = QStringLiteral("replace");
    options.plan.everyField = true;
    return run.finish(runFleet(run, found, { { 1, request } }, options).result);
}

} // namespace linknode
