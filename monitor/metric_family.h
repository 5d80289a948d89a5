#pragma once

#include <string>
#include <utility>
#include <vector>

// Metrics as the Prometheus text format names them, without any library's types: the watch
// computes them, the exporter hands them to its HTTP library.
namespace linknode {

struct MetricSample {
    std::vector<std::pair<std::string, std::string>> labels; // name, value (UTF-8)
    double value = 0;
};

struct MetricFamily {
    enum class Kind { Gauge, Counter };
    std::string name;
    std::string help;
    Kind kind = Kind::Gauge;
    std::vector<MetricSample> samples;
};

} // namespace linknode
