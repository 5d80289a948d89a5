#pragma once

#include "cli/output/console.h"
#include "cli/run/session.h"
#include "cli/verbs/broker_watch.h"
#include "monitor/metric_family.h"
#include "monitor/site_watch.h"

#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace linknode {

struct ExporterPlan {
    double every = 30; // seconds from one round's enquiry to the next
    // With them, the brokers of the MQTT gateways are watched too.
    std::optional<MqttOverrides> brokers;
};

// Rounds of one enquiry each, every so many seconds, until interrupted (SIGINT, SIGTERM):
// each round's devices and the fate of every datagram at the reply port go into the watch,
// which the metrics are read from at any time, from any thread.
class SiteExporter : public QObject {
    Q_OBJECT
public:
    SiteExporter(Session& session, SiteWatch watch, const ExporterPlan& plan, Console& console,
        QObject* parent = nullptr);
    ~SiteExporter() override;

    // Returns once interrupted.
    void run();
    std::vector<MetricFamily> metrics() const;

private:
    void round();
    void takeRecord(const std::string& record, bool cut);
    void heard(const QString& mac);

    Session& session_;
    ExporterPlan plan_;
    Console& console_;
    mutable std::mutex lock_;
    SiteWatch watch_; // under lock_
    ReplyCounts counted_; // since the last round
    quint64 junkBefore_ = 0;
    std::unique_ptr<BrokerWatch> brokers_;
    QEventLoop loop_;
    QTimer next_;
    bool stopping_ = false;
    bool toldSendFailure_ = false;
};

} // namespace linknode
