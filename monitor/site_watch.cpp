#include "monitor/site_watch.h"

#include "core/shown_text.h"
#include "fleet/device_values.h"
#include "monitor/device_drift.h"

namespace linknode {

namespace {
    QString rowValue(const Row& row, const char* name)
    {
        for (const auto& [key, value] : row)
            if (key == QLatin1String(name))
                return value.toString();
        return {};
    }

    std::string addressLabel(const QString& text)
    {
        return parseAddress(text).value_or(std::string());
    }

    // A model's caption is a name of the tool's own and four characters of the record.
    std::string textLabel(const QString& text)
    {
        return caretForm(text).toStdString();
    }
}

SiteWatch::SiteWatch(std::vector<SiteEntry> site, size_t mostDevices)
    : site_(std::move(site))
    , mostDevices_(mostDevices)
{
    for (const SiteEntry& entry : site_)
        siteOf_[entry.request.mac] = &entry;
}

void SiteWatch::takeRound(const std::vector<DeviceEntry>& found, double now, double duration)
{
    lastDuration_ = duration;
    for (auto& [mac, device] : devices_)
        ++device.silentRounds;
    for (const DeviceEntry& entry : found)
        if (const auto mac = recordMac(entry.record))
            take(*mac, entry, now);
    std::erase_if(devices_, [&](const auto& held) {
        return !isUp(held.second) && now - held.second.lastSeen >= forgetAfter;
    });
}

void SiteWatch::take(const MacBytes& mac, const DeviceEntry& entry, double now)
{
    auto held = devices_.find(mac);
    const auto site = siteOf_.find(mac);
    if (held == devices_.end()) {
        if (devices_.size() >= mostDevices_ && site == siteOf_.end()) {
            ++counts_.overLimit;
            return;
        }
        held = devices_.emplace(mac, WatchedDevice {}).first;
        held->second.mac = macText(mac);
    }
    WatchedDevice& device = held->second;
    const Row row = summaryRow(entry);
    device.ip = addressLabel(rowValue(row, "ip"));
    device.mask = addressLabel(rowValue(row, "mask"));
    device.gateway = addressLabel(rowValue(row, "gateway"));
    device.model = textLabel(rowValue(row, "model"));
    device.firmware = textLabel(rowValue(row, "firmware"));
    device.lastSeen = now;
    device.silentRounds = 0;
    if (site != siteOf_.end())
        device.drift = driftedFields(entry.record, site->second->request);
}

void SiteWatch::count(const ReplyCounts& counts)
{
    counts_.datagrams += counts.datagrams;
    counts_.junk += counts.junk;
    counts_.oversized += counts.oversized;
    counts_.notAMac += counts.notAMac;
    counts_.overLimit += counts.overLimit;
}

void SiteWatch::watchBroker(const MacBytes& mac, double now)
{
    const auto held = devices_.find(mac);
    if (held != devices_.end() && !held->second.brokerWatchedSince)
        held->second.brokerWatchedSince = now;
}

void SiteWatch::heardOnBroker(const MacBytes& mac, double now)
{
    const auto held = devices_.find(mac);
    if (held != devices_.end())
        held->second.lastMessage = now;
}

} // namespace linknode
