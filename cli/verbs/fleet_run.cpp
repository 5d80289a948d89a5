#include "cli/verbs/fleet_run.h"

#include "config/device_record.h"
#include "core/latin1.h"
#include "core/shown_text.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <set>

namespace linknode {

namespace {
    const DeviceEntry* entryOf(const std::vector<DeviceEntry>& found, const MacBytes& mac)
    {
        const auto entry = std::find_if(found.begin(), found.end(),
            [&](const DeviceEntry& e) { return strictMac(recordField(e.record, FLD_MAC)) == mac; });
        return entry == found.end() ? nullptr : &*entry;
    }

    VerbResult refusedEntry(const QString& verb, const SiteEntry& entry, const QString& problem)
    {
        const QString mac = toText(macText(entry.request.mac));
        VerbResult refused = failed(verb, ExitUsage,
            QStringLiteral("device %1 (%2): %3; nothing was sent")
                .arg(entry.line)
                .arg(mac, problem));
        refused.devices.push_back({ mac, DeviceStatus::Refused, {}, problem });
        return refused;
    }

    // The configuration datagrams a plan sends when every device confirms the first time.
    int plannedConfigurations(const WavePlan& plan, int repetitions)
    {
        size_t steps = 0;
        for (const auto& wave : plan.waves)
            steps += wave.size();
        return static_cast<int>(steps) * repetitions;
    }

    QStringList planLines(const WavePlan& plan, const std::vector<FleetChange>& changes)
    {
        QStringList lines;
        for (size_t wave = 0; wave < plan.waves.size(); ++wave) {
            for (const WaveStep& step : plan.waves[wave]) {
                const FleetChange& change = changes[step.move];
                QStringList fields;
                if (step.address != change.plan.config.ip)
                    fields << QStringLiteral("ip -> %1 (spare)").arg(toText(step.address));
                else
                    for (const FieldChange& field : change.changes)
                        fields << QStringLiteral("%1 %2 -> %3")
                                      .arg(field.field, caretForm(field.before),
                                          caretForm(field.after));
                lines << QStringLiteral("wave %1  %2  %3")
                             .arg(wave + 1)
                             .arg(toText(macText(change.mac)), fields.join(QStringLiteral("  ")));
            }
        }
        return lines;
    }
}

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

FleetOutcome runFleet(VerbRun& run, const std::vector<DeviceEntry>& found,
    const std::vector<SiteEntry>& entries, const FleetRunOptions& options)
{
    const QString& verb = options.verb;
    VerbResult result;
    result.verb = verb;
    std::vector<FleetChange> changes;
    std::vector<size_t> resultOfChange;
    std::vector<Move> moves;
    std::set<std::string> moving;
    QStringList silent;
    for (const SiteEntry& entry : entries) {
        const QString mac = toText(macText(entry.request.mac));
        const DeviceEntry* device = entryOf(found, entry.request.mac);
        if (!device) {
            silent << mac;
            result.devices.push_back({ mac, DeviceStatus::NotConfirmed, {},
                QStringLiteral("did not answer the discovery") });
            continue;
        }
        // Addresses other devices hold are the wave planner's to judge, not a refusal here.
        PlannedChange plan = planChange(device->record, entry.request, {});
        if (plan.problem)
            return { refusedEntry(verb, entry, toText(plan.problem.text)) };
        std::vector<FieldChange> differing = differingFields(device->record, plan.expected);
        if (differing.empty()) {
            result.devices.push_back({ mac, DeviceStatus::Unchanged, {}, {} });
            continue;
        }
        moves.push_back({ entry.request.mac, recordField(device->record, FLD_IP), plan.config.ip });
        moving.insert(macKey(recordField(device->record, FLD_MAC)));
        resultOfChange.push_back(result.devices.size());
        result.devices.push_back({ mac, DeviceStatus::Planned,
            options.everyField ? sentFields(device->record, plan.expected) : differing, {} });
        changes.push_back({ entry.request.mac, std::move(plan), std::move(differing) });
    }
    if (options.strict && !silent.isEmpty())
        return { failed(verb, ExitUsage,
            QStringLiteral("--strict: %1 of the file did not answer (%2); nothing was sent")
                .arg(silent.size())
                .arg(silent.join(QStringLiteral(", ")))) };

    std::vector<std::string> held;
    for (const DeviceEntry& device : found)
        if (!moving.contains(macKey(recordField(device.record, FLD_MAC))))
            held.push_back(recordField(device.record, FLD_IP));
    const WavePlan plan = planWaves(moves, held, options.spares);
    if (!plan.problem.isEmpty())
        return { failed(verb, ExitUsage, plan.problem + QStringLiteral("; nothing was sent")) };
    for (size_t wave = 0; wave < plan.waves.size(); ++wave)
        for (const WaveStep& step : plan.waves[wave])
            result.devices[resultOfChange[step.move]].wave = static_cast<int>(wave) + 1;

    if (options.check) {
        result.datagrams = plannedConfigurations(plan, options.engine.repetitions);
        if (run.format() == OutputFormat::Table) {
            for (const QString& line : planLines(plan, changes))
                run.console().out(terminalText(line) + u'\n');
            run.console().err(QStringLiteral("%1 waves, %2 devices to change, %3 unchanged, "
                                             "%4 configuration datagrams\n")
                                  .arg(plan.waves.size())
                                  .arg(changes.size())
                                  .arg(countOf(result.devices, DeviceStatus::Unchanged))
                                  .arg(*result.datagrams));
        }
        if (!silent.isEmpty()) {
            result.exitStatus = ExitUnconfirmed;
            result.error = QStringLiteral("%1 of the file did not answer").arg(silent.size());
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
    QTimer::singleShot(0, &engine, [&] { engine.start(changes, plan); });
    if (!changes.empty())
        loop.exec();
    for (size_t i = 0; i < changes.size(); ++i) {
        DeviceResult& device = result.devices[resultOfChange[i]];
        const int wave = device.wave;
        std::vector<FieldChange> sent = std::move(device.changes);
        device = engine.results()[i];
        device.wave = device.wave ? device.wave : wave;
        if (options.everyField)
            device.changes = std::move(sent);
    }
    result.datagrams = engine.configurationsSent();
    const auto count = [&](DeviceStatus status) { return countOf(result.devices, status); };
    if (!engine.refusal().isEmpty()) {
        result.exitStatus = ExitFailure;
        result.error = engine.refusal();
    } else if (count(DeviceStatus::NotConfirmed) + count(DeviceStatus::NotTried) > 0) {
        result.exitStatus = ExitUnconfirmed;
        result.error = QStringLiteral("%1 devices not confirmed")
                           .arg(count(DeviceStatus::NotConfirmed) + count(DeviceStatus::NotTried));
    }
    return { result, engine.retriesUsed() };
}

} // namespace linknode
