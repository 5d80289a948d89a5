#include "cli/verbs/mqtt_watch.h"

#include "cli/output/output_format.h"
#include "cli/verbs/mqtt_gateway.h"
#include "core/json_text.h"
#include "mqtt/mqtt_payload.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace linknode {

namespace {
    Row messageRow(const QString& time, const QString& topic, const QString& payload)
    {
        return { { QStringLiteral("time"), time }, { QStringLiteral("topic"), topic },
            { QStringLiteral("payload"), payload } };
    }

    // A CSV row without the header line, which the watch writes once at its start.
    QString csvRow(const Row& row)
    {
        QString text;
        int piece = 0;
        writeCsv(
            1, [&](size_t) { return row; },
            [&](const QString& line) {
                if (piece++ > 0)
                    text += line;
            });
        return text;
    }

    // The keys in jsonText's order, written directly: a busy broker brings thousands a second.
    QString jsonLine(const QString& time, const QString& topic, const QString& payload,
        const QByteArray& bytes, int qos, bool retained)
    {
        const QJsonObject fields = payloadFields(bytes);
        QString line = QStringLiteral("{\"fields\":");
        line += fields.isEmpty()
            ? QStringLiteral("{}")
            : QString::fromUtf8(jsonText(QJsonDocument(fields), QJsonDocument::Compact));
        line += QLatin1String(",\"payload\":");
        appendJsonString(line, payload);
        line += QLatin1String(",\"qos\":") + QString::number(qos)
            + QLatin1String(retained ? ",\"retained\":true" : ",\"retained\":false")
            + QLatin1String(",\"time\":");
        appendJsonString(line, time);
        line += QLatin1String(",\"topic\":");
        appendJsonString(line, topic);
        return line + QLatin1String("}\n");
    }
}

struct MqttWatch::Broker {
    WatchConnection connection;
    MqttClient client;
    QTimer retry;
    int waitSeconds = firstRetrySeconds;
    bool wasUp = false; // connected once: a loss is made good again
    bool over = false;

    QString name() const { return brokerName(connection.settings); }
};

MqttWatch::MqttWatch(std::vector<WatchConnection> connections, const WatchOutput& output,
    Console& console, QObject* parent)
    : QObject(parent)
    , output_(output)
    , console_(console)
    , lines_(console)
{
    for (WatchConnection& connection : connections) {
        auto broker = std::make_unique<Broker>();
        broker->connection = std::move(connection);
        brokers_.push_back(std::move(broker));
    }
}

MqttWatch::~MqttWatch()
{
    lines_.flush();
}

void MqttWatch::start()
{
    if (output_.format == OutputFormat::Csv)
        console_.out(QStringLiteral("time,topic,payload\r\n"));
    live_ = static_cast<int>(brokers_.size());
    for (const auto& owned : brokers_) {
        Broker& broker = *owned;
        broker.client.setParent(this);
        broker.retry.setSingleShot(true);
        connect(&broker.retry, &QTimer::timeout, this, [this, &broker] { attempt(broker); });
        connect(&broker.client, &MqttClient::connected, this, [this, &broker] {
            if (broker.wasUp)
                console_.err(QStringLiteral("linknode: %1: connected again\n").arg(broker.name()));
            broker.wasUp = true;
            broker.waitSeconds = firstRetrySeconds;
            subscribe(broker);
        });
        connect(&broker.client, &MqttClient::subscribed, this,
            [this, &broker](const QString& pattern, bool granted) {
                if (granted)
                    return;
                lostAny_ = true;
                console_.err(QStringLiteral("linknode: %1 refused user \"%2\" the subscription %3 "
                                            "(not authorised)\n")
                                 .arg(broker.name(), broker.connection.settings.user, pattern));
            });
        connect(&broker.client, &MqttClient::messageReceived, this, &MqttWatch::write);
        connect(&broker.client, &MqttClient::connectFailed, this,
            [this, &broker](const QString& reason) { lose(broker, reason, false); });
        connect(&broker.client, &MqttClient::disconnected, this,
            [this, &broker](const QString& reason) { lose(broker, reason, true); });
        attempt(broker);
    }
}

