#pragma once

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <array>

// What a gateway's templates mean to a subscriber. The gateway replaces the placeholders as
// it publishes; the tool knows some of their values from the gateway's record (its MAC and
// firmware version) and puts them in place, so a subscription and a match take this gateway's
// messages, not those of every gateway sharing the template. The others (the readings, the
// gateway's number in its site) stand for any text without "/".
namespace linknode {

// The values the tool knows, as the bytes the gateway puts in (any byte a Latin-1 character).
struct KnownPlaceholders {
    QList<QByteArray> mac; // %M, in every form a gateway may write it
    QByteArray version; // %6
};

// A MAC in the forms a gateway may write it: twelve hexadecimal digits in upper and lower
// case, in pairs joined by ":" or "-", and the devices' own decimal form ("0-80-194-1-2-3").
QList<QByteArray> macForms(const std::array<quint8, 6>& mac);

// One message of a gateway, its topic and payload templates as it holds them (bytes, each a
// Latin-1 character), as a subscriber sees them.
class MessageTemplate {
public:
    MessageTemplate(const QString& topic, const QString& payload, const KnownPlaceholders& known);

    // Why no broker takes a topic the gateway fills in from the template (empty, a wildcard,
    // no UTF-8, too long), naming the topic it gives where a known value made it so; "" when
    // the gateway may publish there.
    QString topicProblem() const { return topicProblem_; }
    // The subscriptions that take every topic it gives: a level holding a placeholder of
    // unknown value is "+", the known values stand in place (a subscription per form of the
    // MAC). None when the topic has a problem.
    QStringList subscriptions() const { return subscriptions_; }
    // Whether the topic, as the broker gives it, and the payload are ones it gives.
    bool fitsTopic(const QString& topic) const;
    bool fitsPayload(const QByteArray& payload) const;
    // Whether its messages tell this gateway from the others: the MAC in the topic or payload.
    bool namesGateway() const { return macInTopic_ || macInPayload_; }
    // Whether a message that fits the topic is this gateway's by the MAC it carries.
    bool isGateways(const QByteArray& payload) const;

private:
    QString topicProblem_;
    QStringList subscriptions_;
    QRegularExpression topicPattern_;
    QRegularExpression payloadPattern_;
    bool macInTopic_ = false;
    bool macInPayload_ = false;
};

// The subscription a topic of one's own asks for, or why none can be made of it ("" when it
// is one: levels with "+" alone, "#" alone and last, UTF-8).
QString subscriptionProblem(const QString& pattern);

} // namespace linknode
