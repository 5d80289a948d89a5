// The metrics of a watched site after a series of rounds: devices new, changed, silent, down
// and forgotten, addresses held twice, drift from the site file, what the rounds refused.
#include "monitor/site_metrics.h"

#include <gmock/gmock.h>

using namespace linknode;
using testing::ElementsAreArray;

namespace {

// A device as a round finds it: MAC 0-80-194-1-2-N, a client-mode terminal board.
struct Seen {
    int n;
    std::string ip;
    std::string hostPort = "2101";
    std::string version = "COPYRIGHT+TAVREN KRT 2.4F";
    std::string gateway = "10.0.0.1";
    std::string mode = "1";
};

DeviceEntry entry(const Seen& seen)
{
    return { "0-80-194-1-2-" + std::to_string(seen.n) + "," + seen.ip + ",255.255.255.0,"
            + seen.gateway + ",9600,0,0," + seen.version + "," + seen.mode + ",10.0.0.1,"
            + seen.hostPort + ",0000",
        {}, {} };
}

MacBytes mac(int n)
{
    return { 0, 80, 194, 1, 2, static_cast<std::uint8_t>(n) };
}

struct Round {
    double at;
    std::vector<Seen> devices;
    ReplyCounts counts = {};
    std::vector<int> brokerWatched = {}; // gateways whose broker is watched from now on
    std::vector<std::pair<int, double>> heard = {}; // a gateway's message, and when
};

struct Case {
    const char* what;
    std::vector<Round> rounds;
    std::vector<const char*> families; // the families compared
    std::vector<std::string> expected; // their samples, "name{label=value,...} value"
    const char* site = ""; // the devices of an inventory
    size_t mostDevices = 100;
    double scrapedAfter = 0; // seconds after the last round
};

std::string shown(double value)
{
    std::ostringstream text;
    text << value;
    return text.str();
}

std::vector<std::string> samples(const Case& test)
{
    std::vector<SiteEntry> site;
    if (*test.site) {
        QString problem;
        const auto parsed = parseSite(QByteArray(R"({"format": "linknode-inventory", "version": 1,
            "devices": [)")
                + test.site + "]}",
            &problem);
        EXPECT_TRUE(parsed) << problem.toStdString();
        site = parsed.value_or(std::vector<SiteEntry> {});
    }
    SiteWatch watch(site, test.mostDevices);
    for (const Round& round : test.rounds) {
        std::vector<DeviceEntry> found;
        for (const Seen& seen : round.devices)
            found.push_back(entry(seen));
        watch.count(round.counts);
        watch.takeRound(found, round.at, 1.5);
        for (const int n : round.brokerWatched)
            watch.watchBroker(mac(n), round.at);
        for (const auto& [n, at] : round.heard)
            watch.heardOnBroker(mac(n), at);
    }
    std::vector<std::string> lines;
    for (const MetricFamily& family :
        siteMetrics(watch, test.rounds.back().at + test.scrapedAfter)) {
        if (std::find(test.families.begin(), test.families.end(), family.name)
            == test.families.end())
            continue;
        for (const MetricSample& sample : family.samples) {
            std::string labels;
            for (const auto& [name, value] : sample.labels)
                labels += (labels.empty() ? "" : ",") + name + "=" + value;
            lines.push_back(family.name + "{" + labels + "} " + shown(sample.value));
        }
    }
    return lines;
}

const char* const up = "linknode_device_up";
const char* const devices = "linknode_devices";

TEST(SiteMetrics, FollowTheDevicesRoundAfterRound)
{
    const Case cases[] = {
        { "new devices answer", { { 100, { { 2, "10.0.0.12" }, { 1, "10.0.0.11" } } } },
            { up, devices, "linknode_device_last_seen_timestamp_seconds" },
            { "linknode_device_up{mac=0-80-194-1-2-1,ip=10.0.0.11,model=KRT-40/NX V5 2.4F} 1",
                "linknode_device_up{mac=0-80-194-1-2-2,ip=10.0.0.12,model=KRT-40/NX V5 2.4F} 1",
                "linknode_device_last_seen_timestamp_seconds{mac=0-80-194-1-2-1} 100",
                "linknode_device_last_seen_timestamp_seconds{mac=0-80-194-1-2-2} 100",
                "linknode_devices{} 2" } },
        { "a changed device keeps one series, with its new values",
            { { 0, { { 1, "10.0.0.11" } } },
                { 30, { { 1, "10.0.0.21", "2101", "COPYRIGHT+TAVREN KRT 2.5F" } } } },
            { up, "linknode_device_info" },
            { "linknode_device_up{mac=0-80-194-1-2-1,ip=10.0.0.21,model=KRT-40/NX V5 2.5F} 1",
                "linknode_device_info{mac=0-80-194-1-2-1,model=KRT-40/NX V5 2.5F,firmware=2.5F,"
                "ip=10.0.0.21,mask=255.255.255.0,gateway=10.0.0.1} 1" } },
        { "two silent rounds are still up, the third is down",
            { { 0, { { 1, "10.0.0.11" }, { 2, "10.0.0.12" } } }, { 30, { { 2, "10.0.0.12" } } },
                { 60, { { 1, "10.0.0.11" }, { 2, "10.0.0.12" } } }, { 90, {} }, { 120, {} },
                { 150, { { 1, "10.0.0.11" } } } },
            { up, devices, "linknode_device_last_seen_timestamp_seconds" },
            { "linknode_device_up{mac=0-80-194-1-2-1,ip=10.0.0.11,model=KRT-40/NX V5 2.4F} 1",
                "linknode_device_up{mac=0-80-194-1-2-2,ip=10.0.0.12,model=KRT-40/NX V5 2.4F} 0",
                "linknode_device_last_seen_timestamp_seconds{mac=0-80-194-1-2-1} 150",
                "linknode_device_last_seen_timestamp_seconds{mac=0-80-194-1-2-2} 60",
                "linknode_devices{} 1" } },
        { "a device silent for a day is forgotten",
            { { 0, { { 1, "10.0.0.11" }, { 2, "10.0.0.12" } } }, { 30, { { 2, "10.0.0.12" } } },
                { 60, { { 2, "10.0.0.12" } } }, { 86399, { { 2, "10.0.0.12" } } },
                { 86400, { { 2, "10.0.0.12" } } } },
            { up },
            { "linknode_device_up{mac=0-80-194-1-2-2,ip=10.0.0.12,model=KRT-40/NX V5 2.4F} 1" } },
        { "an address two answering devices hold; a device down holds none",
            { { 0, { { 1, "10.0.0.11" }, { 4, "10.0.0.13" } } },
                { 30, { { 1, "10.0.0.11" }, { 2, "10.0.0.11" }, { 3, "10.0.0.11" } } },
                { 60, { { 1, "10.0.0.11" }, { 2, "10.0.0.11" }, { 3, "10.0.0.11" } } },
                { 90, { { 1, "10.0.0.11" }, { 2, "10.0.0.11" }, { 3, "10.0.0.13" } } } },
            { "linknode_duplicate_address" }, { "linknode_duplicate_address{ip=10.0.0.11} 2" } },
        { "drift from the site file, field by field, and the devices of the file missing",
            { { 0, { { 1, "10.0.0.11" }, { 2, "10.0.0.12", "4000" }, { 4, "10.0.0.14" } } },
                { 30, { { 1, "10.0.0.11" }, { 2, "10.0.0.12", "4000" }, { 4, "10.0.0.40" } } } },
            { "linknode_device_drift", "linknode_site_missing" },
            { "linknode_device_drift{mac=0-80-194-1-2-2,field=ip} 1",
                "linknode_device_drift{mac=0-80-194-1-2-2,field=hostPort} 1",
                "linknode_device_drift{mac=0-80-194-1-2-4,field=ip} 1",
                "linknode_site_missing{mac=0-80-194-1-2-1} 0",
                "linknode_site_missing{mac=0-80-194-1-2-2} 0",
                "linknode_site_missing{mac=0-80-194-1-2-3} 1",
                "linknode_site_missing{mac=0-80-194-1-2-4} 0" },
            R"({"mac": "0-80-194-1-2-1", "ip": "10.0.0.11", "hostPort": "2101"},
               {"mac": "0-80-194-1-2-2", "ip": "10.0.0.22", "hostPort": "2101"},
               {"mac": "0-80-194-1-2-3", "ip": "10.0.0.13"},
               {"mac": "0-80-194-1-2-4", "ip": "10.0.0.14"})" },
        { "a device whose own gateway no check passes drifts only where it differs; a mode "
          "for a device without one is drift",
            { { 0,
                { { 5, "10.0.0.15", "2101", "COPYRIGHT+TAVREN KRT 2.4F", "" },
                    { 6, "10.0.0.16", "2101", "COPYRIGHT+TAVREN KRT 2.4F", "" },
                    { 7, "10.0.0.17", "23", "COPYRIGHT+TAVREN KRT-40 1.2B", "10.0.0.1", "" } } } },
            { "linknode_device_drift" },
            { "linknode_device_drift{mac=0-80-194-1-2-6,field=ip} 1",
                "linknode_device_drift{mac=0-80-194-1-2-7,field=mode} 1" },
            R"({"mac": "0-80-194-1-2-5", "ip": "10.0.0.15", "hostPort": "2101"},
               {"mac": "0-80-194-1-2-6", "ip": "10.0.0.66"},
               {"mac": "0-80-194-1-2-7", "ip": "10.0.0.17", "mode": "server"})" },
        { "a device of the file down has no drift, only its absence",
            { { 0, { { 1, "10.0.0.99" } } }, { 30, {} }, { 60, {} }, { 90, {} } },
            { "linknode_device_drift", "linknode_site_missing" },
            { "linknode_site_missing{mac=0-80-194-1-2-1} 1" },
            R"({"mac": "0-80-194-1-2-1", "ip": "10.0.0.11"})" },
        { "past the limit new devices are refused and counted, the file's are still taken",
            { { 0, { { 1, "10.0.0.11" }, { 2, "10.0.0.12" } } },
                { 30, { { 3, "10.0.0.13" }, { 9, "10.0.0.19" }, { 1, "10.0.0.11" } },
                    { .datagrams = 9, .junk = 1, .oversized = 1, .notAMac = 2, .overLimit = 3 } } },
            { devices, "linknode_replies_total", "linknode_replies_dropped_total" },
            { "linknode_devices{} 3", "linknode_replies_total{} 9",
                "linknode_replies_dropped_total{reason=junk} 1",
                "linknode_replies_dropped_total{reason=oversized} 1",
                "linknode_replies_dropped_total{reason=non_mac} 2",
                "linknode_replies_dropped_total{reason=limit} 4" },
            R"({"mac": "0-80-194-1-2-9"})", 2 },
        { "labels hold no device text but the model's caption, in caret form",
            { { 0,
                { { 1, "10.0.0.1\x1b[2J", "2101", "COPYRIGHT+TAVREN KRT 2\r4F" },
                    { 2, "10.0.0.12", "2101", "COPYRIGHT+TAVREN " + std::string(200, 'K') } } } },
            { up },
            { "linknode_device_up{mac=0-80-194-1-2-1,ip=,model=KRT-40/NX V5 2^13^4F} 1",
                "linknode_device_up{mac=0-80-194-1-2-2,ip=10.0.0.12,model=KRT-40/NX V5 KKKK} 1" } },
        { "the age of a gateway's last message on its broker, or of the watch when none came",
            { { 100, { { 1, "10.0.0.11" }, { 2, "10.0.0.12" }, { 3, "10.0.0.13" } }, {}, { 1, 2 },
                { { 1, 110 } } } },
            { "linknode_mqtt_last_message_age_seconds" },
            { "linknode_mqtt_last_message_age_seconds{mac=0-80-194-1-2-1} 20",
                "linknode_mqtt_last_message_age_seconds{mac=0-80-194-1-2-2} 30" },
            "", 100, 30 },
    };
    for (const Case& test : cases)
        EXPECT_THAT(samples(test), ElementsAreArray(test.expected)) << test.what;
}

} // namespace