void MqttWatch::attempt(Broker& broker)
{
    QString problem;
    if (!broker.client.connectTo(broker.connection.settings, &problem))
        giveUp(broker, problem);
}

void MqttWatch::subscribe(Broker& broker)
{
    for (const QString& subscription : broker.connection.subscriptions) {
        QString problem;
        if (!broker.client.subscribe(subscription, 0, &problem)) {
            lostAny_ = true;
            console_.err(QStringLiteral("linknode: %1: linknode could not subscribe to %2 (%3)\n")
                             .arg(broker.name(), subscription, problem));
        }
    }
}

void MqttWatch::lose(Broker& broker, const QString& reason, bool wasUp)
{
    if (broker.over)
        return;
    // A broker that cannot be had at the start is not waited for, as mosquitto_sub does not.
    if (!broker.wasUp)
        return giveUp(broker, reason);
    if (output_.once) {
        giveUp(broker, QStringLiteral("connection lost (%1)").arg(reason));
        return emit finished();
    }
    console_.err(
        QStringLiteral("linknode: %1: %2 (%3); connecting again in %4 s\n")
            .arg(broker.name(),
                wasUp ? QStringLiteral("connection lost") : QStringLiteral("cannot connect"),
                reason)
            .arg(broker.waitSeconds));
    broker.retry.start(broker.waitSeconds * 1000);
    broker.waitSeconds = std::min(broker.waitSeconds * 2, longestRetrySeconds);
}

void MqttWatch::giveUp(Broker& broker, const QString& reason)
{
    if (broker.over)
        return;
    broker.over = true;
    lostAny_ = true;
    console_.err(QStringLiteral("linknode: %1: %2\n").arg(broker.name(), reason));
    if (--live_ == 0)
        emit finished();
}

QString MqttWatch::now()
{
    // The date and second change far less often than messages come.
    const qint64 milliseconds = QDateTime::currentMSecsSinceEpoch();
    const qint64 second = milliseconds / 1000;
    if (second != timeSecond_) {
        timeSecond_ = second;
        timePrefix_ = QDateTime::fromSecsSinceEpoch(second, Qt::UTC).toString(Qt::ISODate);
        timePrefix_.chop(1); // the "Z", which follows the milliseconds
        timePrefix_ += u'.';
    }
    return timePrefix_ + QString::number(milliseconds % 1000).rightJustified(3, u'0') + u'Z';
}

void MqttWatch::write(const QString& topic, const QByteArray& payload, int qos, bool retained)
{
    if (output_.count > 0 && written_ >= output_.count)
        return;
    const QString time = now();
    const QString text = mqttText(payload);
    switch (output_.format) {
    case OutputFormat::Json:
        lines_.write(jsonLine(time, topic, text, payload, qos, retained));
        break;
    case OutputFormat::Csv:
        lines_.write(csvRow(messageRow(time, topic, text)));
        break;
    case OutputFormat::Table:
        lines_.write(
            QStringLiteral("%1  %2  %3\n")
                .arg(time,
                    output_.wide ? caretForm(topic) : cutMiddle(caretForm(topic), tableCellWidth),
                    output_.wide ? caretForm(text) : cutText(caretForm(text), tableCellWidth)));
        break;
    }
    ++written_;
    if (output_.count > 0 && written_ >= output_.count) {
        lines_.flush();
        emit finished();
    } else if (!flushing_) {
        flushing_ = true;
        QTimer::singleShot(0, this, &MqttWatch::flush);
    }
}

void MqttWatch::flush()
{
    flushing_ = false;
    lines_.flush();
    if (!console_.outputFailure().isEmpty())
        emit finished();
}

} // namespace linknode
