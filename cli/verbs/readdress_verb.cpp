#include "cli/run/input_file.h"
#include "cli/verbs/change_sender.h"
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

    // The devices as they stand once `changed` has taken its new address.
    void moved(std::vector<DeviceEntry>& devices, const DeviceEntry& changed)
    {
        for (DeviceEntry& device : devices)
            if (recordField(device.record, FLD_MAC) == recordField(changed.record, FLD_MAC))
                device = changed;
    }
}

int readdressVerb(const QStringList& arguments, CliContext& context)
{
    VerbRun run(context, QStringLiteral("readdress"),
        QStringLiteral("Gives devices new addresses from a plan of rows mac,ip[,mask[,gateway]] "
                       "(CSV as spreadsheets save it; an empty mask or gateway keeps the "
                       "device's). The whole plan is checked first and printed old -> new in the "
                       "order it would be applied; rows that change nothing are skipped; --apply "
                       "changes the devices one at a time, each confirmed."));
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
    std::vector<DeviceEntry> devices = session->discover({}, lookupSeconds);
    if (!session->sendFailure().isEmpty())
        return run.fail(session->sendFailure() + QStringLiteral("; nothing was sent"));
    const OrderedPlan plan = orderPlan(*rows, devices);
    if (!plan.problem.isEmpty())
        return run.finish(failed({}, plan.silent.isEmpty() ? ExitUsage : ExitFailure,
            plan.problem + QStringLiteral("; nothing was sent")));
    // Every row must pass the save's checks too, before the first device changes; a row
    // that changes nothing is left alone.
    VerbResult result;
    std::vector<const PlanStep*> moving;
    for (const PlanStep& step : plan.steps) {
        const PlannedChange change = planChange(step.device.record, requestOf(step.row), {});
        const QString mac = toText(macText(step.row.mac));
        if (!change.problem.empty()) {
            VerbResult refused = failed({}, ExitUsage,
                QStringLiteral("plan line %1: %2; nothing was sent")
                    .arg(step.row.line)
                    .arg(toText(change.problem)));
            refused.devices.push_back({ mac, DeviceStatus::Refused, {}, toText(change.problem) });
            return run.finish(refused);
        }
        std::vector<FieldChange> changes = differingFields(step.device.record, change.expected);
        const bool unchanged = changes.empty();
        result.devices.push_back({ mac,
            unchanged ? DeviceStatus::Unchanged : DeviceStatus::NotTried, std::move(changes), {} });
        if (!unchanged)
            moving.push_back(&step);
    }
    if (!parser.isSet(apply)) {
        if (run.format() != OutputFormat::Table)
            return run.finish(result);
        for (const PlanStep& step : plan.steps)
            run.console().out(terminalText(stepText(step) + u'\n'));
        return ExitSuccess;
    }

    auto resultOf = [&](const PlanStep& step) -> DeviceResult& {
        const QString mac = toText(macText(step.row.mac));
        return *std::find_if(result.devices.begin(), result.devices.end(),
            [&](const DeviceResult& device) { return device.mac == mac; });
    };
    int changed = 0;
    size_t tried = 0;
    for (const PlanStep* step : moving) {
        run.console().progress(
            QStringLiteral("[%1/%2] %3\n").arg(++tried).arg(moving.size()).arg(stepText(*step)));
        const ConfigRequest request = requestOf(step->row);
        const PlannedChange change = planChange(step->device.record, request, devices);
        DeviceResult& device = resultOf(*step);
        if (!change.problem.empty()) {
            device.status = DeviceStatus::Refused;
            device.error = toText(change.problem);
            result.error = QStringLiteral("plan line %1: %2").arg(step->row.line).arg(device.error);
            break;
        }
        const SendOutcome outcome = sendChange(*session, request, change, {});
        device = changeResult(step->row.mac, device.changes, outcome);
        if (!outcome.confirmed) {
            // The later steps count on this device having left its address: stop here.
            result.error = device.mac + u' ' + device.error;
            break;
        }
        moved(devices, *outcome.confirmed);
        ++changed;
    }
    const auto count = [&](DeviceStatus status) {
        return std::count_if(result.devices.begin(), result.devices.end(),
            [&](const DeviceResult& device) { return device.status == status; });
    };
    run.console().err(QStringLiteral("changed %1, unchanged %2, not confirmed %3, not tried %4\n")
                          .arg(changed)
                          .arg(count(DeviceStatus::Unchanged))
                          .arg(count(DeviceStatus::NotConfirmed))
                          .arg(count(DeviceStatus::NotTried)));
    if (count(DeviceStatus::NotConfirmed) > 0)
        result.exitStatus = ExitUnconfirmed;
    else if (static_cast<size_t>(changed) != moving.size())
        result.exitStatus = ExitFailure;
    return run.finish(result);
}

} // namespace linknode
