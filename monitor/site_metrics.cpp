#include "monitor/site_metrics.h"

#include <map>

namespace linknode {

namespace {
    using Kind = MetricFamily::Kind;

    MetricFamily family(const char* name, const char* help, Kind kind = Kind::Gauge)
    {
        return { name, help, kind, {} };
    }

    // The devices that answer, counted by address: an address two of them hold reaches either.
    std::map<std::string, int> holdersByAddress(const SiteWatch& watch)
    {
        std::map<std::string, int> holders;
        for (const auto& [mac, device] : watch.devices())
            if (SiteWatch::isUp(device) && !device.ip.empty())
                ++holders[device.ip];
        return holders;
    }
}

std::vector<MetricFamily> siteMetrics(const SiteWatch& watch, double now)
{
    MetricFamily up = family("linknode_device_up",
        "1 while the device answers the enquiry, 0 once it missed three rounds in a row.");
    MetricFamily seen = family("linknode_device_last_seen_timestamp_seconds",
        "When the device last answered, in seconds since the epoch.");
    MetricFamily info = family("linknode_device_info",
        "The device's model, firmware and addresses as it last reported them.");
    MetricFamily answering = family("linknode_devices", "Devices that answer.");
    MetricFamily drift = family("linknode_device_drift",
        "1 for each field in which an answering device is not as the site file writes it.");
    MetricFamily age = family("linknode_mqtt_last_message_age_seconds",
        "Seconds since the MQTT gateway last published on its broker (or since its broker "
        "is watched, when it has not yet).");
    double count = 0;
    for (const auto& [mac, device] : watch.devices()) {
        const bool isUp = SiteWatch::isUp(device);
        count += isUp ? 1 : 0;
        up.samples.push_back(
            { { { "mac", device.mac }, { "ip", device.ip }, { "model", device.model } },
                isUp ? 1.0 : 0.0 });
        seen.samples.push_back({ { { "mac", device.mac } }, device.lastSeen });
        info.samples.push_back(
            { { { "mac", device.mac }, { "model", device.model }, { "firmware", device.firmware },
                  { "ip", device.ip }, { "mask", device.mask }, { "gateway", device.gateway } },
                1 });
        if (isUp)
            for (const std::string& field : device.drift)
                drift.samples.push_back({ { { "mac", device.mac }, { "field", field } }, 1 });
        if (device.brokerWatchedSince)
            age.samples.push_back({ { { "mac", device.mac } },
                now - device.lastMessage.value_or(*device.brokerWatchedSince) });
    }
    answering.samples.push_back({ {}, count });

    MetricFamily duplicates = family("linknode_duplicate_address",
        "Devices that answer with the same address, for each address held more than once.");
    for (const auto& [ip, holders] : holdersByAddress(watch))
        if (holders > 1)
            duplicates.samples.push_back({ { { "ip", ip } }, static_cast<double>(holders) });

    std::vector<MetricFamily> families { up, seen, info, answering, duplicates };
    if (const auto duration = watch.lastDuration()) {
        families.push_back(family("linknode_discovery_duration_seconds",
            "How long the last round's discovery took, from the enquiry to its last reply and "
            "the quiet time after it."));
        families.back().samples.push_back({ {}, *duration });
    }
    const ReplyCounts& counts = watch.counts();
    families.push_back(
        family("linknode_replies_total", "Datagrams that came to the reply port.", Kind::Counter));
    families.back().samples.push_back({ {}, static_cast<double>(counts.datagrams) });
    families.push_back(family("linknode_replies_dropped_total",
        "Datagrams not taken as they came: junk (not a reply), oversized (longer than a "
        "record may be: cut, the device still listed), non_mac (naming no device), limit "
        "(a device past the limits of what is held).",
        Kind::Counter));
    for (const auto& [reason, value] :
        { std::pair { "junk", counts.junk }, { "oversized", counts.oversized },
            { "non_mac", counts.notAMac }, { "limit", counts.overLimit } })
        families.back().samples.push_back({ { { "reason", reason } }, static_cast<double>(value) });

    if (!watch.site().empty()) {
        MetricFamily missing = family("linknode_site_missing",
            "1 for a device of the site file that does not answer, 0 for one that does.");
        for (const SiteEntry& entry : watch.site()) {
            const auto held = watch.devices().find(entry.request.mac);
            const bool answers = held != watch.devices().end() && SiteWatch::isUp(held->second);
            missing.samples.push_back(
                { { { "mac", macText(entry.request.mac) } }, answers ? 0.0 : 1.0 });
        }
        families.push_back(std::move(drift));
        families.push_back(std::move(missing));
    }
    if (!age.samples.empty())
        families.push_back(std::move(age));
    return families;
}

} // namespace linknode
