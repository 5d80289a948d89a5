#include "netid/wave_engine.h"

#include "commands/device_datagrams.h"
#include "config/device_record.h"
#include "core/latin1.h"
#include "core/shown_text.h"
#include "core/wait.h"
#include "link/envelope.h"

#include <algorithm>

namespace linknode {

namespace {
    const std::string broadcast(broadcastAddress);
    constexpr double settleSeconds = 1.0; // after the configurations, as the window's save waits
    constexpr double askSpacing = 0.5; // between the enquiries that confirm a wave
    constexpr double pumpSeconds = 0.005;
    constexpr double busyPatience = 5.0; // seconds a full send buffer is waited out

    std::string keyOf(const MacBytes& mac)
    {
        return { mac.begin(), mac.end() };
    }
}

std::vector<EngineStep> commandLineSteps()
{
    using Kind = EngineStep::Kind;
    return { { Kind::Configurations, 0, {} }, { Kind::Settle, 0, {} }, { Kind::Unicasts, 0, {} },
        { Kind::Confirm, 0, {} } };
}

WaveEngine::WaveEngine(Link& link, const Clock& clock, EngineOptions options, QObject* parent)
    : QObject(parent)
    , link_(link)
    , clock_(clock)
    , options_(options)
{
    pumpTimer_.setTimerType(Qt::PreciseTimer);
    stepTimer_.setTimerType(Qt::PreciseTimer); // a coarse one may fire 5 % early
    stepTimer_.setSingleShot(true);
    connect(&pumpTimer_, &QTimer::timeout, this, &WaveEngine::pump);
    connect(&stepTimer_, &QTimer::timeout, this, [this] {
        if (nextStep_)
            (this->*std::exchange(nextStep_, nullptr))();
    });
    connect(&link_, &Link::recordReceived, this,
        [this](const std::string& record, const QString&) { onRecord(record); });
}

void WaveEngine::start(std::vector<FleetChange> changes, WavePlan plan)
{
    changes_ = std::move(changes);
    plan_ = std::move(plan);
    results_.clear();
    for (const FleetChange& change : changes_)
        results_.push_back(
            { toText(macText(change.mac)), DeviceStatus::NotTried, change.changes, {}, 0 });
    failed_.assign(changes_.size(), false);
    reports_.assign(changes_.size(), {});
    wave_ = 0;
    running_ = true;
    interrupted_ = false;
    startWave();
}

void WaveEngine::stop()
{
    running_ = false;
    confirming_ = false;
    queue_.clear();
    afterDrain_ = nullptr;
    nextStep_ = nullptr;
    pumpTimer_.stop();
    stepTimer_.stop();
}

WaveEngine::Active WaveEngine::activeOf(const WaveStep& step) const
{
    const PlannedChange& plan = changes_[step.move].plan;
    Active active;
    active.expected = plan.expected;
    if (step.address == plan.config.ip) {
        active.config = networkConfigDatagram(plan.config);
        for (const auto& datagram : { plan.wiegandDatagram, plan.loginDatagram })
            if (datagram)
                active.unicasts.emplace_back(plan.config.ip, *datagram);
        if (options_.reset)
            active.reset = resetDatagram(plan.config.ip);
        return active;
    }
    // Parked on a spare on the way: only the address changes now, the rest when it goes on.
    NetworkConfig parked = plan.config;
    parked.ip = step.address;
    active.config = networkConfigDatagram(parked);
    active.expected = { { FLD_IP, step.address } };
    return active;
}

void WaveEngine::startWave()
{
    if (wave_ >= plan_.waves.size()) {
        finish();
        return;
    }
    active_.clear();
    activeByMac_.clear();
    round_ = 0;
    const std::vector<WaveStep>& steps = plan_.waves[wave_];
    for (size_t i = 0; i < steps.size(); ++i) {
        const WaveStep& step = steps[i];
        DeviceResult& result = results_[step.move];
        const auto blocker = std::find_if(
            step.after.begin(), step.after.end(), [&](size_t move) { return failed_[move]; });
        if (blocker != step.after.end()) {
            // Its new address is still held by a device that did not move; one parked on the
            // way stays where it is.
            failed_[step.move] = true;
            const bool parked = result.status == DeviceStatus::Parked;
            if (!parked)
                result.status = DeviceStatus::NotTried;
            result.error = QStringLiteral("%1: %2 did not leave the address %3")
                               .arg(parked ? QStringLiteral("parked at ") + result.address
                                           : QStringLiteral("not tried"),
                                   results_[*blocker].mac, toText(step.address));
            continue;
        }
        result.wave = static_cast<int>(wave_) + 1;
        reports_[step.move] = {};
        Active active = activeOf(step);
        active.step = i;
        activeByMac_[keyOf(changes_[step.move].mac)] = active_.size();
        active_.push_back(std::move(active));
    }
    attempt_ = 0;
    if (active_.empty()) {
        nextWave();
        return;
    }
    emit progress(QStringLiteral("wave %1 of %2: %3\n")
                      .arg(wave_ + 1)
                      .arg(plan_.waves.size())
                      .arg(counted(static_cast<qsizetype>(active_.size()), QStringLiteral("device"),
                          QStringLiteral("devices"))));
    startAttempt();
}

void WaveEngine::startAttempt()
{
    step_ = 0;
    runStep();
}

void WaveEngine::runStep()
{
    if (step_ >= options_.steps.size()) {
        endAttempt();
        return;
    }
    const EngineStep& step = options_.steps[step_];
    switch (step.kind) {
    case EngineStep::Kind::Configurations:
        round_ = 0;
        sendRound();
        return;
    case EngineStep::Kind::Settle:
        settle();
        return;
    case EngineStep::Kind::Unicasts:
        sendUnicasts();
        return;
    case EngineStep::Kind::Confirm:
        startConfirm();
        return;
    case EngineStep::Kind::Pause:
        later(step.seconds, &WaveEngine::stepEnded);
        return;
    case EngineStep::Kind::Call:
        step.call();
        if (running_)
            stepEnded();
        return;
    }
}

void WaveEngine::stepEnded()
{
    ++step_;
    // Through the event loop: a caller waiting for the run sees each step end.
    later(0, &WaveEngine::runStep);
}

void WaveEngine::sendRound()
{
    roundStart_ = clock_.now();
    for (const Active& active : active_)
        if (!active.confirmed) {
            queue(broadcast, active.config);
            ++configurationsSent_;
        }
    ++round_;
    afterDrain_ = round_ < options_.repetitions ? &WaveEngine::sendRound : &WaveEngine::stepEnded;
    whenDrained();
    emit roundSent();
}

void WaveEngine::settle()
{
    // The pause lets a restarted device hear its Wiegand format and login; a wave with none
    // (a chain of new addresses) asks at once.
    const bool unicasts = std::any_of(active_.begin(), active_.end(),
        [](const Active& a) { return !a.confirmed && (!a.unicasts.empty() || a.reset); });
    later(unicasts ? settleSeconds : 0.0, &WaveEngine::stepEnded);
}

void WaveEngine::sendUnicasts()
{
    for (const Active& active : active_) {
        if (active.confirmed)
            continue;
        for (const auto& [address, datagram] : active.unicasts)
            for (int i = 0; i < unicastRepeats; ++i)
                queue(address, datagram);
        // Once, last: a device restarting would miss anything after it.
        if (active.reset)
            queue(changes_[plan_.waves[wave_][active.step].move].plan.config.ip, *active.reset);
    }
    afterDrain_ = &WaveEngine::stepEnded;
    whenDrained();
}

void WaveEngine::startConfirm()
{
    confirming_ = true;
    if (const auto& ask = options_.steps[step_].call) {
        ask();
        confirming_ = false;
        if (running_)
            stepEnded();
        return;
    }
    confirmEnd_ = clock_.now() + options_.confirmSeconds;
    askAgain();
}

void WaveEngine::askAgain()
{
    if (std::all_of(active_.begin(), active_.end(), [](const Active& a) { return a.confirmed; })
        || clock_.now() >= confirmEnd_) {
        confirming_ = false;
        stepEnded();
        return;
    }
    queue(broadcast, enquiryDatagram());
    afterDrain_ = nullptr;
    pump();
    later(askSpacing, &WaveEngine::askAgain);
}

void WaveEngine::onRecord(const std::string& record)
{
    if (!confirming_)
        return;
    const auto mac = recordMac(record);
    if (!mac)
        return;
    const auto found = activeByMac_.find(keyOf(*mac));
    if (found == activeByMac_.end())
        return;
    Active& active = active_[found->second];
    if (active.confirmed)
        return;
    // A field the device does not report at all is one it has not: nothing to hold against it.
    const auto fields = static_cast<size_t>(std::count(record.begin(), record.end(), ',')) + 1;
    std::vector<ReportedField> reported;
    for (const ReportedField& field : active.expected)
        if (static_cast<size_t>(field.first) < fields)
            reported.push_back(field);
    Report& report = reports_[plan_.waves[wave_][active.step].move];
    report.heard = true;
    report.differing = differingFields(record, reported);
    active.confirmed = report.differing.empty();
    // Asked by the caller, the step ends when the caller's asking does.
    if (active.confirmed && !options_.steps[step_].call
        && std::all_of(
            active_.begin(), active_.end(), [](const Active& a) { return a.confirmed; })) {
        stepTimer_.stop();
        nextStep_ = nullptr;
        confirming_ = false;
        stepEnded();
    }
}

void WaveEngine::endAttempt()
{
    const std::vector<WaveStep>& steps = plan_.waves[wave_];
    const auto unconfirmed = std::count_if(
        active_.begin(), active_.end(), [](const Active& a) { return !a.confirmed; });
    if (unconfirmed > 0 && attempt_ < options_.retries) {
        ++attempt_;
        ++retriesUsed_;
        emit progress(
            QStringLiteral("wave %1: %2 again (retry %3 of %4)\n")
                .arg(wave_ + 1)
                .arg(counted(unconfirmed, QStringLiteral("device"), QStringLiteral("devices")))
                .arg(attempt_)
                .arg(options_.retries));
        startAttempt();
        return;
    }
    for (const Active& active : active_) {
        const WaveStep& step = steps[active.step];
        DeviceResult& result = results_[step.move];
        if (active.confirmed) {
            takeConfirmed(active);
            continue;
        }
        failed_[step.move] = true;
        result.status = DeviceStatus::NotConfirmed;
        const Report& report = reports_[step.move];
        QStringList differing;
        for (const FieldChange& field : report.differing)
            differing << QStringLiteral("%1 is %2, wanted %3")
                             .arg(field.field, field.before, field.after);
        if (!report.heard)
            differing << QStringLiteral("no reply");
        if (!unicastRefusal_.isEmpty() && !active.unicasts.empty())
            differing << QStringLiteral("a send refused: ") + unicastRefusal_;
        result.error = QStringLiteral("not confirmed within %1 s after %2 tries: %3")
                           .arg(options_.confirmSeconds)
                           .arg(attempt_ + 1)
                           .arg(differing.join(QStringLiteral("; ")));
    }
    nextWave();
}

void WaveEngine::takeConfirmed(const Active& active)
{
    const WaveStep& step = plan_.waves[wave_][active.step];
    DeviceResult& result = results_[step.move];
    // Parked on a spare, it is confirmed only once it reaches its own address.
    const bool parked = step.address != changes_[step.move].plan.config.ip;
    result.status = parked ? DeviceStatus::Parked : DeviceStatus::Confirmed;
    result.address = parked ? toText(step.address) : QString();
    result.error = parked ? QStringLiteral("parked at ") + result.address : QString();
}

void WaveEngine::interrupt()
{
    if (!running_)
        return;
    interrupted_ = true;
    if (queue_.empty())
        endInterrupted();
}

void WaveEngine::endInterrupted()
{
    for (const Active& active : active_) {
        DeviceResult& result = results_[plan_.waves[wave_][active.step].move];
        if (active.confirmed) {
            takeConfirmed(active);
        } else if (round_ > 0) {
            result.status = DeviceStatus::Sent;
            result.error = QStringLiteral("interrupted before it confirmed");
        }
    }
    for (DeviceResult& result : results_)
        if (result.status == DeviceStatus::NotTried && result.error.isEmpty())
            result.error = QStringLiteral("not tried: interrupted");
    finish();
}

void WaveEngine::nextWave()
{
    ++wave_;
    startWave();
}

void WaveEngine::finish()
{
    stop();
    emit finished();
}

void WaveEngine::queue(const std::string& destination, const std::string& datagram)
{
    queue_.emplace_back(destination, datagram);
}

void WaveEngine::whenDrained()
{
    if (!pumpTimer_.isActive()) {
        lastPump_ = clock_.now();
        allowance_ = 1;
    }
    pump();
}

void WaveEngine::pump()
{
    const double now = clock_.now();
    // No burst above a hundredth of a second's worth: the rate holds over any short span too.
    const double burst = std::max(1.0, options_.rate / 100.0);
    allowance_ = std::min(burst, allowance_ + (now - lastPump_) * options_.rate);
    lastPump_ = now;
    while (!queue_.empty() && allowance_ >= 1) {
        const auto& [destination, datagram] = queue_.front();
        link_.setDestination(destination);
        const bool sent = link_.send(datagram);
        // The system's buffer full: the same datagram a moment later, for a while.
        if (!sent && link_.lastSendBusy() && now - busySince_.value_or(now) < busyPatience) {
            busySince_ = busySince_.value_or(now);
            allowance_ = 0;
            break;
        }
        busySince_.reset();
        if (!sent && destination != broadcast) {
            // One device's address unreachable (its neighbour entry failed, say) is that
            // device's failure: the wave's retry sends to it again, its result tells.
            unicastRefusal_ = link_.lastSendError();
        } else if (!sent) {
            refusal_ = QStringLiteral("the system refused to send to ") + link_.lastSendError();
            for (const Active& active : active_) {
                const size_t move = plan_.waves[wave_][active.step].move;
                results_[move].status = DeviceStatus::NotConfirmed;
                results_[move].error = refusal_;
            }
            finish();
            return;
        }
        ++datagramsSent_;
        allowance_ -= 1;
        queue_.pop_front();
    }
    if (!queue_.empty()) {
        if (!pumpTimer_.isActive())
            pumpTimer_.start(clock_.timerMs(pumpSeconds));
        return;
    }
    pumpTimer_.stop();
    if (interrupted_) {
        endInterrupted();
        return;
    }
    if (const auto step = std::exchange(afterDrain_, nullptr)) {
        // Rounds keep their spacing even when a round is sent faster than that.
        const double spacing = step == &WaveEngine::sendRound
            ? std::max(0.0, roundStart_ + options_.roundSpacing - clock_.now())
            : 0.0;
        later(spacing, step);
    }
}

void WaveEngine::later(double seconds, void (WaveEngine::*step)())
{
    if (!running_)
        return;
    nextStep_ = step;
    stepTimer_.start(clock_.timerMs(seconds));
}

void waitForRun(WaveEngine& engine, const Clock& clock)
{
    while (engine.running() && !clock.waitsAborted())
        waitWhileEventsRun(clock, 0.05);
    engine.stop();
}

} // namespace linknode
