#include "cli/verbs/mqtt_check.h"

#include "core/shown_text.h"
#include "mqtt/mqtt_topics.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <cmath>

namespace linknode {

namespace {
    constexpr qsizetype quotedPayloadWidth = 80;

    // The broker's refusal of the credentials, told apart from a broker that cannot be reached.
    bool refusesCredentials(const QString& reason)
    {
        return reason.contains(QLatin1String("authori"), Qt::CaseInsensitive)
            || reason.contains(QLatin1String("user name or password"), Qt::CaseInsensitive);
    }

    QString seconds(double value)
    {
        return QString::number(value, 'f', 1);
    }
}

MqttCheck::MqttCheck(CheckPlan plan, QObject* parent)
    : QObject(parent)
    , plan_(std::move(plan))
    , templates_(plan_.gateway)
{
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, &MqttCheck::timeUp);
    connect(&client_, &MqttClient::connected, this, &MqttCheck::subscribe);
    connect(&client_, &MqttClient::messageReceived, this, &MqttCheck::take);
    connect(&client_, &MqttClient::connectFailed, this, [this](const QString& reason) {
        const QString broker = brokerName(plan_.settings);
        end(refusesCredentials(reason)
                ? QStringLiteral("not authorised: %1 refused user \"%2\" (%3)")
                      .arg(broker, plan_.settings.user, reason)
                : QStringLiteral("broker unreachable: %1 (%2)").arg(broker, reason));
    });
    connect(&client_, &MqttClient::disconnected, this, [this](const QString& reason) {
        end(QStringLiteral("broker unreachable: %1 closed the connection (%2)")
                .arg(brokerName(plan_.settings), reason));
    });
}

void MqttCheck::start()
{
    elapsed_.start();
    deadline_.start(static_cast<int>(std::lround(plan_.seconds * 1000)));
    QString problem;
    if (!client_.connectTo(plan_.settings, &problem))
        end(QStringLiteral("broker unreachable: %1 (%2)").arg(brokerName(plan_.settings), problem));
}

void MqttCheck::subscribe()
{
    connected_ = true;
    QStringList subscriptions { subscriptionOf(plan_.gateway.topic) };
    if (!subscriptions.contains(subscriptionOf(plan_.gateway.connectTopic)))
        subscriptions << subscriptionOf(plan_.gateway.connectTopic);
    for (const QString& subscription : subscriptions)
        if (!client_.subscribe(subscription))
            return end(QStringLiteral("not authorised: %1 refused the subscription %2")
                           .arg(brokerName(plan_.settings), subscription));
    if (plan_.reset) {
        const QString refused = plan_.reset();
        if (!refused.isEmpty())
            end(refused);
    }
}

void MqttCheck::take(const QString& topic, const QByteArray& payload)
{
    const MqttMessageKind kind = templates_.kindOf(topic, payload);
    if (kind == MqttMessageKind::Other)
        return;
    const bool sensor = kind == MqttMessageKind::Sensor;
    if (isJsonTemplate(sensor ? plan_.gateway.message : plan_.gateway.connectMessage)) {
        QJsonParseError error {};
        QJsonDocument::fromJson(payload, &error);
        if (error.error != QJsonParseError::NoError)
            return end(
                QStringLiteral("payload not JSON: %1 (topic %2: %3 at %4)")
                    .arg(cutText(caretForm(QString::fromLatin1(payload)), quotedPayloadWidth),
                        caretForm(topic), error.errorString())
                    .arg(error.offset));
    }
    if (!sensor)
        connectSeen_ = true;
    // After a reset, the sensor messages that count are those of the new connection.
    else if (firstSensorAfter_ < 0 && (connectSeen_ || !plan_.reset))
        firstSensorAfter_ = static_cast<double>(elapsed_.elapsed()) / 1000;
    if (firstSensorAfter_ >= 0)
        end({});
}

void MqttCheck::timeUp()
{
    const QString within = QStringLiteral("within %1 s").arg(plan_.seconds);
    if (!connected_)
        end(QStringLiteral("broker unreachable: no answer from %1 %2")
                .arg(brokerName(plan_.settings), within));
    else if (plan_.reset && !connectSeen_)
        end(QStringLiteral("no connect message %1 after the reset").arg(within));
    else
        end(QStringLiteral("no sensor message %1").arg(within));
}

void MqttCheck::end(const QString& failure)
{
    if (ended_)
        return;
    ended_ = true;
    failure_ = failure;
    deadline_.stop();
    client_.disconnectFrom();
    emit finished();
}

QString MqttCheck::summary() const
{
    QString text = QStringLiteral("%1: broker %2 reachable, user \"%3\" accepted")
                       .arg(plan_.gateway.mac, brokerName(plan_.settings), plan_.settings.user);
    if (plan_.reset)
        text += QStringLiteral(", connect message after the reset");
    text += QStringLiteral(", sensor message after %1 s").arg(seconds(firstSensorAfter_));
    if (isJsonTemplate(plan_.gateway.message))
        text += QStringLiteral(", payloads JSON");
    return text;
}

} // namespace linknode
