#include "cli/run/input_file.h"
#include "cli/verbs/fleet_run.h"
#include "cli/verbs/verbs.h"
#include "config/device_record.h"
#include "core/latin1.h"
#include "fleet/readdress_plan.h"

#include <algorithm>

namespace linknode {

namespace {
    QString stepText(const PlanStep& step)
    {
        const std::string& record = step.device.record;
        QString text = QStringLiteral("%1  %2 -> %3")
                           .arg(toText(macText(step.row.mac)), toText(recordField(record, FLD_IP)),
                               toText(step.row.ip));
        if (step.row.mask)
            text += QStringLiteral("  mask %1 -> %2")
                        .arg(toText(recordField(record, FLD_MASK)), toText(*step.row.mask));
        if (step.row.gateway)
            text += QStringLiteral("  gateway %1 -> %2")
                        .arg(toText(recordField(record, FLD_GATE)), toText(*step.row.gateway));
        return text;
    }

    ConfigRequest requestOf(const PlanRow& row)
    {
        ConfigRequest request;
        request.mac = row.mac;
        request.ip = row.ip;
        request.mask = row.mask;
        request.gateway = row.gateway;
        return request;
    }
}

int readdressVerb(const QStringList& arguments, CliContext& context)
{
    VerbRun run(context, QStringLiteral("readdress"),
        QStringLiteral("Gives devices new addresses from a plan of rows mac,ip[,mask[,gateway]] "
                       "(CSV as spreadsheets save it; an empty mask or gateway keeps the "
                       "device's). The whole plan is checked first and printed old -> new in the "
                       "order it would be applied; rows that change nothing are skipped; --apply "
                       "changes the devices in waves, together where their new addresses are "
                       "free, each wave confirmed."));
    QCommandLineParser& parser = run.parser();
    parser.addPositionalArgument(
        QStringLiteral("plan"), QStringLiteral("The plan (CSV; - for standard input)."));
    const QCommandLineOption apply(QStringLiteral("apply"), QStringLiteral("Change the devices."));
    parser.addOption(apply);
    if (const auto status = run.parse(arguments, 1))
        return *status;
    const QString path = parser.positionalArguments().front();
    QString problem;
    const auto text = readInput(path, &problem);
    if (!text)
        return run.refuse(QStringLiteral("%1: %2").arg(path, problem));
    const auto rows = parsePlan(*text, &problem);
    if (!rows)
        return run.refuse(problem);

    Session* session = run.session();
    if (!session)
        return ExitFailure;
    std::vector<SiteEntry> named;
    for (const PlanRow& row : *rows)
        named.push_back({ row.line, requestOf(row) });
    const std::vector<DeviceEntry> devices = discoverSite(*session, named, 3);
    if (!session->sendFailure().isEmpty())
        return run.fail(session->sendFailure() + QStringLiteral("; nothing was sent"));
    const OrderedPlan plan = orderPlan(*rows, devices);
    if (plan.problem)
        return run.finish(failed({}, plan.silent.isEmpty() ? ExitUsage : ExitUnconfirmed,
            toText(plan.problem.text) + QStringLiteral("; nothing was sent")));
    // Every row must pass the save's checks too, before the first device changes; a row
    // that changes nothing is left alone.
    VerbResult result;
    for (const PlanStep& step : plan.steps) {
        const PlannedChange change = planChange(step.device.record, requestOf(step.row), {});
        const QString mac = toText(macText(step.row.mac));
        if (change.problem) {
            VerbResult refused = failed({}, ExitUsage,
                QStringLiteral("plan line %1: %2; nothing was sent")
                    .arg(step.row.line)
                    .arg(toText(change.problem.text)));
            refused.devices.push_back(
                { mac, DeviceStatus::Refused, {}, toText(change.problem.text) });
            return run.finish(refused);
        }
        std::vector<FieldChange> changes = differingFields(step.device.record, change.expected);
        const bool unchanged = changes.empty();
        result.devices.push_back({ mac,
            unchanged ? DeviceStatus::Unchanged : DeviceStatus::NotTried, std::move(changes), {} });
    }
    if (!parser.isSet(apply)) {
        if (run.format() != OutputFormat::Table)
            return run.finish(result);
        for (const PlanStep& step : plan.steps)
            run.console().out(terminalText(stepText(step) + u'\n'));
        return ExitSuccess;
    }

    // The devices change in waves: together where their new addresses are free.
    std::vector<SiteEntry> entries;
    for (const PlanStep& step : plan.steps)
        entries.push_back({ step.row.line, requestOf(step.row) });
    FleetRunOptions options;
    options.verb = QStringLiteral("readdress");
    FleetOutcome outcome = runFleet(run, devices, entries, options);
    result = std::move(outcome.result);
    const auto count = [&](DeviceStatus status) { return countOf(result.devices, status); };
    run.console().err(QStringLiteral("changed %1, unchanged %2, not confirmed %3, not tried %4\n")
                          .arg(count(DeviceStatus::Confirmed))
                          .arg(count(DeviceStatus::Unchanged))
                          .arg(count(DeviceStatus::NotConfirmed))
                          .arg(count(DeviceStatus::NotTried)));
    return run.finish(result);
}

} // namespace linknode
