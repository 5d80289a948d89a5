// JSON as the programs write it: DEL and the C1 controls escaped, in keys and values alike,
// and otherwise Qt's text byte for byte.
#include "core/json_text.h"

#include <QJsonArray>
#include <QJsonObject>
#include <gmock/gmock.h>

using namespace linknode;
using namespace Qt::StringLiterals;

namespace {

TEST(JsonText, EscapesDeleteAndTheC1ControlsAsQtEscapesThoseBelow32)
{
    const struct {
        QString text;
        QByteArray json;
    } cases[] = {
        { QString(QChar(0x7f)), R"("\u007f")" }, { QString(QChar(0x80)), R"("\u0080")" },
        { QChar(0x9b) + u"2J"_s, R"("\u009b2J")" }, // a terminal's control sequence
        { QString(QChar(0x9f)) + QChar(0x9f), R"("\u009f\u009f")" },
        { QChar(1) + u"\r\"\\"_s, R"("\u0001\r\"\\")" },
        { u"\u00a0\u00c2\u2080"_s, "\"\xc2\xa0\xc3\x82\xe2\x82\x80\"" }, // no control: raw
    };
    for (const auto& c : cases) {
        const QJsonObject object { { c.text, c.text } };
        const QByteArray text = jsonText(QJsonDocument(object), QJsonDocument::Compact);
        EXPECT_EQ(text, '{' + c.json + ':' + c.json + '}');
        EXPECT_EQ(QJsonDocument::fromJson(text).object(), object);
        QString piece;
        appendJsonString(piece, c.text);
        EXPECT_EQ(piece.toUtf8(), c.json);
    }
}

TEST(JsonText, IsQtsTextWhereNothingNeedsEscaping)
{
    const QString text = u"\u00a0\u00c2\u0100\u2080\u20ac caf\u00e9 \u00b8"_s + QChar(31);
    const QJsonObject object { { u"devices"_s, QJsonArray { QJsonObject { { text, text } } } },
        { u"version"_s, 1 }, { u"empty"_s, QJsonObject {} }, { u"none"_s, QJsonValue() } };
    for (const auto format : { QJsonDocument::Compact, QJsonDocument::Indented })
        EXPECT_EQ(jsonText(QJsonDocument(object), format), QJsonDocument(object).toJson(format));
}

} // namespace
