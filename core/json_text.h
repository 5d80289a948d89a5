#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QString>
#include <QStringView>

namespace linknode {

// JSON as every program writes it. QJsonDocument escapes the controls below 32 but writes
// DEL (127) and the C1 controls (128 to 159) as they are, and a terminal showing the output
// may read U+009B as the start of a control sequence: here they are escaped too, "\u007f" and
// "\u0080" to "\u009f". Otherwise the text is QJsonDocument's, byte for byte.
QByteArray jsonText(const QJsonDocument& document, QJsonDocument::JsonFormat format);

// `text` as a JSON string, quotes included, escaped as jsonText escapes it: for writers that
// put a large document together piece by piece.
void appendJsonString(QString& out, QStringView text);

} // namespace linknode
