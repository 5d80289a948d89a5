#include "cli/verbs/mqtt_check.h"

#include "cli/run/exit_codes.h"
#include "core/shown_text.h"
#include "mqtt/mqtt_payload.h"

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

    // Where a gateway that seems silent may be stopped: told with every wait that ran out.
    const QString silentGateway = QStringLiteral(
        "the broker may refuse the gateway's login or its access list deny its publishes");
}

MqttCheck::MqttCheck(CheckPlan plan, QObject* parent)
    : QObject(parent)
    , plan_(std::move(plan))
    , sensor_(sensorTemplate(plan_.gateway))
    , connect_(connectTemplate(plan_.gateway))
{
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, &MqttCheck::timeUp);
    connect(&client_, &MqttClient::connected, this, &MqttCheck::subscribe);
    connect(&client_, &MqttClient::subscribed, this, &MqttCheck::acknowledge);
    connect(&client_, &MqttClient::messageReceived, this,
        [this](const QString& topic, const QByteArray& payload, int, bool retained) {
            take(topic, payload, retained);
        });
    connect(&client_, &MqttClient::connectFailed, this, [this](const QString& reason) {
        const QString broker = brokerName(plan_.settings);
        end(ExitFailure,
            refusesCredentials(reason)
                ? QStringLiteral("not authorised: %1 refused user \"%2\" (%3)")
                      .arg(broker, plan_.settings.user, reason)
                : QStringLiteral("broker unreachable: %1 (%2)").arg(broker, reason));
    });
    connect(&client_, &MqttClient::disconnected, this, [this](const QString& reason) {
        end(ExitFailure,
            QStringLiteral("broker unreachable: %1 closed the connection (%2)")
                .arg(brokerName(plan_.settings), reason));
    });
}

void MqttCheck::start()
{
    elapsed_.start();
    deadline_.start(static_cast<int>(std::lround(plan_.seconds * 1000)));
    // A topic no broker takes is the gateway's settings' fault, and one that would take it but
    // gives no subscription is this program's: neither is the broker's.
    const std::pair<const MessageTemplate*, const char*> templates[]
        = { { &sensor_, "sensor topic" }, { &connect_, "connect topic" } };
    for (const auto& [messages, what] : templates) {
        if (!messages->topicProblem().isEmpty())
            return end(ExitFailure,
                QStringLiteral("malformed topic: the gateway's %1 %2: it can publish nothing "
                               "there (set gives it another with --mqtt-topic or "
                               "--mqtt-connect-topic)")
                    .arg(QLatin1String(what), caretForm(messages->topicProblem())));
        for (const QString& subscription : messages->subscriptions()) {
            if (const QString problem = subscriptionProblem(subscription); !problem.isEmpty())
                return end(ExitFailure,
                    QStringLiteral("linknode built the malformed subscription \"%1\" from the %2 "
                                   "(%3): a fault of linknode's")
                        .arg(caretForm(subscription), QLatin1String(what), problem));
            if (!subscriptions_.contains(subscription))
                subscriptions_ << subscription;
        }
    }
    QString problem;
    if (!client_.connectTo(plan_.settings, &problem))
        end(ExitFailure,
            QStringLiteral("broker unreachable: %1 (%2)").arg(brokerName(plan_.settings), problem));
}

void MqttCheck::subscribe()
{
    connected_ = true;
    unanswered_ = subscriptions_;
    for (const QString& subscription : subscriptions_) {
        QString problem;
        if (!client_.subscribe(subscription, 0, &problem))
            return end(ExitFailure,
                QStringLiteral("linknode could not subscribe to \"%1\" (%2): a fault of "
                               "linknode's")
                    .arg(caretForm(subscription), problem));
    }
}

void MqttCheck::acknowledge(const QString& pattern, bool granted)
{
    if (!granted)
        return end(ExitFailure,
            QStringLiteral("not authorised: %1 refused user \"%2\" the subscription %3")
                .arg(brokerName(plan_.settings), plan_.settings.user, caretForm(pattern)));
    unanswered_.removeOne(pattern);
    // Reset once every subscription stands, so the reconnection cannot be missed.
    if (unanswered_.isEmpty() && plan_.reset && !resetSent_) {
        resetSent_ = true;
        if (const QString refused = plan_.reset(); !refused.isEmpty())
            end(ExitFailure, refused);
    }
}

