#include "cli/verbs/mqtt_watch.h"

#include "cli/output/output_format.h"
#include "cli/verbs/mqtt_gateway.h"
#include "core/json_text.h"
#include "mqtt/mqtt_topics.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

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

    QString tableCell(const QString& text, bool wide)
    {
        return wide ? caretForm(text) : cutText(caretForm(text), tableCellWidth);
    }
}

MqttWatch::MqttWatch(std::vector<WatchConnection> connections, const WatchOutput& output,
    Console& console, QObject* parent)
    : QObject(parent)
    , connections_(std::move(connections))
    , output_(output)
    , console_(console)
{
}

void MqttWatch::start()
{
    if (output_.format == OutputFormat::Csv)
        console_.out(QStringLiteral("time,topic,payload\r\n"));
    live_ = static_cast<int>(connections_.size());
    lost_.assign(connections_.size(), false);
    for (size_t i = 0; i < connections_.size(); ++i) {
        const WatchConnection& connection = connections_[i];
        auto* client = new MqttClient(this);
        connect(client, &MqttClient::connected, this, [this, client, &connection] {
            for (const QString& subscription : connection.subscriptions)
                if (!client->subscribe(subscription))
                    console_.err(QStringLiteral("linknode: %1 refused the subscription %2\n")
                                     .arg(brokerName(connection.settings), subscription));
        });
        connect(client, &MqttClient::messageReceived, this, &MqttWatch::write);
        connect(client, &MqttClient::connectFailed, this,
            [this, i](const QString& reason) { lose(i, reason); });
        connect(client, &MqttClient::disconnected, this, [this, i](const QString& reason) {
            lose(i, QStringLiteral("connection lost (%1)").arg(reason));
        });
        QString problem;
        if (!client->connectTo(connection.settings, &problem))
            lose(i, problem);
    }
}

void MqttWatch::write(const QString& topic, const QByteArray& payload)
{
    if (output_.count > 0 && written_ >= output_.count)
        return;
    const QString time = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    const QString text = QString::fromLatin1(payload);
    switch (output_.format) {
    case OutputFormat::Json: {
        const QJsonObject line { { QStringLiteral("time"), time },
            { QStringLiteral("topic"), topic }, { QStringLiteral("payload"), text },
            { QStringLiteral("fields"), payloadFields(payload) } };
        console_.out(
            QString::fromUtf8(jsonText(QJsonDocument(line), QJsonDocument::Compact)) + u'\n');
        break;
    }
    case OutputFormat::Csv:
        console_.out(csvRow(messageRow(time, topic, text)));
        break;
    case OutputFormat::Table:
        console_.out(QStringLiteral("%1  %2  %3\n")
                         .arg(time, tableCell(topic, output_.wide), tableCell(text, output_.wide)));
        break;
    }
    ++written_;
    if ((output_.count > 0 && written_ >= output_.count) || !console_.outputFailure().isEmpty())
        emit finished();
}

void MqttWatch::lose(size_t connection, const QString& reason)
{
    if (lost_[connection])
        return;
    lost_[connection] = true;
    console_.err(QStringLiteral("linknode: %1: %2\n")
                     .arg(brokerName(connections_[connection].settings), reason));
    if (--live_ == 0)
        emit finished();
}

} // namespace linknode
