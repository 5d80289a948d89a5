#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringView>
#include <functional>

namespace linknode {

// JSON as every program writes it. QJsonDocument escapes the controls below 32 but writes
// DEL (127) and the C1 controls (128 to 159) as they are, and a terminal showing the output
// may read U+009B as the start of a control sequence: here they are escaped too, "\u007f" and
// "\u0080" to "\u009f". Otherwise the text is QJsonDocument's, byte for byte.
QByteArray jsonText(const QJsonDocument& document, QJsonDocument::JsonFormat format);

// `text` as a JSON string, quotes included, escaped as jsonText escapes it: for writers that
// put a large document together piece by piece.
void appendJsonString(QString& out, QStringView text);

// `members` and the array `arrayKey` of `count` objects, the `element(i)`, as jsonText writes the
// whole object indented, handed to `write` an element at a time: a list of any length never
// stands in memory as one document. False as soon as `write` returns false.
bool writeIndentedJson(const QJsonObject& members, const QString& arrayKey, size_t count,
    const std::function<QJsonObject(size_t)>& element,
    const std::function<bool(const QByteArray&)>& write);

} // namespace linknode