bool MqttCheck::endsOnPayload(
    const QString& topic, const QByteArray& payload, const QString& message)
{
    if (!isJsonTemplate(message))
        return false;
    QJsonParseError error {};
    QJsonDocument::fromJson(payload, &error);
    if (error.error == QJsonParseError::NoError)
        return false;
    end(ExitFailure,
        QStringLiteral("payload not JSON: %1 (topic %2: %3 at %4)")
            .arg(cutText(caretForm(mqttText(payload)), quotedPayloadWidth), caretForm(topic),
                error.errorString())
            .arg(error.offset));
    return true;
}

void MqttCheck::take(const QString& topic, const QByteArray& payload, bool retained)
{
    // A retained message was published before: it tells nothing of the gateway now.
    if (retained || ended_)
        return;
    const bool onSensorTopic = sensor_.fitsTopic(topic);
    const bool onConnectTopic = connect_.fitsTopic(topic);
    // Where both share a topic (Domoticz), the payload tells them apart.
    if (onConnectTopic && (!onSensorTopic || connect_.fitsPayload(payload))) {
        // The gateway's when it carries its MAC, or else when it comes on the session the
        // reset started; before the reset, none counts.
        const bool own = connect_.namesGateway() ? connect_.isGateways(payload) : resetSent_;
        if (own && (!plan_.reset || resetSent_)
            && !endsOnPayload(topic, payload, plan_.gateway.connectMessage))
            connectSeen_ = true;
        return;
    }
    if (!onSensorTopic)
        return;
    if (sensor_.namesGateway() && !sensor_.isGateways(payload)) {
        ++othersSeen_;
        return;
    }
    // After a reset, the sensor messages that count are those of the new connection.
    if (plan_.reset && !connectSeen_)
        return;
    if (!sensor_.namesGateway() && !plan_.reset)
        return end(ExitUnattributed,
            QStringLiteral("unattributed: a sensor message came after %1 s on %2, a topic that "
                           "does not name the gateway: it may be another's. %M in the topic or "
                           "message tells the gateway's own; --reset ties them to its connect "
                           "message")
                .arg(seconds(elapsedSeconds()), caretForm(topic)));
    if (endsOnPayload(topic, payload, plan_.gateway.message))
        return;
    firstSensorAfter_ = elapsedSeconds();
    sensorByReset_ = !sensor_.namesGateway();
    end(ExitSuccess, {});
}

void MqttCheck::timeUp()
{
    const QString within = QStringLiteral("within %1 s").arg(plan_.seconds);
    QString others;
    if (othersSeen_ > 0)
        others
            = QStringLiteral("; %1 of other gateways came")
                  .arg(counted(othersSeen_, QStringLiteral("message"), QStringLiteral("messages")));
    if (!connected_)
        end(ExitFailure,
            QStringLiteral("broker unreachable: no answer from %1 %2")
                .arg(brokerName(plan_.settings), within));
    else if (!unanswered_.isEmpty())
        end(ExitFailure,
            QStringLiteral("broker unreachable: %1 did not answer the subscriptions %2")
                .arg(brokerName(plan_.settings), within));
    else if (plan_.reset && !connectSeen_)
        end(ExitFailure,
            QStringLiteral("no connect message %1 after the reset (%2)")
                .arg(within, silentGateway));
    else
        end(ExitFailure,
            QStringLiteral("no sensor message %1 (%2)%3").arg(within, silentGateway, others));
}

void MqttCheck::end(int exitStatus, const QString& failure)
{
    if (ended_)
        return;
    ended_ = true;
    exitStatus_ = exitStatus;
    failure_ = failure;
    deadline_.stop();
    client_.disconnectFrom();
    emit finished();
}

double MqttCheck::elapsedSeconds() const
{
    return static_cast<double>(elapsed_.elapsed()) / 1000;
}

QString MqttCheck::summary() const
{
    QString text = QStringLiteral("%1: broker %2 reachable, user \"%3\" accepted")
                       .arg(plan_.gateway.mac, brokerName(plan_.settings), plan_.settings.user);
    if (plan_.reset)
        text += QStringLiteral(", connect message after the reset");
    text += QStringLiteral(", sensor message after %1 s").arg(seconds(firstSensorAfter_));
    if (sensorByReset_)
        text += QStringLiteral(" (on a topic other gateways may share: told by the reset)");
    if (isJsonTemplate(plan_.gateway.message))
        text += QStringLiteral(", payloads JSON");
    return text;
}

} // namespace linknode
