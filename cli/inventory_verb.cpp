#include "cli/inventory.h"
#include "cli/verbs.h"
#include "core/file_writer.h"

namespace linknode {

namespace {
    const QString usage = QStringLiteral("inventory save FILE | inventory diff FILE");

    std::vector<QJsonObject> liveDevices(const std::vector<DeviceEntry>& entries)
    {
        QString unused;
        return parseInventory(inventoryJson(entries), &unused)
            .value_or(std::vector<QJsonObject> {});
    }
}

int inventoryVerb(const QStringList& arguments, CliContext& context)
{
    Console& console = context.console;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "save FILE: writes every device found to FILE (JSON).\n"
        "diff FILE: compares FILE with the devices found now: new, missing and changed "
        "devices; exit 0 when nothing differs, 1 when something does, 2 on error."));
    parser.addPositionalArgument(QStringLiteral("action"), QStringLiteral("save or diff."));
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The inventory file."));
    if (const auto status = parseVerb(parser, arguments, 2, console))
        return *status;
    const QString action = parser.positionalArguments()[0];
    const QString path = parser.positionalArguments()[1];
    if (action != QLatin1String("save") && action != QLatin1String("diff"))
        return refuse(console, QStringLiteral("unknown action \"%1\": ").arg(action) + usage);

    std::optional<std::vector<QJsonObject>> saved;
    if (action == QLatin1String("diff")) {
        QString problem;
        saved = readInventory(path, &problem);
        if (!saved)
            return refuse(console, QStringLiteral("%1: %2").arg(path, problem));
    }
    const auto session = context.openSession(console);
    if (!session)
        return action == QLatin1String("diff") ? ExitUsage : ExitFailure;
    console.progress(QStringLiteral("asking the devices...\n"));
    std::vector<DeviceEntry> entries = session->discover({}, lookupSeconds);
    sortByAddress(entries);

    if (action == QLatin1String("save")) {
        QString problem;
        if (!writeWholeFile(path, inventoryJson(entries), &problem))
            return fail(console, QStringLiteral("%1 not written: %2").arg(path, problem));
        console.err(QStringLiteral("%1 device(s) saved to %2\n").arg(entries.size()).arg(path));
        return ExitSuccess;
    }
    const InventoryDiff diff = diffInventory(*saved, liveDevices(entries));
    console.out(diffText(diff));
    return diff.empty() ? ExitSuccess : ExitFailure;
}

} // namespace linknode
