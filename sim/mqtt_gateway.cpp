#include "sim/mqtt_gateway.h"

#include <algorithm>

namespace linknode::sim {

namespace {

    constexpr int longestBackoffSeconds = 30;

    QString text(const QByteArray& bytes)
    {
        return QString::fromLatin1(bytes);
    }

    // The broker answered and said no (the client gives its answer without "Connection
    // Refused: "), as against a broker that was never reached (the system's words).
    bool brokerRefused(const QString& reason)
    {
        static const char* const answers[]
            = { "not authori", "bad user name", "identifier rejected",
                  "unacceptable protocol version", "broker unavailable", "unknown reason" };
        return std::any_of(std::begin(answers), std::end(answers), [&reason](const char* answer) {
            return reason.contains(QLatin1StringView(answer), Qt::CaseInsensitive);
        });
    }

} // namespace

MqttGateway::MqttGateway(const Device& device, int number, const MqttOptions& options,
    bool loopbackOnly, Clock clock, Report report, MqttCounts& counts, QObject* parent)
    : QObject(parent)
    , device_(device)
    , number_(number)
    , options_(options)
    , loopbackOnly_(loopbackOnly)
    , clock_(std::move(clock))
    , report_(std::move(report))
    , counts_(counts)
    , client_(this)
    , timer_(this)
{
    connect(&timer_, &QTimer::timeout, this, &MqttGateway::onTimer);
    connect(&client_, &MqttClient::connected, this, &MqttGateway::onConnected);
    connect(&client_, &MqttClient::connectFailed, this, &MqttGateway::onConnectFailed);
    connect(&client_, &MqttClient::disconnected, this, &MqttGateway::onDisconnected);
}

void MqttGateway::review()
{
    if (device_.state.fellSilent) {
        drop(QStringLiteral("fell silent"));
        phase_ = Phase::Off;
        return;
    }
    const double now = clock_();
    const bool restarting = now < device_.state.deafUntil;
    std::optional<GatewaySettings> wanted = gatewaySettings(device_, loopbackOnly_);
    if (reviewed_ && !restarting && wanted == settings_)
        return;
    drop(restarting ? device_.state.deafBecause : QStringLiteral("settings changed"));
    reviewed_ = true;
    settings_ = std::move(wanted);
    backoffSeconds_ = 1;
    if (settings_)
        waitThen(Phase::Waiting, restarting ? device_.state.deafUntil - now : 0.0);
    else
        phase_ = Phase::Off;
}

void MqttGateway::onTimer()
{
    switch (phase_) {
    case Phase::Waiting:
        attempt();
        break;
    case Phase::Connected:
        publishRound();
        break;
    case Phase::Connecting: // the client gives up on a silent broker itself
    case Phase::Off:
        break;
    }
}

void MqttGateway::attempt()
{
    if (!settings_->problem.isEmpty()) {
        // Only other settings can help, so nothing is tried again until they come.
        phase_ = Phase::Off;
        report(QStringLiteral("mqtt-unreachable"),
            { { QStringLiteral("reason"), settings_->problem } });
        return;
    }
    MqttSettings settings;
    settings.host = text(settings_->broker);
    settings.port = settings_->port;
    settings.clientId = text(settings_->clientId);
    settings.user = text(settings_->user);
    settings.password = settings_->password;
    QString problem;
    if (!client_.connectTo(settings, &problem)) {
        retryLater(QStringLiteral("mqtt-unreachable"), problem);
        return;
    }
    phase_ = Phase::Connecting;
}

void MqttGateway::onConnected()
{
    backoffSeconds_ = 1;
    report(QStringLiteral("mqtt-connected"),
        { { QStringLiteral("clientId"), text(settings_->clientId) } });
    if (!settings_->connectTopic.isEmpty())
        publish(settings_->connectTopic, settings_->connectMessage, gatewayFacts(device_, number_),
            std::nullopt);
    phase_ = Phase::Connected;
    timer_.setSingleShot(false);
    timer_.start(static_cast<int>(options_.everySeconds * 1000));
}

void MqttGateway::onConnectFailed(const QString& reason)
{
    if (phase_ != Phase::Connecting)
        return;
    retryLater(
        brokerRefused(reason) ? QStringLiteral("mqtt-refused") : QStringLiteral("mqtt-unreachable"),
        reason);
}

void MqttGateway::onDisconnected(const QString& reason)
{
    if (phase_ != Phase::Connected)
        return;
    retryLater(QStringLiteral("mqtt-disconnected"), reason);
}

void MqttGateway::publishRound()
{
    // An empty sensor topic: the gateway has nowhere to put its readings.
    if (settings_->topic.isEmpty())
        return;
    const double now = clock_();
    const GatewayFacts facts = gatewayFacts(device_, number_);
    for (int sensor = 1; sensor <= options_.sensors; ++sensor)
        publish(settings_->topic, settings_->message, facts, sensorReading(sensor, now));
}

void MqttGateway::publish(const QByteArray& topic, const QByteArray& message,
    const GatewayFacts& facts, const std::optional<SensorReading>& reading)
{
    const bool sent = client_.publish(
        text(fillPlaceholders(topic, facts, reading)), fillPlaceholders(message, facts, reading));
    ++(sent ? counts_.published : counts_.publishFailed);
}

// Leaves the broker at once; the journal says why when a connection was up.
void MqttGateway::drop(const QString& reason)
{
    timer_.stop();
    if (phase_ == Phase::Connected)
        report(QStringLiteral("mqtt-disconnected"), { { QStringLiteral("reason"), reason } });
    if (phase_ == Phase::Connected || phase_ == Phase::Connecting)
        client_.disconnectFrom();
}

void MqttGateway::retryLater(const QString& event, const QString& reason)
{
    report(event,
        { { QStringLiteral("reason"), reason }, { QStringLiteral("retryIn"), backoffSeconds_ } });
    waitThen(Phase::Waiting, backoffSeconds_);
    backoffSeconds_ = std::min(backoffSeconds_ * 2, longestBackoffSeconds);
}

void MqttGateway::waitThen(Phase phase, double seconds)
{
    phase_ = phase;
    timer_.setSingleShot(true);
    timer_.start(static_cast<int>(std::max(0.0, seconds) * 1000));
}

void MqttGateway::report(const QString& event, QJsonObject details)
{
    details.insert(u"event", event);
    details.insert(u"device", text(device_.mac));
    details.insert(u"broker", text(settings_->broker) + u':' + QString::number(settings_->port));
    report_(std::move(details));
}

} // namespace linknode::sim
