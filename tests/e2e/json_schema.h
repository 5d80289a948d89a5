#pragma once

// A JSON Schema validator for the keywords the schemas under docs/ use (draft 2020-12: type,
// required, properties, additionalProperties, items, enum); a schema using any other keyword
// fails, so the schemas cannot drift past what this checks.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>
#include <cmath>

namespace linknode {

// "" when `value` holds to `schema`, else where it does not ("set.devices[0]: no mac").
inline QString schemaViolation(
    const QJsonObject& schema, const QJsonValue& value, const QString& at)
{
    static const QStringList known { QStringLiteral("$schema"), QStringLiteral("$id"),
        QStringLiteral("title"), QStringLiteral("description"), QStringLiteral("type"),
        QStringLiteral("required"), QStringLiteral("properties"),
        QStringLiteral("additionalProperties"), QStringLiteral("items"), QStringLiteral("enum") };
    for (const QString& keyword : schema.keys())
        if (!known.contains(keyword))
            return at + QStringLiteral(": the schema uses ") + keyword;
    const QString type = schema.value(QStringLiteral("type")).toString();
    const bool typed = type.isEmpty() || (type == u"object" && value.isObject())
        || (type == u"array" && value.isArray()) || (type == u"string" && value.isString())
        || (type == u"integer" && value.isDouble()
            && value.toDouble() == std::trunc(value.toDouble()));
    if (!typed)
        return at + QStringLiteral(": not ") + type;
    if (schema.contains(QStringLiteral("enum"))
        && !schema.value(QStringLiteral("enum")).toArray().contains(value))
        return at + QStringLiteral(": ") + value.toVariant().toString()
            + QStringLiteral(" not allowed");
    const QJsonObject object = value.toObject();
    for (const QJsonValue& name : schema.value(QStringLiteral("required")).toArray())
        if (!object.contains(name.toString()))
            return at + QStringLiteral(": no ") + name.toString();
    const QJsonObject properties = schema.value(QStringLiteral("properties")).toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!properties.contains(it.key())) {
            if (schema.value(QStringLiteral("additionalProperties")) == QJsonValue(false))
                return at + QStringLiteral(": unexpected ") + it.key();
            continue;
        }
        const QString inner = schemaViolation(
            properties.value(it.key()).toObject(), it.value(), at + u'.' + it.key());
        if (!inner.isEmpty())
            return inner;
    }
    const QJsonArray items = value.toArray();
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString inner = schemaViolation(schema.value(QStringLiteral("items")).toObject(),
            items[i], at + QStringLiteral("[%1]").arg(i));
        if (!inner.isEmpty())
            return inner;
    }
    return {};
}

// A schema published under docs/; empty when it cannot be read.
inline QJsonObject publishedSchema(const char* name)
{
    QFile file(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../../docs/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object()
                                          : QJsonObject();
}

} // namespace linknode
