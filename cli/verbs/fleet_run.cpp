#include "cli/verbs/fleet_run.h"

#include "cli/verbs/interrupt_notifier.h"
#include "config/device_record.h"
#include "core/latin1.h"
#include "core/shown_text.h"
#include "fleet/fleet_plan.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <set>

using namespace Qt::StringLiterals;

namespace linknode {

namespace {
    // The devices of a run that did not end as asked, each with its reason.
    QString failingDevices(const std::vector<DeviceResult>& devices)
    {
        // Each device with its reason, up to a screenful.
        constexpr qsizetype named = 10;
        QStringList lines;
        for (const DeviceResult& device : devices)
            if (!device.error.isEmpty() && device.status != DeviceStatus::Confirmed)
                lines << device.mac + u' ' + device.error;
        const qsizetype more = lines.size() - named;
        if (more > 0)
            lines = lines.mid(0, named) << QStringLiteral("and %1 more").arg(more);
        return lines.join(QStringLiteral("; "));
    }
}

std::vector<DeviceEntry> discoverSite(
    Session& session, const std::vector<SiteEntry>& entries, int rounds)
{
    std::vector<DeviceEntry> found = session.discover({}, lookupSeconds);
    const auto missing = [&] {
        std::set<std::string> known;
        for (const DeviceEntry& device : found)
            known.insert(macKey(recordField(device.record, FLD_MAC)));
        return std::any_of(entries.begin(), entries.end(), [&](const SiteEntry& entry) {
            return !known.contains(macKey(macText(entry.request.mac)));
        });
    };
    for (int again = 1; again < rounds && missing() && session.sendFailure().isEmpty(); ++again)
        found = session.discover({}, lookupSeconds, std::move(found));
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
            run.console().err(QStringLiteral("%1, %2 to change, %3 unchanged, %4\n")
                                  .arg(counted(plan.waves.waves.size(), u"wave"_s, u"waves"_s),
                                      counted(plan.changes.size(), u"device"_s, u"devices"_s))
                                  .arg(countOf(result.devices, DeviceStatus::Unchanged))
                                  .arg(counted(*result.datagrams, u"configuration datagram"_s,
                                      u"configuration datagrams"_s)));
        }
        if (!plan.silent.isEmpty()) {
            result.exitStatus = ExitUnconfirmed;
            result.error = QStringLiteral("%1 of the file did not answer: %2")
                               .arg(plan.silent.size())
                               .arg(plan.silent.join(QStringLiteral(", ")));
        }
        return { result };
    }

    Session& session = *run.session(); // opened by the discovery
    WaveEngine engine(session.link(), session.clock(), options.engine);
    QObject::connect(&engine, &WaveEngine::progress, &engine,
        [&](const QString& line) { run.console().progress(line); });
    QEventLoop loop;
    QObject::connect(&engine, &WaveEngine::finished, &loop, &QEventLoop::quit);
    // Ctrl+C lets the round in flight out, then the devices are told as far as they came.
    InterruptNotifier interrupt;
    QObject::connect(&interrupt, &InterruptNotifier::interrupted, &engine, [&] {
        run.console().progress(QStringLiteral("interrupted: ending after the round in flight\n"));
        engine.interrupt();
    });
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
    } else if (engine.interrupted()) {
        result.exitStatus = ExitInterrupted;
        result.error = QStringLiteral("interrupted: %1 confirmed, %2 sent, %3 not tried")
                           .arg(count(DeviceStatus::Confirmed))
                           .arg(count(DeviceStatus::Sent))
                           .arg(count(DeviceStatus::NotTried));
    } else if (const int failing = count(DeviceStatus::NotConfirmed) + count(DeviceStatus::NotTried)
                   + count(DeviceStatus::Parked);
               failing > 0) {
        result.exitStatus = ExitUnconfirmed;
        result.error = failingDevices(result.devices);
    }
    return { result, engine.retriesUsed() };
}

} // namespace linknode
