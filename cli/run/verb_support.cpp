#include "cli/run/verb_support.h"

#include "config/device_record.h"
#include "core/latin1.h"
#include "link/network_adapters.h"
#include "netid/save_checks.h"

#include <QCoreApplication>

namespace linknode {

namespace {
    // Qt names the program by its path in the usage line; a verb's help names the verb.
    QString helpFor(const QString& verb, QString help)
    {
        const qsizetype end = help.indexOf(u'\n');
        QString usage = help.left(end);
        const QString program = usage.section(u' ', 1, 1);
        usage.replace(usage.indexOf(program), program.size(), QStringLiteral("linknode ") + verb);
        return usage + help.mid(end);
    }

    std::optional<QStringList> adapterNames(const QStringList& named, QString* problem)
    {
        if (named.isEmpty())
            return named;
        QStringList known, broadcasting;
        for (const NetworkAdapter& adapter : systemAdapters()) {
            if (!known.contains(adapter.name))
                known << adapter.name;
            if (adapter.up && adapter.hasBroadcast && !broadcasting.contains(adapter.name))
                broadcasting << adapter.name;
        }
        for (const QString& name : named) {
            if (!known.contains(name)) {
                *problem = QStringLiteral("no network adapter is named \"%1\" (there are: %2)")
                               .arg(name, known.join(QStringLiteral(", ")));
                return std::nullopt;
            }
            // The enquiry is a broadcast: an adapter that cannot send one finds nothing.
            if (!broadcasting.contains(name)) {
                *problem
                    = QStringLiteral("the network adapter \"%1\" cannot broadcast (down, "
                                     "or without a broadcast address); these can: %2")
                          .arg(name,
                              broadcasting.isEmpty() ? QStringLiteral("none")
                                                     : broadcasting.join(QStringLiteral(", ")));
                return std::nullopt;
            }
        }
        return named;
    }
}

VerbRun::VerbRun(CliContext& context, const QString& verb, const QString& description)
    : context_(context)
    , verb_(verb)
{
    parser_.setApplicationDescription(description);
}

std::optional<int> VerbRun::parse(const QStringList& arguments, int least, int most)
{
    const QCommandLineOption help = parser_.addHelpOption();
    const QCommandLineOption format(QStringLiteral("format"),
        QStringLiteral("table (default), json or csv."), QStringLiteral("FORMAT"),
        QStringLiteral("table"));
    const QCommandLineOption interface(
        QStringList { QStringLiteral("i"), QStringLiteral("interface") },
        QStringLiteral("Broadcast through this network adapter and take replies from it only "
                       "(repeatable; default every adapter)."),
        QStringLiteral("NAME"));
    const QCommandLineOption maxWait(QStringLiteral("max-wait"),
        QStringLiteral("Stop a discovery this many seconds after its wait while replies keep "
                       "arriving, with a warning (default %1).")
            .arg(longestDiscovery),
        QStringLiteral("SECONDS"), QString::number(longestDiscovery));
    const QCommandLineOption wide(QStringLiteral("wide"),
        QStringLiteral("Table cells whole, never cut (\"\u2026\" ends a cut cell)."));
    parser_.addOptions({ format, wide, interface, maxWait });
    if (!parser_.parse(arguments))
        return refuse(parser_.errorText());
    if (parser_.isSet(help)) {
        console().out(helpFor(verb_, parser_.helpText()));
        return ExitSuccess;
    }
    // The format first: the refusals below are written in it.
    const auto chosen = parseFormat(parser_.value(format));
    if (!chosen)
        return refuse(
            QStringLiteral("unknown format \"%1\": table, json or csv").arg(parser_.value(format)));
    format_ = *chosen;
    wide_ = parser_.isSet(wide);
    const auto positionals = parser_.positionalArguments().size();
    if (positionals < least || positionals > most)
        return refuse(QStringLiteral("%1 takes %2 argument(s), see --help")
                          .arg(verb_)
                          .arg(least == most ? QString::number(least)
                                             : QStringLiteral("%1 to %2").arg(least).arg(most)));
    QString problem;
    const auto adapters = adapterNames(parser_.values(interface), &problem);
    if (!adapters)
        return refuse(problem);
    const auto longest = parseSeconds(parser_.value(maxWait), 3600);
    if (!longest)
        return refuse(QStringLiteral("--max-wait \"%1\" is not a number of seconds from 0 to 3600")
                          .arg(parser_.value(maxWait)));
    sessionOptions_ = SessionOptions { .interfaces = *adapters, .longestFlood = *longest };
    return std::nullopt;
}

Session* VerbRun::session()
{
    if (!sessionTried_) {
        sessionTried_ = true;
        session_ = context_.openSession(console(), sessionOptions_);
    }
    return session_.get();
}

bool VerbRun::warnIfIncomplete()
{
    if (!session_)
        return false;
    if (session_->floodCut())
        console().err(QStringLiteral(
            "linknode: replies kept arriving; the discovery stopped at its --max-wait and the "
            "list may be incomplete\n"));
    if (session_->deviceLimitReached())
        console().err(QStringLiteral("linknode: more devices answered than a list holds (%1, or "
                                     "%2 MiB of records); the replies past them were dropped "
                                     "and the list is incomplete\n")
                          .arg(sessionOptions_.mostDevices)
                          .arg(sessionOptions_.mostRecordBytes / (1024 * 1024)));
    return session_->floodCut() || session_->deviceLimitReached();
}

int VerbRun::finish(VerbResult result)
{
    result.verb = verb_;
    // A refused send is the cause of whatever followed it (no reply, nothing confirmed).
    if (session_ && !session_->sendFailure().isEmpty() && result.exitStatus != ExitUsage) {
        result.exitStatus = ExitFailure;
        result.error = session_->sendFailure();
    }
    return linknode::finish(result, format_, wide_, console());
}

QCommandLineOption fieldsOption()
{
    return { QStringLiteral("fields"),
        QStringLiteral("Table and CSV: only these columns, in this order (mac,ip,model)."),
        QStringLiteral("LIST") };
}

std::optional<ListOptions> listOptions(
    const VerbRun& run, const QString& fields, const Row& sample, QString* problem)
{
    const QStringList columns = columnNames(sample);
    ListOptions options { .fields = {}, .wide = run.wide(), .columns = columns };
    if (fields.isEmpty())
        return options;
    const auto named = parseFields(fields, columns, problem);
    if (!named) {
        *problem = QStringLiteral("--fields: ") + *problem;
        return std::nullopt;
    }
    options.fields = *named;
    return options;
}

void addDeviceArgument(QCommandLineParser& parser)
{
    parser.addPositionalArgument(
        QStringLiteral("device"), QStringLiteral("MAC (0-80-194-1-2-3) or IP address."));
}

FoundDevice findOne(
    const std::vector<DeviceEntry>& entries, const DeviceSelector& selector, const QString& named)
{
    FoundDevice found;
    QStringList macs;
    for (const DeviceEntry& entry : entries) {
        const bool matches = selector.mac ? recordMac(entry.record) == selector.mac
                                          : recordField(entry.record, FLD_IP) == selector.ip;
        if (!matches)
            continue;
        macs << toText(recordField(entry.record, FLD_MAC));
        if (!found.device)
            found.device = entry;
    }
    if (macs.isEmpty()) {
        found.problem = QStringLiteral("no device answers as %1").arg(named);
        found.exitStatus = ExitFailure;
    } else if (macs.size() > 1) {
        found.device.reset();
        found.problem = QStringLiteral("%1 is the address of %2 devices: %3; name one by its MAC")
                            .arg(named)
                            .arg(macs.size())
                            .arg(macs.join(QStringLiteral(", ")));
        found.exitStatus = ExitUsage;
    }
    return found;
}

CommandAddress commandAddress(const DeviceEntry& device)
{
    const std::string address = recordField(device.record, FLD_IP);
    const Refusal problem = hostAddressProblem(address, recordField(device.record, FLD_MASK));
    if (!problem)
        return { address, {} };
    return { std::nullopt,
        QStringLiteral("%1 reports no address a command can go to (%2); nothing was sent")
            .arg(toText(recordField(device.record, FLD_MAC)), toText(problem.text)) };
}

std::optional<DeviceEntry> findDevice(
    const std::vector<DeviceEntry>& entries, const DeviceSelector& selector)
{
    for (const DeviceEntry& entry : entries) {
        if (selector.mac && recordMac(entry.record) == selector.mac)
            return entry;
        if (selector.ip && recordField(entry.record, FLD_IP) == *selector.ip)
            return entry;
    }
    return std::nullopt;
}

} // namespace linknode
