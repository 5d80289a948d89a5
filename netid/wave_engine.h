#pragma once

#include "core/clock.h"
#include "link/link.h"
#include "netid/change_comparison.h"
#include "netid/config_repetition.h"
#include "netid/device_result.h"
#include "netid/wave_plan.h"

#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// Runs devices' changes in waves: the configurations of a whole wave by MAC to the limited
// broadcast, round after round, then each device's Wiegand format and login to its new
// address, then discoveries until the wave reports what was written; or the steps a caller
// gives (the window's save has its own). Driven by timers and the link's signals, one state
// per run: it never waits inside a call, only a caller's own step may.
namespace linknode {

struct FleetChange {
    MacBytes mac {};
    PlannedChange plan; // to the device's written state
    std::vector<FieldChange> changes; // what differs now, for the result
};

// One step of what a wave does to its devices not yet confirmed, in the order given.
struct EngineStep {
    enum class Kind {
        Configurations, // each device's configuration by MAC to the broadcast address, in rounds
        Settle, // a second, when a device is to hear a unicast: it is back from taking its address
        Unicasts, // each device's Wiegand format and login to its address, then its reset
        Confirm, // asks until every device reports what was written, or confirmSeconds pass
        Pause, // `seconds`
        Call, // the caller's own step, which may wait inside
    };
    Kind kind;
    double seconds = 0;
    // Call: the step itself. Confirm: asks once by it instead of by the engine's enquiries.
    std::function<void()> call;
};

// The steps of a run of the command line: rounds, a pause, the unicasts, the confirmation.
std::vector<EngineStep> commandLineSteps();

struct EngineOptions {
    int repetitions = 10; // rounds of configurations
    double roundSpacing = configurationSpacing; // seconds from one round to the next at least
    int retries = 2; // a wave again for the devices that did not confirm it
    int rate = 5000; // datagrams a second at most: 4 to 5 Mbit/s, a few % of 100 Mbit/s
    double confirmSeconds = 10; // how long a wave's devices have to report the written values
    bool reset = false; // each device reset at its address once its values are sent
    std::vector<EngineStep> steps = commandLineSteps();
};

class WaveEngine : public QObject {
    Q_OBJECT
public:
    WaveEngine(Link& link, const Clock& clock, EngineOptions options, QObject* parent = nullptr);

    // Runs `plan`, whose moves are `changes` in the same order; finished() when done.
    void start(std::vector<FleetChange> changes, WavePlan plan);
    // Ends the run where it is: nothing more is sent, finished() is not emitted.
    void stop();
    // Ends the run once the datagrams already queued are out (a round is never cut), then
    // finished(): the devices of the wave in flight that were sent their values are `sent`,
    // those after it `not-tried`.
    void interrupt();
    bool interrupted() const { return interrupted_; }
    bool running() const { return running_; }
    // The wave running now, from 0.
    size_t wave() const { return wave_; }

    // What a device last reported while its wave was confirmed.
    struct Report {
        bool heard = false;
        std::vector<FieldChange> differing; // the written fields it does not report as written
    };
    const Report& report(size_t change) const { return reports_[change]; }

    // One per change, in their order, with the wave it ran in.
    const std::vector<DeviceResult>& results() const { return results_; }
    int configurationsSent() const { return configurationsSent_; }
    int datagramsSent() const { return datagramsSent_; }
    int retriesUsed() const { return retriesUsed_; }
    // The send the system refused, which ended the run ("" when none).
    const QString& refusal() const { return refusal_; }

signals:
    void progress(const QString& line);
    void roundSent(); // one round of configurations
    void finished();

private:
    // One step of the current wave as it is sent and confirmed.
    struct Active {
        size_t step; // into the wave
        std::string config; // the configuration datagram
        std::vector<std::pair<std::string, std::string>> unicasts; // address, datagram
        std::optional<std::string> reset; // to the device's address after the unicasts
        std::vector<std::pair<RecordField, std::string>> expected;
        bool confirmed = false;
    };
    // The result of the device of `active`, sent its values: confirmed, or parked on the way.
    void takeConfirmed(const Active& active);
    void endInterrupted();
    void startWave();
    void startAttempt();
    void runStep();
    void stepEnded();
    void sendRound();
    void settle();
    void sendUnicasts();
    void startConfirm();
    void askAgain();
    void endAttempt();
    void nextWave();
    void finish();
    void queue(const std::string& destination, const std::string& datagram);
    void pump();
    void whenDrained();
    void onRecord(const std::string& record);
    void later(double seconds, void (WaveEngine::*step)());
    Active activeOf(const WaveStep& step) const;

    Link& link_;
    const Clock& clock_;
    EngineOptions options_;
    std::vector<FleetChange> changes_;
    WavePlan plan_;
    std::vector<DeviceResult> results_;
    std::vector<bool> failed_; // per move: its wave did not confirm
    std::vector<Report> reports_; // per move
    std::vector<Active> active_;
    std::unordered_map<std::string, size_t> activeByMac_; // MAC bytes -> into active_
    size_t wave_ = 0;
    size_t step_ = 0; // into options_.steps
    int attempt_ = 0;
    int round_ = 0;
    double roundStart_ = 0;
    double confirmEnd_ = 0;
    bool confirming_ = false; // replies are compared with what was written
    bool running_ = false;
    bool interrupted_ = false;
    std::deque<std::pair<std::string, std::string>> queue_;
    double lastPump_ = 0;
    std::optional<double> busySince_; // when the system's send buffer was first found full
    double allowance_ = 0;
    QTimer pumpTimer_;
    QTimer stepTimer_;
    void (WaveEngine::*afterDrain_)() = nullptr;
    void (WaveEngine::*nextStep_)() = nullptr;
    int configurationsSent_ = 0;
    int datagramsSent_ = 0;
    int retriesUsed_ = 0;
    QString refusal_;
    QString unicastRefusal_; // the last send to one device's address the system refused
};

// For the window, whose handlers wait in nested loops: waits with events running until the
// run ends or the window closes, and stops what is left of it.
void waitForRun(WaveEngine& engine, const Clock& clock);

} // namespace linknode
