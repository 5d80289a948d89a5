// The wave engine against a fake site: devices that take their configuration when its
// datagram reaches them and answer enquiries with their record. Waves confirm, retries bring
// a device that missed a wave, a device that never confirms stops only those that need its
// address, the rate holds, and a refused broadcast ends the run.
#include "netid/wave_engine.h"

#include "commands/device_datagrams.h"
#include "config/device_record.h"
#include "core/wait.h"
#include "tests/support/fake_socket.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <functional>
#include <gmock/gmock.h>
#include <map>
#include <memory>

using namespace linknode;

namespace {

const std::string broadcast = "255.255.255.255";

std::string recordOf(int n, const std::string& ip)
{
    return "0-80-194-0-0-" + std::to_string(n) + ',' + ip
        + ",255.255.255.0,10.0.0.1,9600,0,0,COPYRIGHT+TAVREN 2.4F,1,10.0.0.2,23,0000,5,16,10,Tav";
}

// `record` with the fields a change expects.
std::string taken(const std::string& record, const PlannedChange& plan)
{
    QStringList fields = QString::fromLatin1(record).split(u',');
    for (const auto& [field, value] : plan.expected)
        if (field < fields.size())
            fields[field] = QString::fromLatin1(value);
    return fields.join(u',').toStdString();
}

struct Device {
    std::string record;
    int missedConfigurations = 0; // configurations it does not hear before it takes one
    bool silent = false;
};

struct Site {
    Clock clock { 50.0 };
    FakeSocket sendSocket { [this] { return clock.now(); } };
    FakeSocket receiveSocket;
    Link link { sendSocket, receiveSocket, clock, 1024, 2024 };
    std::vector<Device> devices;
    std::vector<FleetChange> changes;
    size_t seen = 0;
    QTimer answering;
    QStringList progress; // the engine's progress lines
    std::vector<std::string> spares; // addresses a device may park on

    Site()
    {
        QString error;
        link.bindReceive(&error);
        link.bindSend(&error);
        // Each datagram sent reaches every device: a configuration is taken by the device it
        // was planned for, an enquiry answered by every device that is not silent.
        QObject::connect(&answering, &QTimer::timeout, &answering, [this] {
            for (; seen < sendSocket.sent.size(); ++seen) {
                const std::string datagram = sendSocket.sent[seen].datagram.toStdString();
                for (size_t i = 0; i < changes.size(); ++i) {
                    Device& device = devices[i];
                    if (datagram == networkConfigDatagram(changes[i].plan.config)
                        && device.missedConfigurations-- <= 0)
                        device.record = taken(device.record, changes[i].plan);
                    for (const std::string& spare : spares) {
                        PlannedChange parked = changes[i].plan;
                        parked.config.ip = spare;
                        parked.expected = { { FLD_IP, spare } };
                        if (datagram == networkConfigDatagram(parked.config))
                            device.record = taken(device.record, parked);
                    }
                }
                if (datagram == enquiryDatagram())
                    for (const Device& device : devices)
                        if (!device.silent)
                            receiveSocket.inject(
                                QByteArray("\xFE\xFF") + QByteArray::fromStdString(device.record));
            }
        });
        answering.start(1);
    }

    void add(int n, const std::string& from, const std::string& to, Device device = {})
    {
        device.record = recordOf(n, from);
        ConfigRequest request;
        request.mac = { 0, 80, 194, 0, 0, static_cast<quint8>(n) };
        request.ip = to;
        request.login = "SITE";
        PlannedChange plan = planChange(device.record, request, {});
        changes.push_back({ request.mac, plan, differingFields(device.record, plan.expected) });
        devices.push_back(device);
    }

