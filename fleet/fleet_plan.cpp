#include "fleet/fleet_plan.h"

#include "config/device_record.h"
#include "core/latin1.h"
#include "core/shown_text.h"
#include "fleet/device_values.h"
#include "fleet/wave_planner.h"
#include "netid/device_change.h"

#include <algorithm>
#include <set>

namespace linknode {

namespace {
    // A value as a site file writes it: the mode by its name.
    QString shownValue(const QString& field, const QString& value)
    {
        if (field == QLatin1String("mode") && (value == u"0" || value == u"1"))
            return value == u"0" ? QStringLiteral("server") : QStringLiteral("client");
        return caretForm(value);
    }

    const DeviceEntry* entryOf(const std::vector<DeviceEntry>& found, const MacBytes& mac)
    {
        const auto entry = std::find_if(found.begin(), found.end(),
            [&](const DeviceEntry& e) { return recordMac(e.record) == mac; });
        return entry == found.end() ? nullptr : &*entry;
    }
}

FleetPlan planFleet(const std::vector<DeviceEntry>& found, const std::vector<SiteEntry>& entries,
    const FleetPlanOptions& options)
{
    FleetPlan fleet;
    std::vector<Move> moves;
    std::set<std::string> moving;
    for (const SiteEntry& entry : entries) {
        const QString mac = toText(macText(entry.request.mac));
        const DeviceEntry* device = entryOf(found, entry.request.mac);
        if (!device) {
            fleet.silent << mac;
            fleet.devices.push_back({ mac, DeviceStatus::NotConfirmed, {},
                QStringLiteral("did not answer the discovery") });
            continue;
        }
        // Addresses other devices hold are the wave planner's to judge, not a refusal here.
        PlannedChange plan = planChange(device->record, entry.request, {});
        if (plan.problem) {
            fleet.problem = plan.problem;
            fleet.refusedLine = entry.line;
            fleet.refusedDevice
                = DeviceResult { mac, DeviceStatus::Refused, {}, toText(plan.problem.text) };
            return fleet;
        }
        std::vector<FieldChange> differing = differingFields(device->record, plan.expected);
        if (differing.empty() && !options.sendUnchanged) {
            fleet.devices.push_back({ mac, DeviceStatus::Unchanged, {}, {} });
            continue;
        }
        moves.push_back({ entry.request.mac, recordField(device->record, FLD_IP), plan.config.ip });
        moving.insert(macKey(recordField(device->record, FLD_MAC)));
        fleet.resultOfChange.push_back(fleet.devices.size());
        fleet.devices.push_back({ mac, DeviceStatus::Planned,
            options.everyField ? sentFields(device->record, plan.expected) : differing, {} });
        fleet.changes.push_back({ entry.request.mac, std::move(plan), std::move(differing) });
    }
    if (options.strict && !fleet.silent.isEmpty()) {
        fleet.problem = { Refusal::Value::Request,
            "--strict: " + std::to_string(fleet.silent.size()) + " of the file did not answer ("
                + toBytes(fleet.silent.join(QStringLiteral(", "))) + ")" };
        return fleet;
    }

    std::vector<HeldAddress> held;
    for (const DeviceEntry& device : found)
        if (!moving.contains(macKey(recordField(device.record, FLD_MAC))))
            held.push_back(
                { recordField(device.record, FLD_IP), recordField(device.record, FLD_MAC) });
    fleet.waves = planWaves(moves, held, options.spares);
    if ((fleet.problem = fleet.waves.problem))
        return fleet;
    // A device parks with the rest of its new configuration: the spare must be an address it
    // could hold under that mask, beside that gateway.
    for (const auto& wave : fleet.waves.waves)
        for (const WaveStep& step : wave) {
            NetworkConfig parked = fleet.changes[step.move].plan.config;
            if (step.address == parked.ip)
                continue;
            parked.ip = step.address;
            if (const Refusal problem = networkProblem(parked)) {
                fleet.problem = { Refusal::Value::Address,
                    "spare " + step.address + " for " + macText(parked.mac) + ": " + problem.text };
                return fleet;
            }
        }
    for (size_t wave = 0; wave < fleet.waves.waves.size(); ++wave)
        for (const WaveStep& step : fleet.waves.waves[wave])
            fleet.devices[fleet.resultOfChange[step.move]].wave = static_cast<int>(wave) + 1;
    return fleet;
}

QStringList planLines(const FleetPlan& plan)
{
    QStringList lines;
    for (size_t wave = 0; wave < plan.waves.waves.size(); ++wave) {
        for (const WaveStep& step : plan.waves.waves[wave]) {
            const FleetChange& change = plan.changes[step.move];
            QStringList fields;
            if (step.address != change.plan.config.ip)
                fields << QStringLiteral("ip -> %1 (spare)").arg(toText(step.address));
            else
                for (const FieldChange& field : change.changes)
                    fields << QStringLiteral("%1 %2 -> %3")
                                  .arg(field.field, shownValue(field.field, field.before),
                                      shownValue(field.field, field.after));
            lines << QStringLiteral("wave %1  %2  %3")
                         .arg(wave + 1)
                         .arg(toText(macText(change.mac)), fields.join(QStringLiteral("  ")));
        }
    }
    return lines;
}

int plannedConfigurations(const FleetPlan& plan, int repetitions)
{
    size_t steps = 0;
    for (const auto& wave : plan.waves.waves)
        steps += wave.size();
    return static_cast<int>(steps) * repetitions;
}

void takeResults(
    FleetPlan& plan, const std::vector<DeviceResult>& results, const FleetPlanOptions& options)
{
    for (size_t i = 0; i < plan.changes.size(); ++i) {
        DeviceResult& device = plan.devices[plan.resultOfChange[i]];
        const int wave = device.wave;
        std::vector<FieldChange> sent = std::move(device.changes);
        device = results[i];
        device.wave = device.wave ? device.wave : wave;
        if (options.everyField)
            device.changes = std::move(sent);
    }
}

} // namespace linknode
