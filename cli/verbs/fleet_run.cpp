#include "cli/verbs/fleet_run.h"

#include "config/device_record.h"
#include "core/latin1.h"
#include "core/shown_text.h"
#include "fleet/fleet_plan.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <set>

namespace linknode {

std::vector<DeviceEntry> discoverSite(Session& session, const std::vector<SiteEntry>& entries)
{
    std::vector<DeviceEntry> found = session.discover({}, lookupSeconds);
    std::set<std::string> known;
    for (const DeviceEntry& device : found)
        known.insert(macKey(recordField(device.record, FLD_MAC)));
    const auto missing = [&] {
        return std::any_of(entries.begin(), entries.end(), [&](const SiteEntry& entry) {
            return !known.contains(macKey(macText(entry.request.mac)));
        });
    };
    for (int again = 0; again < 2 && missing() && session.sendFailure().isEmpty(); ++again) {
        for (DeviceEntry& device : session.discover({}, lookupSeconds))
            if (known.insert(macKey(recordField(device.record, FLD_MAC))).second)
                found.push_back(std::move(device));
    }
    return found;
}

VerbResult refusedRun(const FleetPlan& plan, const FleetRunOptions& options)
{
    QString text = toText(plan.problem.text) + QStringLiteral("; nothing was sent");
    if (plan.refusedDevice && options.nameRefusedEntry)
        text = QStringLiteral("device %1 (%2): ").arg(plan.refusedLine).arg(plan.refusedDevice->mac)
            + text;
    VerbResult refused = failed(options.verb, ExitUsage, text);
    if (plan.refusedDevice)
        refused.devices.push_back(*plan.refusedDevice);
    return refused;
}

FleetOutcome runFleet(VerbRun& run, const std::vector<DeviceEntry>& found,
    const std::vector<SiteEntry>& entries, const FleetRunOptions& options)
{
    const QString& verb = options.verb;
    FleetPlan plan = planFleet(found, entries, options.plan);
    if (plan.problem)
        return { refusedRun(plan, options) };
    VerbResult result;
    result.verb = verb;
    if (options.check) {
        result.devices = std::move(plan.devices);
        result.datagrams = plannedConfigurations(plan, options.engine.repetitions);
        if (run.format() == OutputFormat::Table) {
            for (const QString& line : planLines(plan))
                run.console().out(terminalText(line) + u'\n');
            run.console().err(QStringLiteral("%1 waves, %2 devices to change, %3 unchanged, "
                                             "%4 configuration datagrams\n")
                                  .arg(plan.waves.waves.size())
                                  .arg(plan.changes.size())
                                  .arg(countOf(result.devices, DeviceStatus::Unchanged))
                                  .arg(*result.datagrams));
        }
        if (!plan.silent.isEmpty()) {
            result.exitStatus = ExitUnconfirmed;
            result.error = QStringLiteral("%1 of the file did not answer").arg(plan.silent.size());
        }
        return { result };
    }

    Session& session = *run.session(); // opened by the discovery
    WaveEngine engine(session.link(), session.clock(), options.engine);
    QObject::connect(&engine, &WaveEngine::progress, &engine,
        [&](const QString& line) { run.console().progress(line); });
    QEventLoop loop;
    QObject::connect(&engine, &WaveEngine::finished, &loop, &QEventLoop::quit);
    // Started from the loop, so a run that ends at once still ends it.
    const bool anyChange = !plan.changes.empty();
    QTimer::singleShot(0, &engine, [&] { engine.start(plan.changes, plan.waves); });
    if (anyChange)
        loop.exec();
    takeResults(plan, engine.results(), options.plan);
    result.devices = std::move(plan.devices);
    result.datagrams = engine.configurationsSent();
    const auto count = [&](DeviceStatus status) { return countOf(result.devices, status); };
    if (!engine.refusal().isEmpty()) {
        result.exitStatus = ExitFailure;
        result.error = engine.refusal();
    } else if (const int failing
               = count(DeviceStatus::NotConfirmed) + count(DeviceStatus::NotTried);
               failing > 0) {
        result.exitStatus = ExitUnconfirmed;
        // One device's reason says more than a count.
        const auto first = std::find_if(result.devices.begin(), result.devices.end(),
            [](const DeviceResult& d) { return !d.error.isEmpty(); });
        result.error = failing == 1 && first != result.devices.end()
            ? first->mac + u' ' + first->error
            : QStringLiteral("%1 devices not confirmed").arg(failing);
    }
    return { result, engine.retriesUsed() };
}

} // namespace linknode
