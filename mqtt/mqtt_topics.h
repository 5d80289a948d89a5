#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// What a gateway's templates mean to a subscriber: the placeholders the gateway replaces,
// the subscription that matches every topic a template gives, and the values a payload holds.
namespace linknode {

// "%1", "%M", "%2", "%S" (followed by two digits), "%3", "%4", "%R", "%5", "%B", "%6".
const QStringList& mqttPlaceholders();

// The subscription for a topic template: each level holding a placeholder becomes "+"; a
// placeholder in the last level whose value may hold "/" makes it "#". A template without
// placeholders is its own subscription.
QString subscriptionOf(const QString& topicTemplate);

// The values a sensor payload carries when it is JSON: "sensor", "temperature", "battery",
// "rssi" as the payload names them (the Domoticz and SOTI templates' keys mapped to these);
// empty for a payload that is no JSON object.
QJsonObject payloadFields(const QByteArray& payload);

} // namespace linknode
