#include "cli/run/device_filter.h"
#include "cli/run/input_file.h"
#include "cli/verbs/verbs.h"
#include "config/device_record.h"
#include "core/file_writer.h"
#include "core/latin1.h"
#include "core/shown_text.h"
#include "fleet/inventory.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace linknode {

namespace {
    // Why `path` must not be replaced by an inventory: a device, a FIFO, a socket or a
    // folder is not an inventory, and an empty discovery would wipe a good one.
    QString targetProblem(const QString& path, bool empty, bool allowEmpty)
    {
        const QFileInfo target(path);
        if (target.exists() && !target.isFile())
            return QStringLiteral("%1 is not a regular file; nothing was written").arg(path);
        if (target.exists() && empty && !allowEmpty)
            return QStringLiteral("no device answered: %1 is kept as it was (--allow-empty "
                                  "replaces it with an empty inventory)")
                .arg(path);
        return {};
    }
}

int inventoryVerb(const QStringList& arguments, CliContext& context)
{
    VerbRun run(context, QStringLiteral("inventory"),
        QStringLiteral("save FILE: writes every device found to FILE (JSON; - for standard "
                       "output). An existing file is replaced only once the new one is wholly "
                       "written, never by an empty discovery unless --allow-empty, never by one "
                       "cut short (replies past --max-wait or the list's limits) unless "
                       "--allow-incomplete (exit 1 and the file kept).\n"
                       "diff FILE: compares FILE (- for standard input) with the devices found "
                       "now: new, missing and changed devices; exit 0 when nothing differs, 1 "
                       "when something does, 2 on error."));
    QCommandLineParser& parser = run.parser();
    parser.addPositionalArgument(QStringLiteral("action"), QStringLiteral("save or diff."));
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The inventory file."));
    const QCommandLineOption allowEmpty(QStringLiteral("allow-empty"),
        QStringLiteral("save: replace the file even when no device answered."));
    const QCommandLineOption model(QStringLiteral("model"),
        QStringLiteral("save: only devices whose model caption holds TEXT."),
        QStringLiteral("TEXT"));
    const QCommandLineOption subnet(QStringLiteral("subnet"),
        QStringLiteral("save: only devices with an address in CIDR."), QStringLiteral("CIDR"));
    const QCommandLineOption flag(QStringLiteral("flag"),
        QStringLiteral("save: only devices with this flag (repeatable)."), QStringLiteral("NAME"));
    const QCommandLineOption allowIncomplete(QStringLiteral("allow-incomplete"),
        QStringLiteral("save: write what a discovery cut short found."));
    parser.addOptions({ allowEmpty, allowIncomplete, model, subnet, flag });
    if (const auto status = run.parse(arguments, 2))
        return *status;
    const QString action = parser.positionalArguments()[0];
    const QString path = parser.positionalArguments()[1];
    if (action != QLatin1String("save") && action != QLatin1String("diff"))
        return run.refuse(
            QStringLiteral("unknown action \"%1\": save FILE or diff FILE").arg(action));
    QString problem;
    const auto filter
        = parseFilter(parser.value(model), parser.value(subnet), parser.values(flag), &problem);
    if (!filter)
        return run.refuse(problem);

    std::optional<std::vector<QJsonObject>> saved;
    if (action == QLatin1String("diff")) {
        const auto text = readInput(path, &problem);
        if (text)
            saved = parseInventory(*text, &problem);
        if (!saved)
            return run.refuse(QStringLiteral("%1: %2").arg(path, problem));
    }
    Session* session = run.session();
    if (!session)
        return action == QLatin1String("diff") ? ExitUsage : ExitFailure;
    run.console().progress(QStringLiteral("asking the devices...\n"));
    std::vector<DeviceEntry> entries = session->discover({}, lookupSeconds);
    const bool anyReply = !entries.empty();
    std::erase_if(entries, [&](const DeviceEntry& entry) { return !matches(*filter, entry); });
    sortByAddress(entries);
    if (!session->sendFailure().isEmpty())
        return run.fail(session->sendFailure() + QStringLiteral("; nothing was written"));
    if (run.warnIfIncomplete() && action == QLatin1String("save") && !parser.isSet(allowIncomplete))
        return run.fail(
            QStringLiteral("the discovery was cut short: %1 (--allow-incomplete "
                           "writes what was found)")
                .arg(path == QLatin1String("-") ? QStringLiteral("nothing was written")
                                                : path + QStringLiteral(" is kept as it was")));

    if (action == QLatin1String("diff")) {
        if (!anyReply)
            return run.fail(
                QStringLiteral("no device answered: nothing to compare %1 with").arg(path));
        VerbResult result;
        result.devices = diffInventory(*saved, entries);
        entries = {}; // a flood's list goes before its results are written
        result.exitStatus = result.devices.empty() ? ExitSuccess : ExitFailure;
        return run.finish(result);
    }
    if (path == QLatin1String("-")) {
        // A failed write ends it; main() reports it.
        writeInventory(entries, [&](const QByteArray& text) {
            run.console().out(QString::fromUtf8(text));
            return run.console().outputFailure().isEmpty();
        });
        return ExitSuccess;
    }
    problem = targetProblem(path, entries.empty(), parser.isSet(allowEmpty));
    if (!problem.isEmpty())
        return run.fail(problem);
    const auto written = writeWholeFile(
        path,
        [&](QIODevice& file) {
            return writeInventory(
                entries, [&](const QByteArray& text) { return file.write(text) == text.size(); });
        },
        &problem);
    if (!written)
        return run.fail(QStringLiteral("%1 not written: %2").arg(path, problem));
    VerbResult result;
    for (const DeviceEntry& entry : entries)
        result.devices.push_back(
            { toText(recordField(entry.record, FLD_MAC)), DeviceStatus::Saved, {}, {} });
    run.console().err(QStringLiteral("%1 saved to %2\n")
                          .arg(counted(entries.size(), u"device"_s, u"devices"_s), path));
    return run.finish(result);
}

} // namespace linknode
