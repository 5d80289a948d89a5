#pragma once

#include "cli/verbs/mqtt_gateway.h"
#include "mqtt/mqtt_client.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

namespace linknode {

struct CheckPlan {
    MqttGateway gateway;
    MqttSettings settings;
    double seconds = 15;
    // Resets the gateway once the subscriptions stand, giving why the system refused it ("":
    // sent). None: no reset, and no connect message is asked for.
    std::function<QString()> reset;
};

// Whether a gateway's publishing works, from the broker's side, in this order: the broker
// answers, it takes the credentials, after a reset the gateway's connect message comes, a
// sensor message comes (after that connect message), and every message of a JSON template is
// JSON. Ends at the first that fails or once all hold, within the plan's seconds.
class MqttCheck : public QObject {
    Q_OBJECT
public:
    explicit MqttCheck(CheckPlan plan, QObject* parent = nullptr);

    void start();
    // The first that failed, "" when all held; what held, for the line of success.
    QString failure() const { return failure_; }
    QString summary() const;

signals:
    void finished();

private:
    void subscribe();
    void take(const QString& topic, const QByteArray& payload);
    void timeUp();
    void end(const QString& failure);

    CheckPlan plan_;
    MessageTemplates templates_;
    MqttClient client_;
    QTimer deadline_;
    QElapsedTimer elapsed_;
    bool connected_ = false;
    bool connectSeen_ = false;
    double firstSensorAfter_ = -1;
    bool ended_ = false;
    QString failure_;
};

} // namespace linknode
