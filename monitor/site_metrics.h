#pragma once

#include "monitor/metric_family.h"
#include "monitor/site_watch.h"

#include <vector>

namespace linknode {

// The watch as metric families at `now`, in a fixed order, samples in MAC or address order:
// linknode_device_up, _last_seen_timestamp_seconds, _info, linknode_devices,
// linknode_duplicate_address, linknode_discovery_duration_seconds (once a round ended),
// linknode_replies_total, linknode_replies_dropped_total; with a site file
// linknode_device_drift and linknode_site_missing (in the file's order); for the gateways
// whose broker is watched linknode_mqtt_last_message_age_seconds.
std::vector<MetricFamily> siteMetrics(const SiteWatch& watch, double now);

} // namespace linknode
