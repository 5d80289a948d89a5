#pragma once

#include "cli/verbs/mqtt_gateway.h"
#include "mqtt/mqtt_client.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace linknode {

struct CheckPlan {
    MqttGateway gateway;
    MqttSettings settings;
    double seconds = 15;
    // Resets the gateway once the broker took the subscriptions, giving why the system
    // refused it ("": sent). None: no reset, and no connect message is asked for.
    std::function<QString()> reset;
};

// Whether a gateway's publishing works, from the broker's side, in this order: its topics
// are ones a broker takes, the broker answers, it takes the credentials and the
// subscriptions, after a reset the gateway's connect message comes, a sensor message of this
// gateway comes (after that connect message), and every message of a JSON template is JSON.
// A message is this gateway's when it carries its MAC (%M in the topic or message), or, after
// a reset, when it follows the connect message the reset brought; a sensor message that
// cannot be told to be its own ends the check unattributed. Retained messages, which tell of
// the past, do not count. Ends at the first that fails or once all hold, within the plan's
// seconds.
class MqttCheck : public QObject {
    Q_OBJECT
public:
    explicit MqttCheck(CheckPlan plan, QObject* parent = nullptr);

    void start();
    // The first that failed, "" when all held, and the exit status that tells it: 1, or
    // ExitUnattributed for a message that may be another gateway's.
    QString failure() const { return failure_; }
    int exitStatus() const { return exitStatus_; }
    // What held, for the line of success.
    QString summary() const;

signals:
    void finished();

private:
    void subscribe();
    void acknowledge(const QString& pattern, bool granted);
    void take(const QString& topic, const QByteArray& payload, bool retained);
    // Whether a payload of a JSON template is no JSON: the check has then ended.
    bool endsOnPayload(const QString& topic, const QByteArray& payload, const QString& message);
    void timeUp();
    void end(int exitStatus, const QString& failure);
    double elapsedSeconds() const;

    CheckPlan plan_;
    MessageTemplate sensor_;
    MessageTemplate connect_;
    QStringList subscriptions_;
    QStringList unanswered_;
    MqttClient client_;
    QTimer deadline_;
    QElapsedTimer elapsed_;
    bool connected_ = false;
    bool resetSent_ = false;
    bool connectSeen_ = false;
    int othersSeen_ = 0; // sensor messages of other gateways
    double firstSensorAfter_ = -1;
    bool sensorByReset_ = false; // told to be the gateway's by the reset's connect message
    bool ended_ = false;
    int exitStatus_ = 0;
    QString failure_;
};

} // namespace linknode
