#include "cli/verbs/site_exporter.h"

#include "cli/run/verb_support.h"
#include "cli/verbs/interrupt_notifier.h"
#include "core/latin1.h"
#include "monitor/site_metrics.h"

#include <QDateTime>
#include <cmath>

namespace linknode {

namespace {
    double secondsSinceEpoch()
    {
        return static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000;
    }
}

SiteExporter::SiteExporter(
    Session& session, SiteWatch watch, const ExporterPlan& plan, Console& console, QObject* parent)
    : QObject(parent)
    , session_(session)
    , plan_(plan)
    , console_(console)
    , watch_(std::move(watch))
    , junkBefore_(session.link().rejectedCount())
{
    // Every datagram counts, also one that comes between rounds.
    connect(&session_.link(), &Link::recordReceived, this,
        [this](const std::string& record, const QString&, bool cut) { takeRecord(record, cut); });
    if (plan_.brokers) {
        brokers_ = std::make_unique<BrokerWatch>(*plan_.brokers, console_);
        connect(brokers_.get(), &BrokerWatch::heard, this, &SiteExporter::heard);
    }
    next_.setSingleShot(true);
    connect(&next_, &QTimer::timeout, this, &SiteExporter::round);
}

SiteExporter::~SiteExporter() = default;

void SiteExporter::run()
{
    InterruptNotifier interrupt;
    connect(&interrupt, &InterruptNotifier::interrupted, this, [this] {
        stopping_ = true;
        // A round's discovery in progress ends at once.
        session_.abortWaits();
        loop_.quit();
    });
    next_.start(0);
    loop_.exec();
    next_.stop();
}

std::vector<MetricFamily> SiteExporter::metrics() const
{
    const std::lock_guard lock(lock_);
    return siteMetrics(watch_, secondsSinceEpoch());
}

void SiteExporter::takeRecord(const std::string& record, bool cut)
{
    ++counted_.datagrams;
    counted_.oversized += cut ? 1 : 0;
    counted_.notAMac += recordMac(record) ? 0 : 1;
}

void SiteExporter::round()
{
    const double start = session_.now();
    const std::vector<DeviceEntry> found = session_.discover({}, lookupSeconds);
    if (stopping_)
        return;
    const double duration = session_.now() - start;
    if (!session_.sendFailure().isEmpty() && !std::exchange(toldSendFailure_, true))
        console_.err(
            QStringLiteral("linknode: %1; asking again every round\n").arg(session_.sendFailure()));

    ReplyCounts counts = std::exchange(counted_, {});
    const quint64 junk = session_.link().rejectedCount();
    counts.junk = junk - std::exchange(junkBefore_, junk);
    counts.datagrams += counts.junk;
    counts.overLimit = session_.repliesPastLimit();
    QStringList watched;
    if (brokers_) {
        std::vector<DeviceEntry> gateways;
        std::copy_if(found.begin(), found.end(), std::back_inserter(gateways),
            [](const DeviceEntry& entry) { return isMqttGateway(entry); });
        watched = brokers_->follow(gateways);
    }
    {
        const std::lock_guard lock(lock_);
        const double now = secondsSinceEpoch();
        watch_.count(counts);
        watch_.takeRound(found, now, duration);
        for (const QString& mac : watched)
            if (const auto bytes = strictMac(toBytes(mac)))
                watch_.watchBroker(*bytes, now);
    }
    const double wait = start + plan_.every - session_.now();
    next_.start(static_cast<int>(std::lround(std::max(wait, 0.0) * 1000)));
}

void SiteExporter::heard(const QString& mac)
{
    const auto bytes = strictMac(toBytes(mac));
    if (!bytes)
        return;
    const std::lock_guard lock(lock_);
    watch_.heardOnBroker(*bytes, secondsSinceEpoch());
}

} // namespace linknode
