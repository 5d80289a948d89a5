#include "cli/verbs/metrics_endpoint.h"

#include "fleet/device_values.h"

#include <CivetServer.h>
#include <mutex>
#include <prometheus/collectable.h>
#include <prometheus/exposer.h>
#include <prometheus/metric_family.h>

namespace linknode {

namespace {
    // What the server says while it starts: why it could not listen. Its threads may log
    // later too, hence the lock.
    std::mutex startMessagesLock;
    std::string startMessages;

    int keepStartMessage(const mg_connection*, const char* message)
    {
        const std::lock_guard lock(startMessagesLock);
        if (startMessages.empty())
            startMessages = message;
        return 1;
    }

    prometheus::MetricFamily served(MetricFamily family)
    {
        prometheus::MetricFamily out;
        out.name = std::move(family.name);
        out.help = std::move(family.help);
        const bool counter = family.kind == MetricFamily::Kind::Counter;
        out.type = counter ? prometheus::MetricType::Counter : prometheus::MetricType::Gauge;
        out.metric.reserve(family.samples.size());
        for (MetricSample& sample : family.samples) {
            prometheus::ClientMetric metric;
            for (auto& [name, value] : sample.labels)
                metric.label.push_back({ std::move(name), std::move(value) });
            (counter ? metric.counter.value : metric.gauge.value) = sample.value;
            out.metric.push_back(std::move(metric));
        }
        return out;
    }
}

std::optional<std::string> parseListenAddress(const QString& text)
{
    const qsizetype colon = text.lastIndexOf(u':');
    const auto address = parseAddress(text.left(colon));
    const auto port = parsePort(text.mid(colon + 1));
    if (colon < 1 || !address || !port)
        return std::nullopt;
    return *address + ":" + *port;
}

class MetricsEndpoint::Families : public prometheus::Collectable {
public:
    explicit Families(Metrics metrics)
        : metrics_(std::move(metrics))
    {
    }
    std::vector<prometheus::MetricFamily> Collect() const override
    {
        std::vector<prometheus::MetricFamily> families;
        for (MetricFamily& family : metrics_())
            families.push_back(served(std::move(family)));
        return families;
    }

private:
    Metrics metrics_;
};

std::unique_ptr<MetricsEndpoint> MetricsEndpoint::open(
    const std::string& address, Metrics metrics, QString* problem)
{
    static CivetCallbacks callbacks;
    callbacks.log_message = keepStartMessage;
    {
        const std::lock_guard lock(startMessagesLock);
        startMessages.clear();
    }
    std::unique_ptr<MetricsEndpoint> endpoint(new MetricsEndpoint);
    endpoint->families_ = std::make_shared<Families>(std::move(metrics));
    try {
        // Two threads, each keeping the memory of its largest scrape for its next one (30 MB
        // with 10000 devices), and a client that sends nothing is dropped: an idle client
        // cannot hold both while Prometheus waits to scrape.
        endpoint->exposer_ = std::make_unique<prometheus::Exposer>(
            std::vector<std::string> {
                "listening_ports", address, "num_threads", "2", "request_timeout_ms", "5000" },
            &callbacks);
    } catch (const std::exception& error) {
        const std::lock_guard lock(startMessagesLock);
        // The server's own words name the address and the system's reason.
        *problem = QString::fromStdString(startMessages.empty()
                ? "cannot listen at " + address + ": " + error.what()
                : startMessages);
        return nullptr;
    }
    endpoint->exposer_->RegisterCollectable(endpoint->families_);
    return endpoint;
}

MetricsEndpoint::~MetricsEndpoint() = default;

} // namespace linknode
