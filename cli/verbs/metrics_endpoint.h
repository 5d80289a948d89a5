#pragma once

#include "monitor/metric_family.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace prometheus {
class Exposer;
}

namespace linknode {

// An address and port to listen at, "127.0.0.1:9464": an IPv4 address and a port 1 to 65535;
// none otherwise.
std::optional<std::string> parseListenAddress(const QString& text);

// /metrics over HTTP in the Prometheus text format, served by prometheus-cpp's own server on
// threads of its own: a scrape is answered while the event loop is busy with a round.
class MetricsEndpoint {
public:
    // Called on the server's threads at each scrape.
    using Metrics = std::function<std::vector<MetricFamily>()>;

    // Listens at `address` (see parseListenAddress); none, with the address and the system's
    // reason, when it cannot (the port is in use, the address is not this host's).
    static std::unique_ptr<MetricsEndpoint> open(
        const std::string& address, Metrics metrics, QString* problem);
    ~MetricsEndpoint();

private:
    class Families;
    MetricsEndpoint() = default;

    std::shared_ptr<Families> families_;
    std::unique_ptr<prometheus::Exposer> exposer_;
};

} // namespace linknode