    std::unique_ptr<WaveEngine> run(const WavePlan& plan, EngineOptions options = {},
        const std::function<void(WaveEngine&)>& prepare = {})
    {
        auto engine = std::make_unique<WaveEngine>(link, clock, options);
        if (prepare)
            prepare(*engine);
        QObject::connect(engine.get(), &WaveEngine::progress, engine.get(),
            [this](const QString& line) { progress << line.trimmed(); });
        QEventLoop loop;
        QObject::connect(engine.get(), &WaveEngine::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(0, engine.get(), [&] { engine->start(changes, plan); });
        QTimer::singleShot(60000, &loop, &QEventLoop::quit); // bounded: a hang fails the test
        loop.exec();
        return engine;
    }
};

WavePlan wavesOf(std::vector<std::vector<WaveStep>> waves)
{
    return { std::move(waves), {} };
}

std::vector<std::string> statuses(const WaveEngine& engine)
{
    std::vector<std::string> list;
    for (const DeviceResult& result : engine.results())
        list.push_back(
            (statusName(result.status) + u'/' + QString::number(result.wave)).toStdString());
    return list;
}

TEST(WaveEngine, WavesConfirmRetriesBringLateDevicesAndAFailureStopsOnlyWhatNeedsIt)
{
    Site site;
    site.add(1, "10.0.0.5", "10.0.0.50",
        { .record = {}, .missedConfigurations = 12, .silent = false }); // misses a whole wave
    site.add(2, "10.0.0.6", "10.0.0.5"); // onto device 1's old address
    site.add(
        3, "10.0.0.7", "10.0.0.60", { .record = {}, .missedConfigurations = 0, .silent = true });
    site.add(4, "10.0.0.8", "10.0.0.7"); // onto the silent device's address
    const WavePlan plan = wavesOf({ { { 0, "10.0.0.50", {} }, { 2, "10.0.0.60", {} } },
        { { 1, "10.0.0.5", { 0 } }, { 3, "10.0.0.7", { 2 } } } });
    const auto engine
        = site.run(plan, { .repetitions = 10, .retries = 1, .rate = 5000, .confirmSeconds = 2 });
    EXPECT_THAT(statuses(*engine),
        testing::ElementsAre("confirmed/1", "confirmed/2", "not-confirmed/1", "not-tried/0"));
    EXPECT_THAT(engine->results()[2].error.toStdString(), testing::HasSubstr("no reply"));
    EXPECT_THAT(engine->results()[3].error.toStdString(), testing::HasSubstr("0-80-194-0-0-3"));
    EXPECT_EQ(engine->retriesUsed(), 1);
    EXPECT_EQ(site.progress,
        QStringList({ QStringLiteral("wave 1 of 2: 2 devices"),
            QStringLiteral("wave 1: 2 devices again (retry 1 of 1)"),
            QStringLiteral("wave 2 of 2: 1 device") }));
    // Wave 1 twice (the retry only for the two unconfirmed), wave 2 once for its one device.
    EXPECT_EQ(engine->configurationsSent(), 20 + 20 + 10);
    // The login goes to the new address, never before the configurations of its wave.
    const auto& sent = site.sendSocket.sent;
    const auto firstLogin = std::find_if(sent.begin(), sent.end(),
        [](const auto& s) { return s.datagram.startsWith("\xFE\xFF\x0B"); });
    ASSERT_NE(firstLogin, sent.end());
    EXPECT_EQ(firstLogin->host.toString(), QStringLiteral("10.0.0.50"));
    const QByteArray enquiry = QByteArray::fromStdString(enquiryDatagram());
    EXPECT_EQ(std::count_if(
                  sent.begin(), firstLogin, [&](const auto& s) { return s.datagram == enquiry; }),
        0)
        << "no enquiry before the wave's configurations and logins are out";
}

// An exchange through a spare whose partner never moves: the parked device is told parked,
// with the spare it holds, not as one never tried.
TEST(WaveEngine, ADeviceLeftOnASpareIsParkedThere)
{
    Site site;
    site.spares = { "10.0.0.99" };
    site.add(1, "10.0.0.5", "10.0.0.6");
    site.add(
        2, "10.0.0.6", "10.0.0.5", { .record = {}, .missedConfigurations = 0, .silent = true });
    const WavePlan plan = wavesOf(
        { { { 0, "10.0.0.99", {} } }, { { 1, "10.0.0.5", { 0 } } }, { { 0, "10.0.0.6", { 1 } } } });
    const auto engine
        = site.run(plan, { .repetitions = 2, .retries = 0, .rate = 5000, .confirmSeconds = 1 });
    EXPECT_THAT(statuses(*engine), testing::ElementsAre("parked/1", "not-confirmed/2"));
    const DeviceResult& parked = engine->results()[0];
    EXPECT_EQ(parked.address, QStringLiteral("10.0.0.99"));
    EXPECT_THAT(parked.error.toStdString(),
        testing::HasSubstr("parked at 10.0.0.99: 0-80-194-0-0-2 did not leave"));
}

// Interrupted, the round in flight goes out whole, then the run ends telling each device.
TEST(WaveEngine, AnInterruptEndsAfterTheRoundInFlight)
{
    Site site;
    site.add(1, "10.0.0.5", "10.0.0.50");
    site.add(2, "10.0.0.6", "10.0.0.60");
    const auto engine
        = site.run(wavesOf({ { { 0, "10.0.0.50", {} } }, { { 1, "10.0.0.60", {} } } }),
            { .repetitions = 10 }, [](WaveEngine& engine) {
                QObject::connect(
                    &engine, &WaveEngine::roundSent, &engine, [&engine] { engine.interrupt(); });
            });
    EXPECT_TRUE(engine->interrupted());
    EXPECT_THAT(statuses(*engine), testing::ElementsAre("sent/1", "not-tried/0"));
    EXPECT_EQ(engine->configurationsSent(), 1);
    EXPECT_EQ(engine->results()[1].error, QStringLiteral("not tried: interrupted"));
}

TEST(WaveEngine, NoSecondHoldsMoreDatagramsThanTheRate)
{
    Site site;
    for (int n = 1; n <= 30; ++n)
        site.add(n, "10.0.0." + std::to_string(n), "10.0.1." + std::to_string(n));
    std::vector<WaveStep> wave;
    for (size_t i = 0; i < 30; ++i)
        wave.push_back({ i, "10.0.1." + std::to_string(i + 1), {} });
    const auto engine = site.run(wavesOf({ wave }), { .rate = 200 });
    EXPECT_THAT(statuses(*engine), testing::Each(std::string("confirmed/1")));
    const auto& sent = site.sendSocket.sent;
    for (size_t i = 0; i + 210 < sent.size(); i += 50)
        EXPECT_GE(sent[i + 210].time - sent[i].time, 1.0) << "from datagram " << i;
}

// A reset asked for goes once to each device's new address, after its login; never otherwise.
TEST(WaveEngine, AResetGoesOnceLastAndOnlyWhenAsked)
{
    for (const bool reset : { false, true }) {
        Site site;
        site.add(1, "10.0.0.5", "10.0.0.50");
        const auto engine = site.run(wavesOf({ { { 0, "10.0.0.50", {} } } }),
            { .repetitions = 2, .retries = 0, .rate = 5000, .confirmSeconds = 2, .reset = reset });
        EXPECT_THAT(statuses(*engine), testing::ElementsAre("confirmed/1"));
        std::vector<std::string> unicasts; // "kind address", in order
        for (const auto& sent : site.sendSocket.sent)
            if (sent.host.toString() == u"10.0.0.50")
                unicasts.push_back(
                    (sent.datagram.toStdString() == resetDatagram("10.0.0.50") ? "reset "
                                                                               : "login ")
                    + sent.host.toString().toStdString());
        std::vector<std::string> wanted(3, "login 10.0.0.50");
        if (reset)
            wanted.push_back("reset 10.0.0.50");
        EXPECT_EQ(unicasts, wanted) << reset;
    }
}

TEST(WaveEngine, ARefusedBroadcastEndsTheRun)
{
    Site site;
    site.add(1, "10.0.0.5", "10.0.0.50");
    site.add(2, "10.0.0.6", "10.0.0.60");
    site.sendSocket.failSend = QStringLiteral("Network is unreachable");
    const auto engine
        = site.run(wavesOf({ { { 0, "10.0.0.50", {} } }, { { 1, "10.0.0.60", {} } } }));
    EXPECT_THAT(engine->refusal().toStdString(), testing::HasSubstr("Network is unreachable"));
    EXPECT_THAT(statuses(*engine), testing::ElementsAre("not-confirmed/1", "not-tried/0"));
}

// A caller's own steps run in their order around the engine's, its asking confirms the wave,
// and a field the device does not report at all (a firmware without a login) is not held
// against it.
TEST(WaveEngine, ACallersStepsRunInOrderAndItsAskingConfirms)
{
    for (const bool reportsLogin : { true, false }) {
        Site site;
        site.add(1, "10.0.0.5", "10.0.0.50");
        if (!reportsLogin)
            site.devices[0].record.resize(site.devices[0].record.rfind(','));
        std::vector<std::string> steps;
        const auto configurations = [&] {
            return std::to_string(std::ranges::count_if(site.sendSocket.sent,
                [](const auto& s) { return s.host.toString() == u"255.255.255.255"; }));
        };
        using Kind = EngineStep::Kind;
        EngineOptions options { .repetitions = 3, .retries = 0 };
        options.steps = { { Kind::Call, 0, [&] { steps.push_back("first " + configurations()); } },
            { Kind::Configurations, 0, {} }, { Kind::Pause, 1.0, {} },
            { Kind::Confirm, 0,
                [&] {
                    steps.push_back("asked " + configurations());
                    site.link.setDestination(broadcast);
                    site.link.send(enquiryDatagram());
                    waitWhileEventsRun(site.clock, 0.5);
                } },
            { Kind::Call, 0, [&] { steps.push_back("last"); } } };
        const auto engine = site.run(wavesOf({ { { 0, "10.0.0.50", {} } } }), options);
        EXPECT_THAT(steps, testing::ElementsAre("first 0", "asked 3", "last"));
        EXPECT_THAT(statuses(*engine), testing::ElementsAre("confirmed/1")) << reportsLogin;
        EXPECT_TRUE(engine->report(0).heard);
        const auto& sent = site.sendSocket.sent;
        EXPECT_GE(sent[3].time - sent[2].time, 1.0 - 1e-6) << "the pause after the rounds";
    }
}

} // namespace
